#pragma once
// The HTTP client that fetches a record: one HTTP/1.0 GET of an http:// or https:// address,
// straight to the server or through an HTTP proxy, that returns the whole body of the answer
// whatever its status. libcurl makes the connection (name lookup, TCP, TLS with the system's
// certificates, the proxy's CONNECT tunnel for https) and then only carries bytes: the request is
// exactly ours, and the answer is read as this client reads it (header to the first empty line,
// body to the close, "Content-Length" ignored).
//
// The request, each line ended by CR LF, the header closed by an empty line:
//   GET <target> HTTP/1.0
//   Proxy-Connection: Keep-Alive          (through a proxy only)
//   Host: <host of the address, without its port>
//   Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff
//   Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript
//   Content-type: application/x-www-form-urlencoded
// The target is the path of the address ("/" when it has none), or the whole address when the
// request goes to a proxy. An https request through a proxy goes through a tunnel to the server
// itself, so it is the direct request. A fragment ("#...") is never sent; blanks, control and
// non-ASCII bytes of the address are sent %-encoded, and user information ("user:pw@") is dropped.
//
// Redirections: an answer 300, 301, 302, 303, 307 or 308 with a "Location" moves to that address;
// every answer from 299 to 399 repeats the request (to the new address, or the same one). A
// location without a scheme is taken on the same scheme, host and port: "/path" as it stands,
// "name" (without "/") as "/name". Only http and https locations are followed. At most
// Limits.MaxRepeats repeated requests per Get; one more fails with "Too many redirections".
//
// While it waits, the client calls its waiting hook, so the host's event loop keeps running.

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "records/proxy_lookup.h"
#include "records/record_source.h"
#include "records/wait_hook.h"

namespace xvexo {

// A transfer that could not be done; the message is meant for the user.
class THttpError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct THttpLimits {
    // The longest time to make a connection (name lookup, TCP, the proxy's tunnel and TLS).
    std::chrono::milliseconds Connect{30'000};
    // The longest time the peer may stay silent while a request is sent or an answer read.
    std::chrono::milliseconds Silence{60'000};
    // The longest time one Get may take in all, its redirections included: a server that sends
    // a byte now and then never trips the silence bound, but cannot keep a download going.
    std::chrono::milliseconds Whole{300'000};
    // The largest body (and header) of an answer; more fails with "Record too large".
    std::uintmax_t MaxBody = kMaxRecordBytes;
    // The most requests repeated after the first in one Get.
    int MaxRepeats = 10;
};

class THttpClient {
  public:
    // Hook is called while the client waits; it must outlive the client.
    explicit THttpClient(TWaitHook& Hook);

    // The proxy of later requests; none while its host is empty. Kept from one Get to the next.
    TProxySetting Proxy;
    THttpLimits Limits;
    // A file of certificates to trust for https instead of the system's; empty for the system's.
    std::string CaFile;

    // Fetches URL and returns the body of the last answer, whatever its status (also kept in
    // Body). Throws THttpError: "Empty URL"; "Unsupported address "URL": only http and https
    // are fetched"; "Bad address "URL": REASON"; "Cannot connect to HOST:PORT: REASON" (or "to
    // the proxy HOST:PORT", or "to HOST:PORT through the proxy HOST:PORT"); "Connection to
    // HOST:PORT lost: REASON"; "Empty reply from HOST:PORT" (closed before a byte came);
    // "The proxy HOST:PORT refused the request: STATUS" (the proxy's own answer: 407, or an
    // error it marks as its own with "Proxy-Status"; for an https tunnel, any answer but 2xx to
    // its CONNECT); "Redirection to "LOCATION" refused: only http and https addresses are
    // followed"; "Too many redirections"; "Record too large"; "Timed out" (also past
    // Limits.Whole); "Cancelled" (the hook asked to stop); "A download is already under way"
    // (Get called again from a handler the hook ran). Addresses in messages are shown cleaned
    // of control bytes and cut when very long; a host name, like any text quoted from outside,
    // after 32 bytes.
    const std::string& Get(const std::string& URL);

    // After Get: the body of the last answer, its status (0 when its first line has none), the
    // address it came from, and how many requests were made.
    std::string Body;
    int Status = 0;
    std::string FinalAddress;
    int Requests = 0;

  private:
    TWaitHook& Hook;
    bool Busy = false;
};

}  // namespace xvexo
