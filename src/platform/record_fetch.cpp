#include "platform/record_fetch.h"

#include <exception>
#include <utility>

#include "platform/reg_file_registry.h"

namespace xvexo {

bool FetchRecord(const std::string& Address, std::string& Body, std::string& Error, TWaitHook& Hook,
                 TProxySetting& Proxy, const TFetchSettings& Settings) {
    // A local file needs no proxy: a broken proxy setting never keeps one from opening.
    if (!IsNetworkAddress(Address)) {
        return ReadRecordSource(Address, Body, Error, Hook, Settings.Local);
    }
    try {
        LookupProxy(*OpenUserRegistry(Settings.GetEnv), Proxy, Settings.GetEnv);
        // A client for this download alone: a second getFile started from a handler while this
        // one waits gets its own, and the proxy found lives on in Proxy.
        THttpClient Client(Hook);
        Client.Proxy = Proxy;
        Client.Limits = Settings.Http;
        Client.CaFile = Settings.CaFile;
        Client.Get(Address);
        Body = std::move(Client.Body);
        return true;
    } catch (const std::exception& E) {
        Error = E.what();
        return false;
    }
}

}  // namespace xvexo
