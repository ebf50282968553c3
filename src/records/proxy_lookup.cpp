#include "records/proxy_lookup.h"

#include <optional>

#include "records/record_error.h"

namespace xvexo {

namespace {

// "host:port": the host before the first ":", the port after it. Without a ":" the whole text
// stands where the port should be, and fails as a number.
TProxySetting HostAndPort(std::string_view Entry) {
    const size_t Colon = Entry.find(':');
    if (Colon == std::string_view::npos) DecimalOrThrow(Entry);
    return TProxySetting{std::string(Entry.substr(0, Colon)),
                         DecimalOrThrow(Entry.substr(Colon + 1))};
}

// The setting of ProxyServer text S; nullopt when it names no proxy for http.
std::optional<TProxySetting> ParseProxyServer(std::string_view S) {
    if (S.find('=') == std::string_view::npos) return HostAndPort(S);
    while (!S.empty()) {
        const size_t End = S.find(';');
        std::string_view Entry = S.substr(0, End);
        while (!Entry.empty() && Entry.front() == ' ')
            Entry.remove_prefix(1);
        if (Entry.starts_with("http=")) return HostAndPort(Entry.substr(5));
        if (End == std::string_view::npos) break;
        S.remove_prefix(End + 1);
    }
    return std::nullopt;
}

bool StartsWithNoCase(std::string_view Text, std::string_view Prefix) {
    if (Text.size() < Prefix.size()) return false;
    for (size_t i = 0; i < Prefix.size(); ++i) {
        char C = Text[i];
        if (C >= 'A' && C <= 'Z') C = static_cast<char>(C - 'A' + 'a');
        if (C != Prefix[i]) return false;
    }
    return true;
}

// The setting of an http_proxy value: "host:port", "http://user@host:port/path", "[::1]:3128".
std::optional<TProxySetting> ParseEnvironmentProxy(std::string_view Value) {
    if (const size_t Scheme = Value.find("://"); Scheme != std::string_view::npos) {
        if (!StartsWithNoCase(Value, "http://")) return std::nullopt;
        Value.remove_prefix(Scheme + 3);
    }
    Value = Value.substr(0, Value.find('/'));
    if (const size_t At = Value.rfind('@'); At != std::string_view::npos) {
        Value.remove_prefix(At + 1);
    }
    size_t HostEnd = Value.find(':');
    if (Value.starts_with('[')) {
        HostEnd = Value.find(']');
        HostEnd = HostEnd == std::string_view::npos ? Value.size() : HostEnd + 1;
    }
    const std::string_view Host = Value.substr(0, HostEnd);
    if (Host.empty()) return std::nullopt;
    std::string_view Port = HostEnd < Value.size() ? Value.substr(HostEnd) : std::string_view();
    if (Port.starts_with(':')) Port.remove_prefix(1);
    return TProxySetting{std::string(Host), Port.empty() ? 80 : DecimalOrThrow(Port)};
}

}  // namespace

void LookupProxy(const TUserRegistry& Registry, TProxySetting& Proxy, const TEnvLookup& GetEnv) {
    std::optional<TProxySetting> Found;
    // A port that is no number is told with the setting it came from, which the user can mend.
    const auto From = [](std::string_view Setting, const auto& Parse) {
        try {
            return Parse();
        } catch (const TRecordError& E) {
            throw TRecordError(std::string(E.what()) + " (the proxy port of " +
                               std::string(Setting) + ")");
        }
    };
    if (Registry.KeyExists(kInternetSettingsKey)) {
        if (Registry.ReadDword(kInternetSettingsKey, "ProxyEnable") != 1u) return;
        const auto Server = Registry.ReadString(kInternetSettingsKey, "ProxyServer");
        if (!Server || Server->empty()) return;
        Found =
            From("ProxyServer in the Internet settings", [&] { return ParseProxyServer(*Server); });
    } else {
        const char* Name = "http_proxy";
        const char* Value = ReadEnv(GetEnv, Name);
        if (Value == nullptr) Value = ReadEnv(GetEnv, Name = "HTTP_PROXY");
        if (Value == nullptr) return;
        Found = From(Name, [&] { return ParseEnvironmentProxy(Value); });
    }
    if (Found) Proxy = std::move(*Found);
}

}  // namespace xvexo
