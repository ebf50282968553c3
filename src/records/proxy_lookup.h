#pragma once
// Which HTTP proxy a download goes through, read from the user's Internet settings in the
// registry at each getFile.

#include <cstdint>
#include <string>
#include <string_view>

#include "records/environment.h"
#include "records/user_registry.h"

namespace xvexo {

// The proxy setting of the HTTP client. It lives as long as the client: a lookup that finds a
// proxy sets it, a lookup that finds none leaves it as it was.
struct TProxySetting {
    std::string Host;  // empty: no proxy, requests go straight to the server
    int32_t Port = 0;

    bool IsSet() const { return !Host.empty(); }
    bool operator==(const TProxySetting&) const = default;
};

// The key of the user's Internet settings, below HKEY_CURRENT_USER.
inline constexpr std::string_view kInternetSettingsKey =
    "\\SOFTWARE\\Microsoft\\windows\\CurrentVersion\\Internet Settings";

// Reads the proxy of the user's Internet settings into Proxy. Used when "ProxyEnable" is the
// DWORD 1 and "ProxyServer" a text that is not empty, in one of two forms: "host:port", or
// entries "key=host:port" separated by ";" of which only the one whose key is "http" counts (no
// such entry: no proxy). When the registry has no Internet settings key at all, the environment
// variable http_proxy (or HTTP_PROXY) stands in for it: "host:port" or "http://host:port/"
// (user information and path dropped, port 80 when none is given; a proxy of another scheme is
// not used). Throws TRecordError "\"TEXT\" is not a decimal number (the proxy port of
// SETTING)" when the port is not a decimal number (also when there is no ":" and no port at
// all), SETTING "ProxyServer in the Internet settings", "http_proxy" or "HTTP_PROXY"; Proxy is
// then left unchanged.
void LookupProxy(const TUserRegistry& Registry, TProxySetting& Proxy,
                 const TEnvLookup& GetEnv = {});

}  // namespace xvexo
