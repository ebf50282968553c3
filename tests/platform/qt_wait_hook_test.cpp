// While the HTTP client waits, the Qt hook keeps the event loop running: timers tick, and a
// handler can cancel the download.

#include "platform/qt_wait_hook.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <thread>

#include "local_servers.h"
#include "platform/http_client.h"

namespace xvexo {
namespace {

using namespace std::chrono_literals;
using testing::TPeer;
using testing::TScriptedServer;

TEST(QtWaitHook, TimersTickWhileABodyArrivesSlowly) {
    TScriptedServer Server([](TPeer& P) {
        P.Send("HTTP/1.0 200 OK\r\n\r\n");
        for (int i = 0; i < 8; ++i) {
            std::this_thread::sleep_for(50ms);
            P.Send("(;)");
        }
    });
    int Ticks = 0;
    QTimer Timer;
    Timer.setInterval(10);
    QObject::connect(&Timer, &QTimer::timeout, [&] { ++Ticks; });
    Timer.start();

    TQtWaitHook Hook;
    THttpClient Client(Hook);
    EXPECT_EQ(Client.Get(Server.Url("/slow.sgf")), "(;)(;)(;)(;)(;)(;)(;)(;)");
    // About 40 ticks in the 400 ms the body took; far more than none.
    EXPECT_GE(Ticks, 15);
}

TEST(QtWaitHook, AHandlerCanCancelTheWait) {
    TScriptedServer Server([](TPeer& P) { P.Hold(); });
    TQtWaitHook Hook;
    QTimer::singleShot(100, [&] { Hook.Cancel(); });
    THttpClient Client(Hook);
    const auto Start = std::chrono::steady_clock::now();
    std::string Error;
    try {
        Client.Get(Server.Url("/"));
    } catch (const THttpError& E) {
        Error = E.what();
    }
    EXPECT_EQ(Error, "Cancelled");
    EXPECT_LT(std::chrono::steady_clock::now() - Start, 2s);
    EXPECT_TRUE(Hook.IsCancelled());
    Hook.Reset();
    EXPECT_FALSE(Hook.IsCancelled());
}

}  // namespace
}  // namespace xvexo

int main(int argc, char** argv) {
    QCoreApplication App(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
