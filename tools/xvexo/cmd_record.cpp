// xvexo record: the record model as one JSON object.

#include <cstdio>

#include "command_line.h"
#include "commands.h"
#include "json_writer.h"
#include "load_source.h"
#include "records/display_text.h"

namespace xvexo::cli {

namespace {

enum class TTextMode { Utf8, Raw };

class TTextOut {
  public:
    TTextOut(TTextMode Mode, TTextEncoding Encoding) : M(Mode), E(Encoding) {}
    std::string operator()(std::string_view Bytes, TTextEncoding Encoding) const {
        return M == TTextMode::Raw ? BytesAsCodePoints(Bytes) : DecodeText(Bytes, Encoding);
    }
    std::string operator()(std::string_view Bytes) const { return (*this)(Bytes, E); }

  private:
    TTextMode M;
    TTextEncoding E;
};

// The room the JSON of R takes in usual records, reserved at once: a text byte becomes at most
// two bytes (raw, or GBK decoded: three bytes for two), plus a few bytes a move or note and
// the keys. Control bytes and undecodable ones take more; the text then grows as usual.
size_t JsonSizeEstimate(const TGameRecord& R) {
    size_t Texts = 0;
    for (const TInfoKind Kind : kInfoKinds)
        Texts += InfoField(R.Info, Kind)->size();
    for (int32_t i = 0; i < R.NoteCount; ++i)
        Texts += R.Notes[i].Text.size();
    return 1024 + 2 * Texts + 16 * static_cast<size_t>(R.StoredMoves()) +
           48 * static_cast<size_t>(R.NoteCount);
}

std::string RecordJson(const TLoadedSource& L, const TTextOut& Text) {
    const TGameRecord& R = *L.Record;
    TJsonWriter J;
    J.Reserve(JsonSizeEstimate(R));
    J.BeginObject();
    J.Key("FormatMode");
    J.Int(R.FormatMode);
    // Standard SGF records name their size; the tag and NGF formats are always 19 lines, and
    // their output stays as it was.
    if (R.FormatMode == kFormatSgf) {
        J.Key("BoardSize");
        J.Int(R.BoardSize);
    }
    J.Key("Shown");
    J.Bool(L.Result.Shown && !L.Result.Failed());
    J.Key("Error");
    if (L.Result.Failed()) {
        J.String(Text(L.Result.Error));
    } else {
        J.Null();
    }
    J.Key("Info");
    J.BeginObject();
    for (const TInfoKind Kind : kInfoKinds) {
        J.Key(InfoFieldName(Kind));
        J.String(Text(*InfoField(R.Info, Kind), InfoFieldEncoding(R, Kind, L.Result.Encoding)));
    }
    J.EndObject();
    J.Key("HandicapStones");
    J.Int(R.HandicapStones);
    J.Key("KomiMode");
    J.Int(R.KomiMode);
    J.Key("MoveCount");
    J.Int(R.MoveCount);
    J.Key("Moves");
    J.BeginArray();
    for (int32_t i = 0; i < R.StoredMoves(); ++i) {
        J.BeginArray();
        J.Int(R.Moves[i].X);
        J.Int(R.Moves[i].Y);
        J.EndArray();
    }
    J.EndArray();
    J.Key("Notes");
    J.BeginArray();
    for (int32_t i = 0; i < R.NoteCount; ++i) {
        const TNoteRec& N = R.Notes[i];
        J.BeginObject();
        J.Key("MoveNo");
        J.Int(N.MoveNo);
        J.Key("Kind");
        J.Int(N.Kind);
        J.Key("Text");
        J.String(Text(N.Text));
        J.EndObject();
    }
    J.EndArray();
    J.EndObject();
    return J.TakeText();
}

}  // namespace

int RunRecord(const TArgs& Args) {
    const TCommandLine L = ParseCommandLine(Args, {"--text"});
    if (!L.Error.empty()) {
        PrintError(L.Error);
        return kExitUsage;
    }
    TTextMode Mode = TTextMode::Utf8;
    if (auto It = L.Values.find("--text"); It != L.Values.end()) {
        if (It->second == "raw") {
            Mode = TTextMode::Raw;
        } else if (It->second != "utf8") {
            PrintError("--text takes utf8 or raw");
            return kExitUsage;
        }
    }
    const TLoadedSource S = LoadSource(L.Source, L.Format);
    return FinishWithJson(RecordJson(S, TTextOut(Mode, S.Result.Encoding)), S.Result);
}

}  // namespace xvexo::cli
