#pragma once
// Real servers for the HTTP client's tests, on 127.0.0.1 and a port of their own: a scripted
// HTTP (or HTTPS) server that records every request byte for byte, an HTTP proxy that forwards
// GETs and opens CONNECT tunnels, a port that refuses connections and one that never accepts
// them. Each runs in a thread; every wait is bounded, and the destructors stop them.

#include <openssl/ssl.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace xvexo::testing {

// A fresh key and a self-signed certificate for 127.0.0.1 and localhost, made at run time; the
// certificate is written to CertFile for the client to trust.
class TTlsIdentity {
  public:
    explicit TTlsIdentity(const std::filesystem::path& Folder);
    ~TTlsIdentity();
    TTlsIdentity(const TTlsIdentity&) = delete;
    TTlsIdentity& operator=(const TTlsIdentity&) = delete;

    SSL_CTX* Context() const { return Ctx; }
    std::string CertFile;

  private:
    SSL_CTX* Ctx = nullptr;
};

// One connection of a scripted server, as its script sees it.
class TPeer {
  public:
    TPeer(int Fd, SSL* Tls, const std::atomic<bool>& Stop) : Fd(Fd), Tls(Tls), Stop(Stop) {}

    // The request: the bytes up to and including the empty line that ends its header.
    std::string Request;

    // Sends Bytes; false when the client has gone.
    bool Send(std::string_view Bytes);
    // Reads what comes within Wait; "" when nothing came or the client closed.
    std::string ReadSome(std::chrono::milliseconds Wait);
    // Waits until the client closes the connection (or the server stops), sending nothing.
    void Hold();
    // Ends the connection with a reset instead of an orderly close.
    void Reset() { ResetAtEnd = true; }
    const std::atomic<bool>& StopFlag() const { return Stop; }
    int Socket() const { return Fd; }

    bool ResetAtEnd = false;

  private:
    int Fd;
    SSL* Tls;
    const std::atomic<bool>& Stop;
};

using TScript = std::function<void(TPeer&)>;

// A server that answers each connection by running Script, one connection after the other.
class TScriptedServer {
  public:
    explicit TScriptedServer(TScript Script, const TTlsIdentity* Tls = nullptr);
    ~TScriptedServer();
    TScriptedServer(const TScriptedServer&) = delete;
    TScriptedServer& operator=(const TScriptedServer&) = delete;

    int Port() const { return ListenPort; }
    // "http://127.0.0.1:PORT" (https with TLS) followed by Path.
    std::string Url(std::string_view Path = "/") const;
    // Every request received so far, in order.
    std::vector<std::string> Requests() const;

  private:
    void Serve();
    void Answer(int Fd);

    TScript Script;
    const TTlsIdentity* Tls;
    int Listener = -1;
    int ListenPort = 0;
    std::atomic<bool> Stop{false};
    mutable std::mutex Lock;
    std::vector<std::string> Received;
    std::thread Thread;
};

// The script of an HTTP proxy: "GET http://host:port/path" is sent on to that server as
// "GET /path" without the "Proxy-Connection" line, and its answer relayed back; "CONNECT
// host:port" answers 200 and relays bytes both ways.
TScript ProxyScript();

// An HTTP answer: "HTTP/1.1 STATUS Reason", Headers (each ended by CR LF), an empty line, Body.
std::string Answer(int Status, std::string_view Body, std::string_view Headers = "");

// A port on 127.0.0.1 bound but not listening: connecting to it is refused.
class TRefusingPort {
  public:
    TRefusingPort();
    ~TRefusingPort();
    int Port = 0;

  private:
    int Fd = -1;
};

// A port on 127.0.0.1 whose queue of connections is full and never served: a new connection is
// never made (its opening packets go unanswered).
class TUnansweredPort {
  public:
    TUnansweredPort();
    ~TUnansweredPort();
    int Port = 0;

  private:
    int Listener = -1;
    std::vector<int> Fillers;
};

}  // namespace xvexo::testing
