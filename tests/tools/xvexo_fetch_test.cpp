// xvexo with addresses on the network, against servers on 127.0.0.1: fetch writes the body byte
// for byte, every command reads http addresses with getFile's choice of format, the proxy of the
// user's settings is used, and failures exit 1 with getFile's message.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "local_servers.h"
#include "support/record_text.h"
#include "support/temp_folder.h"

namespace {

using xvexo::testing::Answer;
using xvexo::testing::TPeer;
using xvexo::testing::TScriptedServer;

struct TRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

// Runs xvexo with Args, its registry the file Registry and no proxy from the environment.
TRun RunTool(const std::string& Args, const std::string& Registry) {
    xvexo::testing::TTempFolder Dir;
    const std::string ErrFile = (Dir / "stderr.txt").string();
    const std::string Command = "env -u http_proxy -u HTTP_PROXY XVEXOVIEW_REGISTRY='" + Registry +
                                "' '" + XVEXO_TOOL + "' " + Args + " 2>'" + ErrFile + "'";
    TRun R;
    FILE* P = ::popen(Command.c_str(), "r");
    if (!P) return R;
    char Buf[4096];
    size_t N = 0;
    while ((N = std::fread(Buf, 1, sizeof Buf, P)) > 0)
        R.Out.append(Buf, N);
    const int W = ::pclose(P);
    R.Status = WIFEXITED(W) ? WEXITSTATUS(W) : -1;
    R.Err = xvexo::testing::ReadBytes(ErrFile);
    return R;
}

// A registry whose Internet settings name Proxy (none when empty).
std::string Registry(const xvexo::testing::TTempFolder& Dir, const std::string& Proxy = {}) {
    const std::string File = (Dir / "user.reg").string();
    xvexo::testing::WriteBytes(
        File,
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]\n" +
            (Proxy.empty()
                 ? "\"ProxyEnable\"=dword:00000000\n"
                 : "\"ProxyEnable\"=dword:00000001\n\"ProxyServer\"=\"" + Proxy + "\"\n"));
    return File;
}

std::string TargetOf(const std::string& Request) {
    const size_t Start = Request.find(' ') + 1;
    return Request.substr(Start, Request.find(' ', Start) - Start);
}

// Any bytes, a NUL and line ends among them, as an error page.
const std::string kOddBody = std::string("a\0b\r\nc\n\xff\xfe", 9);

TScriptedServer RecordServer() {
    return TScriptedServer([](TPeer& P) {
        const std::string T = TargetOf(P.Request);
        if (T.ends_with(".NGF") || T.ends_with(".ngf")) {
            auto Lines = xvexo::testing::NgfHeader("0", "90", "2");
            Lines.push_back(xvexo::testing::NgfMove(1, "DD"));
            Lines.push_back(xvexo::testing::NgfMove(2, "QQ"));
            P.Send(Answer(200, xvexo::testing::NgfText(Lines)));
        } else if (T == "/game.txt") {
            P.Send(Answer(200, xvexo::testing::TagRecord(6)));
        } else {
            P.Send(Answer(404, kOddBody));
        }
    });
}

TEST(XvexoNetwork, FetchWritesTheBodyAndCommandsReadAddresses) {
    TScriptedServer Server = RecordServer();
    xvexo::testing::TTempFolder Dir;
    const std::string Reg = Registry(Dir);
    TRun R = RunTool("fetch '" + Server.Url("/missing") + "'", Reg);
    EXPECT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Out, kOddBody);

    // The format by getFile's rule: "http" and "NGF" at the end, in that case only.
    R = RunTool("record '" + Server.Url("/g.NGF") + "'", Reg);
    EXPECT_EQ(R.Status, 0) << R.Err;
    EXPECT_NE(R.Out.find("\"FormatMode\": 2"), std::string::npos) << R.Out;
    R = RunTool("record '" + Server.Url("/g.ngf") + "'", Reg);
    EXPECT_NE(R.Out.find("\"FormatMode\": 1"), std::string::npos) << R.Out;
    R = RunTool("replay '" + Server.Url("/game.txt") + "' --to 4", Reg);
    EXPECT_EQ(R.Status, 0) << R.Err;
    EXPECT_NE(R.Out.find("\"MoveIndex\": 4"), std::string::npos) << R.Out;
}

TEST(XvexoNetwork, TheProxyOfTheSettingsAndFailures) {
    TScriptedServer Server = RecordServer();
    TScriptedServer Proxy(xvexo::testing::ProxyScript());
    xvexo::testing::TTempFolder Dir;
    TRun R = RunTool("fetch '" + Server.Url("/game.txt") + "'",
                     Registry(Dir, "127.0.0.1:" + std::to_string(Proxy.Port())));
    EXPECT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Out, xvexo::testing::TagRecord(6));
    ASSERT_EQ(Proxy.Requests().size(), 1u);
    EXPECT_TRUE(
        Proxy.Requests()[0].starts_with("GET " + Server.Url("/game.txt") + " HTTP/1.0\r\n"));

    R = RunTool("fetch '" + Server.Url("/game.txt") + "'", Registry(Dir, "cache.example"));
    EXPECT_EQ(R.Status, 1);
    EXPECT_EQ(R.Out, "");
    EXPECT_EQ(R.Err,
              "\"cache.example\" is not a decimal number (the proxy port of ProxyServer in the "
              "Internet settings)\n");

    xvexo::testing::TRefusingPort Refusing;
    const std::string Refused = "http://127.0.0.1:" + std::to_string(Refusing.Port) + "/g.txt";
    R = RunTool("record '" + Refused + "'", Registry(Dir));
    EXPECT_EQ(R.Status, 1);
    EXPECT_EQ(R.Err, "Cannot connect to 127.0.0.1:" + std::to_string(Refusing.Port) +
                         ": Connection refused\n");
    EXPECT_EQ(RunTool("fetch", Registry(Dir)).Status, 2);
    EXPECT_EQ(RunTool("fetch --tag '" + Refused + "'", Registry(Dir)).Status, 2);
}

}  // namespace
