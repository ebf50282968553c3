#pragma once
// A writer at the other end of a FIFO, for tests of reads that must never hang.

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace xvexo::testing {

// Writes Pieces into the FIFO at Path from another thread, Gap apart, then closes it. Opens
// without blocking, retrying until a reader is there (for at most two seconds), so a test that
// fails never leaves the thread hanging; a reader that gave up makes a write fail, not the test.
inline std::jthread WriteToFifo(const std::string& Path, std::vector<std::string> Pieces,
                                std::chrono::milliseconds Gap) {
    return std::jthread([Path, Pieces = std::move(Pieces), Gap] {
        using namespace std::chrono_literals;
        sigset_t Pipe;
        sigemptyset(&Pipe);
        sigaddset(&Pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &Pipe, nullptr);
        int Fd = -1;
        for (const auto End = std::chrono::steady_clock::now() + 2s;
             Fd < 0 && std::chrono::steady_clock::now() < End;) {
            Fd = ::open(Path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (Fd < 0) std::this_thread::sleep_for(5ms);
        }
        if (Fd < 0) return;
        ::fcntl(Fd, F_SETFL, 0);
        for (size_t i = 0; i < Pieces.size(); ++i) {
            if (i > 0) std::this_thread::sleep_for(Gap);
            if (::write(Fd, Pieces[i].data(), Pieces[i].size()) < 0) break;
        }
        ::close(Fd);
    });
}

}  // namespace xvexo::testing
