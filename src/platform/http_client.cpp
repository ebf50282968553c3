#include "platform/http_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "records/record_error.h"

namespace xvexo {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kAcceptLines =
    "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n"
    "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n"
    "Content-type: application/x-www-form-urlencoded\r\n"
    "\r\n";

// An address taken apart.
struct TAddress {
    std::string Scheme;     // as written: "http", "HTTPS"
    bool Secure = false;    // https
    std::string Host;       // without the port; the brackets of an IPv6 address kept
    int Port = 80;          // the port given, else 80 (443 for https)
    std::string Authority;  // host and port as written, without user information
    std::string Target;     // the path and query, %-encoded where needed; "/" when none
    std::string Whole;      // the address to name to a proxy: no fragment, no user information
};

std::string Shown(std::string_view Address) {
    return CleanForMessage(Address, 200);
}

// "HOST:PORT" as a message shows it: the host cut as any text quoted from outside is.
std::string PeerShown(std::string_view Host, int Port) {
    return CleanForMessage(Host) + ":" + std::to_string(Port);
}

// The status of an answer's first line as a message quotes it: "407 Proxy Authentication
// Required", the text after the first blank.
std::string StatusShown(std::string_view Line) {
    const size_t Blank = Line.find(' ');
    return CleanForMessage(Blank == std::string_view::npos ? Line : Line.substr(Blank + 1), 64);
}

// Whether A is B, letter case aside; B is letters only ("http", "LOCATION").
bool SameNoCase(std::string_view A, std::string_view B) {
    return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) {
               return (X | 0x20) == (Y | 0x20);
           });
}

// Text with blanks, control bytes and bytes past ASCII %-encoded, so that a request line stays
// one line of one target.
std::string Encode(std::string_view Text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string Out;
    Out.reserve(Text.size());
    for (char C : Text) {
        const auto B = static_cast<unsigned char>(C);
        if (B <= 0x20 || B >= 0x7F) {
            Out += '%';
            Out += kHex[B >> 4];
            Out += kHex[B & 15];
        } else {
            Out += C;
        }
    }
    return Out;
}

std::string_view TrimBlanks(std::string_view S) {
    while (!S.empty() && (S.front() == ' ' || S.front() == '\t'))
        S.remove_prefix(1);
    while (!S.empty() && (S.back() == ' ' || S.back() == '\t'))
        S.remove_suffix(1);
    return S;
}

TAddress ParseAddress(const std::string& URL) {
    if (URL.empty()) throw THttpError("Empty URL");
    const std::string_view Scheme = SchemeOfAddress(URL);
    const bool Http = SameNoCase(Scheme, "http"), Https = SameNoCase(Scheme, "https");
    if (!Http && !Https) {
        throw THttpError("Unsupported address \"" + Shown(URL) +
                         "\": only http and https are fetched");
    }
    auto Bad = [&](const char* Why) {
        throw THttpError("Bad address \"" + Shown(URL) + "\": " + Why);
    };
    std::string_view Rest = std::string_view(URL).substr(Scheme.size() + 1);
    if (!Rest.starts_with("//")) Bad("no \"//\" after the scheme");
    Rest.remove_prefix(2);
    Rest = Rest.substr(0, Rest.find('#'));
    const size_t AuthorityEnd = std::min(Rest.find('/'), Rest.find('?'));
    std::string_view Authority = Rest.substr(0, AuthorityEnd);
    const std::string_view Path =
        AuthorityEnd == std::string_view::npos ? std::string_view() : Rest.substr(AuthorityEnd);
    if (const size_t At = Authority.rfind('@'); At != std::string_view::npos) {
        Authority.remove_prefix(At + 1);
    }

    TAddress A;
    A.Scheme = std::string(Scheme);
    A.Secure = Https;
    std::string_view Host = Authority, PortText;
    if (Authority.starts_with('[')) {
        const size_t Close = Authority.find(']');
        if (Close == std::string_view::npos) Bad("no \"]\" after the IPv6 address");
        Host = Authority.substr(0, Close + 1);
        const std::string_view After = Authority.substr(Close + 1);
        if (!After.empty() && !After.starts_with(':')) Bad("text after the IPv6 address");
        if (!After.empty()) PortText = After.substr(1);
    } else if (const size_t Colon = Authority.find(':'); Colon != std::string_view::npos) {
        Host = Authority.substr(0, Colon);
        PortText = Authority.substr(Colon + 1);
    }
    if (Host.empty()) Bad("no host");
    for (char C : Host) {
        if (static_cast<unsigned char>(C) <= 0x20 || C == 0x7F) {
            Bad("the host holds a blank or a control byte");
        }
    }
    A.Port = Https ? 443 : 80;
    if (!PortText.empty()) {
        const auto Port = ParseDecimal(PortText);
        if (!Port || *Port < 1 || *Port > 65535) Bad("the port is not a number from 1 to 65535");
        A.Port = *Port;
    }
    A.Host = std::string(Host);
    A.Authority = std::string(Authority);
    A.Target = Path.empty() ? "/" : (Path.starts_with('?') ? "/" : "") + Encode(Path);
    A.Whole = A.Scheme + "://" + A.Authority + Encode(Path);
    return A;
}

// Whether an answer of Status moves to its "Location": 300 to 302, and also 303, 307 and 308,
// which name the new place of the record as those do (repeating the same address for them would
// only run into the bound on repeats). Other statuses from 299 to 399 repeat the same request.
bool FollowsLocation(int Status) {
    return (Status >= 300 && Status <= 303) || Status == 307 || Status == 308;
}

// The address a redirection to Location leads to from the address A.
std::string RedirectionAddress(const TAddress& A, std::string_view Location) {
    const std::string_view Scheme = SchemeOfAddress(Location);
    if (!Scheme.empty()) {
        if (!SameNoCase(Scheme, "http") && !SameNoCase(Scheme, "https")) {
            throw THttpError("Redirection to \"" + Shown(Location) +
                             "\" refused: only http and https addresses are followed");
        }
        return std::string(Location);
    }
    if (Location.starts_with("//")) return A.Scheme + ":" + std::string(Location);
    if (Location.starts_with('/')) return A.Scheme + "://" + A.Authority + std::string(Location);
    return A.Scheme + "://" + A.Authority + "/" + std::string(Location);
}

std::string RequestBytes(const TAddress& A, bool ToProxy) {
    std::string R = "GET " + (ToProxy ? A.Whole : A.Target) + " HTTP/1.0\r\n";
    if (ToProxy) R += "Proxy-Connection: Keep-Alive\r\n";
    R += "Host: " + A.Host + "\r\n";
    R += kAcceptLines;
    return R;
}

// The status of an answer's first line: the number after its first blank; 0 when there is none.
int StatusOf(std::string_view Line) {
    const size_t Blank = Line.find(' ');
    if (Blank == std::string_view::npos) return 0;
    std::string_view Rest = Line.substr(Blank + 1);
    Rest = Rest.substr(0, Rest.find(' '));
    return ParseDecimal(Rest).value_or(0);
}

void InitCurlOnce() {
    static const CURLcode Init = curl_global_init(CURL_GLOBAL_DEFAULT);
    (void)Init;
}

// One connection made by libcurl in its connect-only mode, which then carries our bytes. Every
// wait goes through the hook.
class TConnection {
  public:
    // The connection waits until Deadline at the latest, whatever its own bounds.
    TConnection(const TAddress& A, const TProxySetting& Proxy, const THttpLimits& Limits,
                const std::string& CaFile, TWaitHook& Hook, Clock::time_point Deadline)
        : Hook(Hook), Limits(Limits), Deadline(Deadline) {
        const bool ViaProxy = Proxy.IsSet();
        ToProxy = ViaProxy && !A.Secure;  // https goes through a tunnel to the server itself
        Tunnel = ViaProxy && A.Secure;
        const std::string Server = A.Host + ":" + std::to_string(A.Port);
        const std::string ProxyAt = Proxy.Host + ":" + std::to_string(Proxy.Port);
        ProxyShown = PeerShown(Proxy.Host, Proxy.Port);
        Peer = !ViaProxy ? PeerShown(A.Host, A.Port)
               : ToProxy ? "the proxy " + ProxyShown
                         : PeerShown(A.Host, A.Port) + " through the proxy " + ProxyShown;
        if (ViaProxy && (Proxy.Port < 1 || Proxy.Port > 65535)) {
            throw THttpError("Cannot connect to " + Peer +
                             ": the port is not a number from 1 to 65535");
        }

        Easy = curl_easy_init();
        Multi = curl_multi_init();
        if (Easy == nullptr || Multi == nullptr) {
            if (Easy != nullptr) curl_easy_cleanup(Easy);
            if (Multi != nullptr) curl_multi_cleanup(Multi);
            throw THttpError("Cannot start a transfer");
        }
        const std::string ConnectTo =
            ToProxy ? "http://" + ProxyAt + "/"
                    : std::string(A.Secure ? "https://" : "http://") + Server + "/";
        const std::string ProxyUrl = ViaProxy && !ToProxy ? "http://" + ProxyAt : "";
        curl_easy_setopt(Easy, CURLOPT_URL, ConnectTo.c_str());
        curl_easy_setopt(Easy, CURLOPT_CONNECT_ONLY, 1L);
        curl_easy_setopt(Easy, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(Easy, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(Easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
        curl_easy_setopt(
            Easy, CURLOPT_CONNECTTIMEOUT_MS,
            static_cast<long>(std::max<Clock::rep>(1, std::min(Limits.Connect, Left()).count())));
        // The proxy's answer to CONNECT, for a tunnel it refuses.
        curl_easy_setopt(Easy, CURLOPT_HEADERFUNCTION, &TConnection::TakeHeader);
        curl_easy_setopt(Easy, CURLOPT_HEADERDATA, this);
        curl_easy_setopt(Easy, CURLOPT_ERRORBUFFER, ErrorText.data());
        // An empty proxy keeps libcurl from taking one from the environment: the proxy is ours.
        curl_easy_setopt(Easy, CURLOPT_PROXY, ProxyUrl.c_str());
        if (!ProxyUrl.empty()) curl_easy_setopt(Easy, CURLOPT_HTTPPROXYTUNNEL, 1L);
        if (!CaFile.empty()) curl_easy_setopt(Easy, CURLOPT_CAINFO, CaFile.c_str());
        curl_multi_add_handle(Multi, Easy);
        Added = true;
    }

    ~TConnection() {
        if (Added) curl_multi_remove_handle(Multi, Easy);
        if (Easy != nullptr) curl_easy_cleanup(Easy);
        if (Multi != nullptr) curl_multi_cleanup(Multi);
    }
    TConnection(const TConnection&) = delete;
    TConnection& operator=(const TConnection&) = delete;

    // Makes the connection, waiting through the hook.
    void Connect() {
        // libcurl bounds the connection by Limits.Connect itself; this bound only guards
        // against a connection that libcurl never ends.
        const auto Until =
            std::min(Deadline, Clock::now() + Limits.Connect + std::chrono::seconds(1));
        for (;;) {
            int Running = 0;
            curl_multi_perform(Multi, &Running);
            int Left = 0;
            while (CURLMsg* Msg = curl_multi_info_read(Multi, &Left)) {
                if (Msg->msg != CURLMSG_DONE) continue;
                const CURLcode R = Msg->data.result;
                if (R == CURLE_OPERATION_TIMEDOUT) throw THttpError("Timed out");
                long ProxyAnswer = 0;
                curl_easy_getinfo(Easy, CURLINFO_HTTP_CONNECTCODE, &ProxyAnswer);
                if (R != CURLE_OK && Tunnel && ProxyAnswer != 0 &&
                    (ProxyAnswer < 200 || ProxyAnswer > 299)) {
                    throw THttpError("The proxy " + ProxyShown + " refused the request: " +
                                     (ProxyStatusLine.empty() ? std::to_string(ProxyAnswer)
                                                              : StatusShown(ProxyStatusLine)));
                }
                if (R != CURLE_OK) throw THttpError("Cannot connect to " + Peer + ": " + Reason(R));
                curl_socket_t S = CURL_SOCKET_BAD;
                curl_easy_getinfo(Easy, CURLINFO_ACTIVESOCKET, &S);
                if (S == CURL_SOCKET_BAD) throw THttpError("Cannot connect to " + Peer);
                Socket = static_cast<int>(S);
                return;
            }
            if (Clock::now() > Until) throw THttpError("Timed out");
            curl_multi_wait(Multi, nullptr, 0, static_cast<int>(Hook.Interval().count()), nullptr);
            if (!Hook.PumpIfDue()) throw THttpError("Cancelled");
        }
    }

    bool GoesToProxy() const { return ToProxy; }
    const std::string& PeerName() const { return Peer; }
    const std::string& ProxyName() const { return ProxyShown; }

    void SendAll(std::string_view Bytes) {
        const auto Until = std::min(Deadline, Clock::now() + Limits.Silence);
        while (!Bytes.empty()) {
            size_t Sent = 0;
            const CURLcode R = curl_easy_send(Easy, Bytes.data(), Bytes.size(), &Sent);
            if (R == CURLE_AGAIN) {
                Wait(true, Until);
                continue;
            }
            if (R != CURLE_OK) throw THttpError("Connection to " + Peer + " lost: " + Reason(R));
            Bytes.remove_prefix(Sent);
        }
    }

    // Reads what has come into Buffer, waiting for it; 0 when the peer has closed.
    size_t Receive(char* Buffer, size_t Size) {
        const auto Until = std::min(Deadline, Clock::now() + Limits.Silence);
        for (;;) {
            size_t Got = 0;
            const CURLcode R = curl_easy_recv(Easy, Buffer, Size, &Got);
            if (R == CURLE_AGAIN) {
                Wait(false, Until);
                continue;
            }
            if (R != CURLE_OK) throw THttpError("Connection to " + Peer + " lost: " + Reason(R));
            return Got;
        }
    }

  private:
    // What is left of the whole time the connection may take.
    std::chrono::milliseconds Left() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - Clock::now());
    }

    // libcurl's header callback: keeps the status line of the proxy's answer to CONNECT.
    static size_t TakeHeader(char* Data, size_t Size, size_t Count, void* Self) {
        auto* C = static_cast<TConnection*>(Self);
        std::string_view Line(Data, Size * Count);
        if (Line.starts_with("HTTP/")) {
            while (Line.ends_with('\n') || Line.ends_with('\r'))
                Line.remove_suffix(1);
            C->ProxyStatusLine.assign(Line.substr(0, 1024));
        }
        return Size * Count;
    }

    void Wait(bool ForWriting, Clock::time_point Until) {
        switch (WaitForFd(Socket, ForWriting, Until, Hook)) {
            case TWaitResult::Ready:
                return;
            case TWaitResult::TimedOut:
                throw THttpError("Timed out");
            case TWaitResult::Cancelled:
                throw THttpError("Cancelled");
        }
    }

    // Why libcurl failed: the system's reason when there is one, else libcurl's own text.
    std::string Reason(CURLcode R) {
        long SystemError = 0;
        curl_easy_getinfo(Easy, CURLINFO_OS_ERRNO, &SystemError);
        if ((R == CURLE_COULDNT_CONNECT || R == CURLE_RECV_ERROR || R == CURLE_SEND_ERROR) &&
            SystemError != 0) {
            return std::strerror(static_cast<int>(SystemError));
        }
        // libcurl's text may quote the host, which can be of any length.
        if (ErrorText[0] != '\0') return CleanForMessage(ErrorText.data(), 200);
        return curl_easy_strerror(R);
    }

    TWaitHook& Hook;
    const THttpLimits& Limits;
    const Clock::time_point Deadline;
    std::string ProxyStatusLine;                    // before the handles that write into it
    std::array<char, CURL_ERROR_SIZE> ErrorText{};  // before the handles that write into it
    CURL* Easy = nullptr;
    CURLM* Multi = nullptr;
    bool Added = false;
    bool ToProxy = false;
    bool Tunnel = false;
    int Socket = -1;
    std::string Peer;        // who the connection is to, for messages
    std::string ProxyShown;  // the proxy, for messages
};

// Whether a "Proxy-Status" header value says the proxy itself met an error ("error=...").
bool NamesProxyError(std::string_view Value) {
    return Value.find("error=") != std::string_view::npos;
}

}  // namespace

THttpClient::THttpClient(TWaitHook& Hook) : Hook(Hook) {
    InitCurlOnce();
}

const std::string& THttpClient::Get(const std::string& URL) {
    // A handler run by the hook while this client waits must not start another Get on it.
    if (Busy) throw THttpError("A download is already under way");
    Busy = true;
    struct TDone {
        bool& Busy;
        ~TDone() { Busy = false; }
    } Done{Busy};
    Body.clear();
    Status = 0;
    Requests = 0;
    FinalAddress.clear();
    std::string Address = URL;
    const auto Deadline = Clock::now() + Limits.Whole;
    for (int Repeats = 0;; ++Repeats) {
        const TAddress A = ParseAddress(Address);
        if (Repeats > Limits.MaxRepeats) throw THttpError("Too many redirections");
        if (Clock::now() >= Deadline) throw THttpError("Timed out");
        FinalAddress = Address;
        ++Requests;
        TConnection Link(A, Proxy, Limits, CaFile, Hook, Deadline);
        Link.Connect();
        Link.SendAll(RequestBytes(A, Link.GoesToProxy()));

        // The header line by line up to the first empty line, then the body to the close.
        std::string Head, Location, StatusLine;
        Body.clear();
        Status = 0;
        bool InHeader = true, FirstLine = true, ProxyError = false;
        size_t LineStart = 0;
        std::uintmax_t Total = 0;
        auto TakeLine = [&](std::string_view Line) {
            if (Line.ends_with('\r')) Line.remove_suffix(1);
            const size_t Colon = Line.find(':');
            const std::string_view Name =
                Colon == std::string_view::npos ? std::string_view() : Line.substr(0, Colon);
            if (Line.empty()) {
                InHeader = false;
            } else if (FirstLine) {
                Status = StatusOf(Line);
                StatusLine = StatusShown(Line);
            } else if (SameNoCase(Name, "LOCATION")) {
                Location = TrimBlanks(Line.substr(Colon + 1));
            } else if (SameNoCase(Name, "PROXY-STATUS")) {
                ProxyError = ProxyError || NamesProxyError(Line.substr(Colon + 1));
            }
            FirstLine = false;
        };
        std::array<char, 64 * 1024> Piece;
        while (const size_t Got = Link.Receive(Piece.data(), Piece.size())) {
            Total += Got;
            if (InHeader) {
                // Only the new bytes are searched for line ends: a line that comes in many
                // pieces is scanned once.
                size_t ScanFrom = std::max(LineStart, Head.size());
                Head.append(Piece.data(), Got);
                for (size_t End;
                     InHeader && (End = Head.find('\n', ScanFrom)) != std::string::npos;) {
                    TakeLine(std::string_view(Head).substr(LineStart, End - LineStart));
                    LineStart = ScanFrom = End + 1;
                }
                if (!InHeader) {
                    Body.assign(Head, LineStart);
                } else if (Head.size() > Limits.MaxBody) {
                    throw THttpError("Record too large");
                }
            } else {
                Body.append(Piece.data(), Got);
            }
            if (Body.size() > Limits.MaxBody) throw THttpError("Record too large");
            if (Clock::now() > Deadline) throw THttpError("Timed out");
            if (!Hook.PumpIfDue()) throw THttpError("Cancelled");
        }
        if (Total == 0) throw THttpError("Empty reply from " + Link.PeerName());
        if (InHeader && LineStart < Head.size()) TakeLine(std::string_view(Head).substr(LineStart));
        // The proxy's own refusal is no record of the server's.
        if (Link.GoesToProxy() && (Status == 407 || (Status >= 400 && ProxyError))) {
            Body.clear();
            throw THttpError("The proxy " + Link.ProxyName() +
                             " refused the request: " + StatusLine);
        }

        if (Status < 299 || Status > 399) return Body;
        if (FollowsLocation(Status) && !Location.empty()) {
            Address = RedirectionAddress(A, Location);
        }
    }
}

}  // namespace xvexo
