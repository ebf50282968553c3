// getFile over HTTP against real servers on 127.0.0.1: the proxy of the user's settings, the
// format chosen by the address, error pages, failures that leave the game shown, and the form
// running on (timer, clicks, a second getFile) while a body arrives slowly.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <thread>

#include "local_servers.h"
#include "platform/reg_file_registry.h"
#include "records/proxy_lookup.h"
#include "support/temp_folder.h"
#include "view_fixture.h"

namespace xvexo {
namespace {

using namespace std::chrono_literals;
using testing::Answer;
using testing::NgfHeader;
using testing::NgfMove;
using testing::NgfText;
using testing::TagRecord;
using testing::TPeer;
using testing::TScriptedServer;

// The target of a request's first line.
std::string TargetOf(const std::string& Request) {
    const size_t Start = Request.find(' ') + 1;
    return Request.substr(Start, Request.find(' ', Start) - Start);
}

// A form whose registry is a file of its own, with Internet settings that name no proxy unless a
// test says otherwise (so a proxy of the machine's environment never stands in), and short limits.
struct DownloadFixture : testing::ViewFixture {
    testing::TTempFolder Dir;
    const std::string RegistryFile = (Dir / "user.reg").string();
    TRegFileRegistry Registry{RegistryFile};

    DownloadFixture() {
        Registry.WriteDword(kInternetSettingsKey, "ProxyEnable", 0);
        View->Environment = [this](const char* Name) -> const char* {
            return std::string_view(Name) == "XVEXOVIEW_REGISTRY" ? RegistryFile.c_str() : nullptr;
        };
        View->HttpLimits.Connect = 2s;
        View->HttpLimits.Silence = 500ms;
    }
    void SetProxy(const std::string& Server) {
        Registry.WriteDword(kInternetSettingsKey, "ProxyEnable", 1);
        Registry.WriteString(kInternetSettingsKey, "ProxyServer", Server);
    }
    // getFile(Address): the message of its failure, or "" when it succeeded.
    std::string Get(const std::string& Address) {
        QString Error;
        return View->getFile(QString::fromStdString(Address), 0, &Error) ? "" : Error.toStdString();
    }
};

// Serves a tag record of N moves at "/tagN", an NGF record of 3 moves at any path ending in
// "NGF" or "ngf", a record of 4 moves as the body of a 404 at "/missing", and an error page
// elsewhere.
TScriptedServer GameServer() {
    return TScriptedServer([](TPeer& P) {
        const std::string T = TargetOf(P.Request);
        const std::string Ngf = NgfText([] {
            auto Lines = NgfHeader("0", "90", "3");
            for (const char* Point : {"DD", "QQ", "DQ"})
                Lines.push_back(NgfMove(int(Lines.size()) - 11, Point));
            return Lines;
        }());
        if (T.starts_with("/tag")) {
            P.Send(Answer(200, TagRecord(std::stoi(T.substr(4)))));
        } else if (T.ends_with("NGF") || T.ends_with("ngf")) {
            P.Send(Answer(200, Ngf));
        } else if (T == "/missing") {
            P.Send(Answer(404, TagRecord(4)));
        } else {
            P.Send(Answer(404, "<html><body>Not Found</body></html>"));
        }
    });
}

TEST(Download, ShowsTheGameAndKeepsTheProxyOnceFound) {
    TScriptedServer Server = GameServer();
    TScriptedServer Proxy(testing::ProxyScript());
    DownloadFixture V;
    ASSERT_EQ(V.Get(Server.Url("/tag7")), "");
    EXPECT_EQ(V.MoveIndex(), 7);
    EXPECT_EQ(V->record().FormatMode, kFormatTag);
    EXPECT_EQ(Proxy.Requests().size(), 0u);

    // The proxy of the settings is looked up at each call, and kept when a later one finds none.
    V.SetProxy("127.0.0.1:" + std::to_string(Proxy.Port()));
    ASSERT_EQ(V.Get(Server.Url("/tag5")), "");
    EXPECT_EQ(V.MoveIndex(), 5);
    V.Registry.WriteDword(kInternetSettingsKey, "ProxyEnable", 0);
    ASSERT_EQ(V.Get(Server.Url("/tag6")), "");
    EXPECT_EQ(V.MoveIndex(), 6);
    ASSERT_EQ(Proxy.Requests().size(), 2u);
    EXPECT_TRUE(Proxy.Requests()[1].starts_with("GET " + Server.Url("/tag6") + " HTTP/1.0\r\n"));
    EXPECT_EQ(V->proxy(), (TProxySetting{"127.0.0.1", Proxy.Port()}));
}

TEST(Download, AProxyPortThatIsNotDecimalFailsBeforeAnyRequest) {
    TScriptedServer Server = GameServer();
    DownloadFixture V;
    ASSERT_EQ(V.Get(Server.Url("/tag3")), "");
    for (const std::string Setting : {"cache.example", "ftp=a:21;http=cache.example"}) {
        V.SetProxy(Setting);
        EXPECT_EQ(V.Get(Server.Url("/tag9")),
                  "\"cache.example\" is not a decimal number (the proxy port of ProxyServer in "
                  "the Internet settings)")
            << Setting;
    }
    V.SetProxy("cache.example:80x");
    EXPECT_EQ(V.Get(Server.Url("/tag9")),
              "\"80x\" is not a decimal number (the proxy port of ProxyServer in the Internet "
              "settings)");
    EXPECT_EQ(Server.Requests().size(), 1u);
    EXPECT_EQ(V.MoveIndex(), 3);  // the game stays
    EXPECT_FALSE(V->proxy().IsSet());
}

TEST(Download, TheAddressChoosesTheFormatAndErrorPagesAreReadAsRecords) {
    TScriptedServer Server = GameServer();
    DownloadFixture V;
    const struct {
        std::string Path;
        int32_t Format;
        int MoveIndex;
        bool Shown;
    } Cases[] = {
        {"/games/g.NGF", kFormatNgf, 3, true},  {"/tag2", kFormatTag, 2, true},
        {"/missing", kFormatTag, 4, true},       // a 404 whose body is a record shows it
        {"/games/g.ngf", kFormatTag, 4, false},  // lower case: the tag reader, which finds nothing
        {"/gone", kFormatTag, 4, false},         // an error page: nothing to show, the game stays
    };
    for (const auto& C : Cases) {
        ASSERT_EQ(V.Get(Server.Url(C.Path)), "") << C.Path;
        EXPECT_EQ(V->lastLoadShown(), C.Shown) << C.Path;
        if (C.Shown) {
            EXPECT_EQ(V->record().FormatMode, C.Format) << C.Path;
        }
        EXPECT_EQ(V.MoveIndex(), C.MoveIndex) << C.Path;
    }
}

TEST(Download, FailuresReturnTheirMessageAndLeaveTheGameShown) {
    TScriptedServer Loop([](TPeer& P) { P.Send(Answer(302, "", "Location: /again\r\n")); });
    TScriptedServer ToFile(
        [](TPeer& P) { P.Send(Answer(301, "", "Location: file:///etc/passwd\r\n")); });
    TScriptedServer Silent([](TPeer& P) { P.Hold(); });
    testing::TRefusingPort Refusing;
    DownloadFixture V;
    V.LoadTag(TagRecord(8));
    const QImage Before = V->boardImage();
    const struct {
        std::string Address;
        std::string Error;
    } Cases[] = {
        {"", "Empty URL"},
        {"http://127.0.0.1:" + std::to_string(Refusing.Port) + "/g.txt",
         "Cannot connect to 127.0.0.1:" + std::to_string(Refusing.Port) + ": Connection refused"},
        {Loop.Url("/g.txt"), "Too many redirections"},
        {ToFile.Url("/g.txt"),
         "Redirection to \"file:///etc/passwd\" refused: only http and https addresses are "
         "followed"},
        {Silent.Url("/g.txt"), "Timed out"},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(V.Get(C.Address), C.Error) << C.Address;
        EXPECT_EQ(V.MoveIndex(), 8) << C.Address;
        EXPECT_EQ(testing::BoardDifference(V->boardImage(), Before), "") << C.Address;
    }
}

// A body that comes in pieces over about 600 ms.
void SendSlowly(TPeer& P, const std::string& Body) {
    const std::string Whole = Answer(200, Body);
    const size_t Piece = Whole.size() / 6 + 1;
    for (size_t At = 0; At < Whole.size(); At += Piece) {
        if (!P.Send(Whole.substr(At, Piece))) return;
        std::this_thread::sleep_for(100ms);
    }
}

TEST(Download, WhileABodyArrivesSlowlyTheTimerPlaysAndClicksStep) {
    TScriptedServer Server([](TPeer& P) { SendSlowly(P, TagRecord(12)); });
    DownloadFixture V;
    V.LoadTag(TagRecord(40));
    V->ArrowClick(TXVexoView::kToStart);
    V->autoBtnClick();
    V->Timer->setInterval(30);  // automatic play, faster than its one-second steps
    int DuringWait = -1;
    QTimer::singleShot(300, [&] {
        DuringWait = V.MoveIndex();
        testing::PressBoard(*V, Qt::RightButton, 1, 1);  // a click steps back one move
    });
    QElapsedTimer Clock;
    Clock.start();
    ASSERT_EQ(V.Get(Server.Url("/slow.txt")), "");
    EXPECT_GE(Clock.elapsed(), 400);
    EXPECT_GE(DuringWait, 3) << "the timer stepped the game while the body came";
    EXPECT_FALSE(V->autoPlaying());  // the new record ended automatic play
    EXPECT_EQ(V.MoveIndex(), 12);
}

TEST(Download, ASecondGetFileWhileOneWaitsWins) {
    // Two servers: each answers one connection at a time.
    TScriptedServer Slow([](TPeer& P) { SendSlowly(P, TagRecord(20)); });
    TScriptedServer Quick([](TPeer& P) { P.Send(Answer(200, TagRecord(3))); });
    DownloadFixture V;
    std::string Second = "not run";
    QTimer::singleShot(100, [&] { Second = V.Get(Quick.Url("/quick.txt")); });
    EXPECT_EQ(V.Get(Slow.Url("/slow.txt")), "Cancelled");
    EXPECT_TRUE(V->lastLoadCancelled());
    EXPECT_EQ(Second, "");
    EXPECT_EQ(V.MoveIndex(), 3);  // the later record is shown, untouched by the first
}

}  // namespace
}  // namespace xvexo
