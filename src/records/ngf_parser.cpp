#include "records/ngf_parser.h"

#include <cstdint>
#include <string>

#include "records/byte_scan.h"
#include "records/record_error.h"

namespace xvexo {

namespace {

// GBK texts written by the reader.
constexpr std::string_view kHandicapGame = "\xD7\xD3\xC8\xC3\xD7\xD3\xC6\xE5";  // 子让子棋
constexpr std::string_view kUnlimited = "\xCE\xDE\xCF\xDE\xD6\xC6";             // 无限制
constexpr std::string_view kMinutes = "\xB7\xD6";                               // 分
constexpr std::string_view kHours = "\xD0\xA1\xCA\xB1";                         // 小时
// Black moves first without komi, in code page 949; stored as these bytes.
constexpr std::string_view kNoKomi = "\xC1\xA4\xBC\xB1";

class TNgfReader {
  public:
    explicit TNgfReader(TGameRecord& Record) : R(Record), Rest(Record.RecordText) {}

    // RecordText keeps what followed the last line read, also after a failure.
    ~TNgfReader() { R.RecordText.erase(0, R.RecordText.size() - Rest.size()); }

    void Run() {
        R.Info.Title = Line();
        Line();
        ReadPlayer(Line(), R.Info.WhiteName, R.Info.WhiteRank);
        ReadPlayer(Line(), R.Info.BlackName, R.Info.BlackRank);
        R.Info.Place = Line();
        ReadHandicap(Line());
        Line();
        Line();
        ReadDate(Line());
        ReadTime(Line());
        const std::string_view Result = Line();
        R.Info.Result = Result.substr(0, Result.find('>'));
        const int32_t N = DecimalOrThrow(Line());
        R.MoveCount = N > TGameRecord::MaxMoves ? TGameRecord::MaxMoves : N;
        // Entries a failed load never reaches read as (0, 0).
        R.Moves.fill(TMoveRec{});
        for (int32_t k = 1; k <= N; ++k) {
            const std::string_view Move = Line();
            if (Move.size() < 7) {
                throw TRecordError("NGF move line " + std::to_string(k) + " is too short");
            }
            if (k <= TGameRecord::MaxMoves) {
                R.Moves[k - 1] = {static_cast<uint8_t>(Move[5] - 65),
                                  static_cast<uint8_t>(Move[6] - 65)};
            }
        }
    }

  private:
    std::string_view Line() {
        ++LineNo;
        if (auto L = ReadRecordLine(Rest)) return *L;
        throw TRecordError("NGF record ends before line " + std::to_string(LineNo));
    }

    static void ReadPlayer(std::string_view L, std::string& Name, std::string& Rank) {
        const size_t Blank = L.find(' ');
        Name = Blank == std::string_view::npos ? std::string() : std::string(L.substr(0, Blank));
        Rank.clear();
        for (char C : L.substr(Name.size())) {
            if (C != ' ' && C != '*') Rank += C;
        }
    }

    void ReadHandicap(std::string_view L) {
        if (L == "0") {
            R.Info.Komi = "6.5";
            R.HandicapStones = 0;
            R.KomiMode = 1;
        } else if (L == "1") {
            R.Info.Komi = kNoKomi;
            R.HandicapStones = 0;
            R.KomiMode = 2;
        } else {
            R.Info.Komi = std::string(L) + std::string(kHandicapGame);
            R.HandicapStones = DecimalOrThrow(L);
            R.KomiMode = 2;
        }
    }

    void ReadDate(std::string_view L) { R.Info.Date = L.find('-') == 6 ? L.substr(2) : L; }

    void ReadTime(std::string_view L) {
        if (L == "599") {
            R.Info.TimeText = kUnlimited;
        } else {
            const int32_t T = DecimalOrThrow(L);
            const int32_t H = T / 60;
            const int32_t M = T % 60;
            std::string Text;
            if (H != 0) Text.append(std::to_string(H)).append(kHours);
            if (H == 0 || M != 0) Text.append(std::to_string(M)).append(kMinutes);
            R.Info.TimeText = std::move(Text);
        }
        R.Info.ByoyomiSeconds.assign(1, '0');
        R.Info.ByoyomiCount.assign(1, '0');
    }

    TGameRecord& R;
    std::string_view Rest;
    int LineNo = 0;
};

}  // namespace

std::optional<std::string_view> ReadRecordLine(std::string_view& Rest) {
    if (Rest.empty()) return std::nullopt;
    const size_t End = static_cast<size_t>(
        FindEitherByte(Rest.data(), Rest.data() + Rest.size(), '\r', '\n') - Rest.data());
    if (End == Rest.size()) {
        const std::string_view L = Rest;
        Rest = {};
        return L;
    }
    const std::string_view L = Rest.substr(0, End);
    size_t Skip = End + 1;
    if (Rest[End] == '\r' && Skip < Rest.size() && Rest[Skip] == '\n') ++Skip;
    Rest.remove_prefix(Skip);
    return L;
}

void ParseNgfRecord(TGameRecord& Record) {
    TNgfReader(Record).Run();
}

}  // namespace xvexo
