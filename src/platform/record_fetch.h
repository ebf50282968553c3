#pragma once
// Reading a record from any address, as getFile reads it: an http:// or https:// address is
// downloaded through the proxy of the user's Internet settings (looked up at every call), any
// other address read from disk. Shared by the viewer control and the command-line tool, so both
// fetch the same bytes and fail with the same texts. Needs no Qt.

#include <string>

#include "platform/http_client.h"
#include "records/environment.h"
#include "records/proxy_lookup.h"
#include "records/record_source.h"
#include "records/wait_hook.h"

namespace xvexo {

struct TFetchSettings {
    THttpLimits Http;     // the limits of a download
    TSourceLimits Local;  // the limits of reading a pipe, a socket or a device
    std::string
        CaFile;  // certificates to trust for https instead of the system's; empty: the system's
    TEnvLookup GetEnv;  // the environment: the registry file's place and the proxy fallback
};

// Reads the record at Address into Body (left unchanged on failure). For a network address, the
// proxy lookup runs first and may set Proxy (never clears it: a proxy once found stays for later
// calls); a port that is not decimal fails before any request. Hook is pumped while the read
// waits. False with Error set on failure: the messages of THttpClient::Get, of LookupProxy and of
// ReadRecordSource.
bool FetchRecord(const std::string& Address, std::string& Body, std::string& Error, TWaitHook& Hook,
                 TProxySetting& Proxy, const TFetchSettings& Settings = {});

}  // namespace xvexo
