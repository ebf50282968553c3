#include "load_source.h"

#include "records/record_source.h"
#ifdef XVEXO_HAVE_HTTP
#include "platform/record_fetch.h"
#endif

namespace xvexo::cli {

bool ReadSourceBytes(const std::string& Source, std::string& Body, std::string& Error) {
#ifdef XVEXO_HAVE_HTTP
    TNoWaitHook Hook;
    TProxySetting Proxy;
    return FetchRecord(Source, Body, Error, Hook, Proxy);
#else
    return ReadRecordSource(Source, Body, Error);
#endif
}

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
    if (!ReadSourceBytes(Source, Body, L.Result.Error)) return L;
    // A forced format reads the text as it says; else the text may be standard SGF.
    L.Result = LoadRecordText(*L.Record, std::move(Body), Format, Forced.has_value());
    // A text with no game in it is a failed load, never an empty record that looks fine.
    if (L.Result.HoldsNoGame()) L.Result.Error = NoGameMessage(Source);
    if (L.Result.Shown) L.Handicap = ReplayRecord(*L.Record, *L.Board);
    return L;
}

}  // namespace xvexo::cli
