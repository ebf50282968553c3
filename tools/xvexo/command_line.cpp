#include "command_line.h"

#include <cstdio>

#include "records/game_record.h"
#include "records/record_loader.h"

namespace xvexo::cli {

TCommandLine ParseCommandLine(const TArgs& Args, const std::set<std::string>& ValuedOptions) {
    TCommandLine L;
    bool HaveSource = false;
    for (size_t i = 0; i < Args.size(); ++i) {
        const std::string& A = Args[i];
        if (A == "--tag") {
            L.Format = kFormatTag;
        } else if (A == "--ngf") {
            L.Format = kFormatNgf;
        } else if (A == "--sgf") {
            L.Format = kFormatSgf;
        } else if (ValuedOptions.contains(A)) {
            if (i + 1 >= Args.size()) {
                L.Error = A + " needs a value";
                return L;
            }
            L.Values[A] = Args[++i];
        } else if (A.size() > 1 && A.starts_with("-")) {
            L.Error = "unknown option " + A;
            return L;
        } else if (HaveSource) {
            L.Error = "only one SOURCE may be given";
            return L;
        } else {
            L.Source = A;
            HaveSource = true;
        }
    }
    if (!HaveSource) L.Error = "SOURCE is missing";
    return L;
}

bool ReadMoveOption(const TCommandLine& L, std::optional<int32_t>& To) {
    const auto It = L.Values.find("--to");
    if (It == L.Values.end()) return true;
    const TMoveNumberCheck Check = CheckMoveNumber(It->second);
    if (!Check.Ok) {
        PrintError(Check.Message);
        return false;
    }
    To = Check.Number;
    return true;
}

int FinishWithJson(const std::string& Json, const TLoadResult& Result) {
    std::fwrite(Json.data(), 1, Json.size(), stdout);
    if (Result.Failed()) {
        PrintError(Result.Error);
        return kExitFailed;
    }
    return kExitOk;
}

void PrintError(const std::string& Message) {
    std::string Line = Message;
    for (char& C : Line) {
        if (C == '\n' || C == '\r') C = ' ';
    }
    std::fputs(Line.c_str(), stderr);
    std::fputc('\n', stderr);
}

}  // namespace xvexo::cli
