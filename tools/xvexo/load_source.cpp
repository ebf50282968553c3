#include "load_source.h"

#include "records/record_source.h"

namespace xvexo::cli {

int32_t FormatOfSource(const std::string& Source, std::optional<int> Forced) {
    if (Forced) return *Forced;
    return FormatOfAddress(Source);
}

TLoadedSource LoadSource(const std::string& Source, std::optional<int> Forced) {
    TLoadedSource L;
    L.Record = std::make_unique<TGameRecord>();
    L.Board = std::make_unique<TGoBoard>();
    const int32_t Format = FormatOfSource(Source, Forced);
    L.Record->FormatMode = Format;

    std::string Body;
    if (!ReadRecordSource(Source, Body, L.Result.Error)) return L;
    // A forced format reads the text as it says; else the text may be standard SGF.
    L.Result = LoadRecordText(*L.Record, std::move(Body), Format, Forced.has_value());
    if (L.Result.Shown) L.Handicap = ReplayRecord(*L.Record, *L.Board);
    return L;
}

}  // namespace xvexo::cli
