#include "local_servers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <stdexcept>

namespace xvexo::testing {

namespace {

using namespace std::chrono_literals;

// Every blocking call of the servers gives up after this long, so no test can hang on them.
constexpr timeval kSocketTimeout{5, 0};

void Check(bool Ok, const char* What) {
    if (!Ok) throw std::runtime_error(std::string("test server: ") + What + " failed");
}

sockaddr_in LoopbackAddress(int Port) {
    sockaddr_in A{};
    A.sin_family = AF_INET;
    A.sin_port = htons(static_cast<uint16_t>(Port));
    A.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return A;
}

// A socket bound to 127.0.0.1 on a free port; Port receives the port.
int BoundSocket(int& Port) {
    const int Fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    Check(Fd >= 0, "socket");
    sockaddr_in A = LoopbackAddress(0);
    Check(::bind(Fd, reinterpret_cast<sockaddr*>(&A), sizeof A) == 0, "bind");
    socklen_t Size = sizeof A;
    Check(::getsockname(Fd, reinterpret_cast<sockaddr*>(&A), &Size) == 0, "getsockname");
    Port = ntohs(A.sin_port);
    return Fd;
}

void SetTimeouts(int Fd) {
    ::setsockopt(Fd, SOL_SOCKET, SO_RCVTIMEO, &kSocketTimeout, sizeof kSocketTimeout);
    ::setsockopt(Fd, SOL_SOCKET, SO_SNDTIMEO, &kSocketTimeout, sizeof kSocketTimeout);
}

int ConnectLoopback(int Port) {
    const int Fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (Fd < 0) return -1;
    SetTimeouts(Fd);
    sockaddr_in A = LoopbackAddress(Port);
    if (::connect(Fd, reinterpret_cast<sockaddr*>(&A), sizeof A) != 0) {
        ::close(Fd);
        return -1;
    }
    return Fd;
}

// Copies bytes both ways between two plain sockets until one side closes.
void Relay(int A, int B, const std::atomic<bool>& Stop) {
    std::array<char, 64 * 1024> Buffer;
    const auto Until = std::chrono::steady_clock::now() + 30s;
    while (!Stop && std::chrono::steady_clock::now() < Until) {
        pollfd P[2] = {{A, POLLIN, 0}, {B, POLLIN, 0}};
        if (::poll(P, 2, 50) <= 0) continue;
        for (int i = 0; i < 2; ++i) {
            if (P[i].revents == 0) continue;
            const ssize_t N = ::recv(P[i].fd, Buffer.data(), Buffer.size(), 0);
            if (N <= 0) return;
            const int To = i == 0 ? B : A;
            for (ssize_t Sent = 0; Sent < N;) {
                const ssize_t M =
                    ::send(To, Buffer.data() + Sent, static_cast<size_t>(N - Sent), MSG_NOSIGNAL);
                if (M <= 0) return;
                Sent += M;
            }
        }
    }
}

}  // namespace

TTlsIdentity::TTlsIdentity(const std::filesystem::path& Folder) {
    EVP_PKEY* Key = EVP_EC_gen("P-256");
    X509* Cert = X509_new();
    Check(Key != nullptr && Cert != nullptr, "key generation");
    X509_set_version(Cert, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(Cert), 1);
    X509_gmtime_adj(X509_getm_notBefore(Cert), -3600);
    X509_gmtime_adj(X509_getm_notAfter(Cert), 24 * 3600);
    X509_set_pubkey(Cert, Key);
    X509_NAME* Name = X509_get_subject_name(Cert);
    X509_NAME_add_entry_by_txt(Name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
    X509_set_issuer_name(Cert, Name);
    X509V3_CTX V3;
    X509V3_set_ctx_nodb(&V3);
    X509V3_set_ctx(&V3, Cert, Cert, nullptr, nullptr, 0);
    const std::pair<int, const char*> Extensions[] = {
        {NID_basic_constraints, "critical,CA:TRUE"},
        {NID_subject_key_identifier, "hash"},
        {NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost"},
    };
    for (const auto& [Nid, Value] : Extensions) {
        X509_EXTENSION* E = X509V3_EXT_conf_nid(nullptr, &V3, Nid, Value);
        Check(E != nullptr, "certificate extension");
        X509_add_ext(Cert, E, -1);
        X509_EXTENSION_free(E);
    }
    Check(X509_sign(Cert, Key, EVP_sha256()) > 0, "certificate signature");

    CertFile = (Folder / "test-ca.pem").string();
    FILE* Out = std::fopen(CertFile.c_str(), "w");
    Check(Out != nullptr, "writing the certificate");
    PEM_write_X509(Out, Cert);
    std::fclose(Out);

    Ctx = SSL_CTX_new(TLS_server_method());
    Check(Ctx != nullptr && SSL_CTX_use_certificate(Ctx, Cert) == 1 &&
              SSL_CTX_use_PrivateKey(Ctx, Key) == 1,
          "TLS context");
    X509_free(Cert);
    EVP_PKEY_free(Key);
}

TTlsIdentity::~TTlsIdentity() {
    SSL_CTX_free(Ctx);
}

bool TPeer::Send(std::string_view Bytes) {
    while (!Bytes.empty()) {
        const ssize_t N = Tls != nullptr
                              ? SSL_write(Tls, Bytes.data(), static_cast<int>(Bytes.size()))
                              : ::send(Fd, Bytes.data(), Bytes.size(), MSG_NOSIGNAL);
        if (N <= 0 || Stop) return false;
        Bytes.remove_prefix(static_cast<size_t>(N));
    }
    return true;
}

std::string TPeer::ReadSome(std::chrono::milliseconds Wait) {
    if (Tls == nullptr || SSL_pending(Tls) == 0) {
        pollfd P{Fd, POLLIN, 0};
        if (::poll(&P, 1, static_cast<int>(Wait.count())) <= 0) return "";
    }
    std::array<char, 16 * 1024> Buffer;
    const ssize_t N = Tls != nullptr ? SSL_read(Tls, Buffer.data(), Buffer.size())
                                     : ::recv(Fd, Buffer.data(), Buffer.size(), 0);
    return N > 0 ? std::string(Buffer.data(), static_cast<size_t>(N)) : "";
}

void TPeer::Hold() {
    const auto Until = std::chrono::steady_clock::now() + 30s;
    while (!Stop && std::chrono::steady_clock::now() < Until) {
        pollfd P{Fd, POLLIN, 0};
        if (::poll(&P, 1, 50) > 0) {
            char C;
            if (::recv(Fd, &C, 1, MSG_PEEK) <= 0) return;  // closed by the client
            ReadSome(0ms);
        }
    }
}

TScriptedServer::TScriptedServer(TScript Script, const TTlsIdentity* Tls)
    : Script(std::move(Script)), Tls(Tls) {
    ::signal(SIGPIPE, SIG_IGN);  // a client that has gone must not end the test program
    Listener = BoundSocket(ListenPort);
    Check(::listen(Listener, 16) == 0, "listen");
    Thread = std::thread([this] { Serve(); });
}

TScriptedServer::~TScriptedServer() {
    Stop = true;
    Thread.join();
    ::close(Listener);
}

std::string TScriptedServer::Url(std::string_view Path) const {
    return (Tls != nullptr ? "https://127.0.0.1:" : "http://127.0.0.1:") +
           std::to_string(ListenPort) + std::string(Path);
}

std::vector<std::string> TScriptedServer::Requests() const {
    std::lock_guard<std::mutex> G(Lock);
    return Received;
}

void TScriptedServer::Serve() {
    while (!Stop) {
        pollfd P{Listener, POLLIN, 0};
        if (::poll(&P, 1, 50) <= 0) continue;
        const int Fd = ::accept4(Listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (Fd < 0) continue;
        SetTimeouts(Fd);
        Answer(Fd);
    }
}

void TScriptedServer::Answer(int Fd) {
    SSL* Ssl = nullptr;
    if (Tls != nullptr) {
        Ssl = SSL_new(Tls->Context());
        SSL_set_fd(Ssl, Fd);
        if (SSL_accept(Ssl) != 1) {  // e.g. a client that does not trust the certificate
            SSL_free(Ssl);
            ::close(Fd);
            return;
        }
    }
    TPeer Peer(Fd, Ssl, Stop);
    const auto Until = std::chrono::steady_clock::now() + 5s;
    while (Peer.Request.find("\r\n\r\n") == std::string::npos && Peer.Request.size() < 65536 &&
           std::chrono::steady_clock::now() < Until && !Stop) {
        Peer.Request += Peer.ReadSome(50ms);
    }
    {
        std::lock_guard<std::mutex> G(Lock);
        Received.push_back(Peer.Request);
    }
    try {
        Script(Peer);
    } catch (...) {
        // A script that failed ends its connection; the test sees what the client got.
    }
    if (Peer.ResetAtEnd) {
        const linger Abort{1, 0};
        ::setsockopt(Fd, SOL_SOCKET, SO_LINGER, &Abort, sizeof Abort);
    } else if (Ssl != nullptr) {
        SSL_shutdown(Ssl);
    }
    if (Ssl != nullptr) SSL_free(Ssl);
    ::close(Fd);
}

TScript ProxyScript() {
    return [](TPeer& Client) {
        const std::string& R = Client.Request;
        const size_t LineEnd = R.find("\r\n");
        const std::string First = R.substr(0, LineEnd);
        const size_t Sp1 = First.find(' '), Sp2 = First.rfind(' ');
        if (LineEnd == std::string::npos || Sp1 == Sp2) return;
        const std::string Method = First.substr(0, Sp1);
        const std::string Target = First.substr(Sp1 + 1, Sp2 - Sp1 - 1);
        if (Method == "CONNECT") {
            const int Up = ConnectLoopback(std::stoi(Target.substr(Target.rfind(':') + 1)));
            if (Up < 0) {
                Client.Send(Answer(502, ""));
                return;
            }
            Client.Send("HTTP/1.0 200 Connection established\r\n\r\n");
            Relay(Client.Socket(), Up, Client.StopFlag());
            ::close(Up);
            return;
        }
        // "http://127.0.0.1:PORT/path": the tests' servers are all on this machine.
        const size_t HostStart = Target.find("//") + 2;
        const size_t PathStart = Target.find('/', HostStart);
        const std::string Authority = Target.substr(HostStart, PathStart - HostStart);
        const size_t Colon = Authority.find(':');
        const int Port = Colon == std::string::npos ? 80 : std::stoi(Authority.substr(Colon + 1));
        const int Up = ConnectLoopback(Port);
        if (Up < 0) {
            Client.Send(Answer(502, "no server"));
            return;
        }
        std::string Forward = Method + " " +
                              (PathStart == std::string::npos ? "/" : Target.substr(PathStart)) +
                              First.substr(Sp2) + "\r\n";
        for (size_t Start = LineEnd + 2; Start < R.size();) {
            const size_t End = R.find("\r\n", Start);
            const std::string Line = R.substr(Start, End - Start + 2);
            if (!Line.starts_with("Proxy-Connection:")) Forward += Line;
            Start = End + 2;
        }
        ::send(Up, Forward.data(), Forward.size(), MSG_NOSIGNAL);
        Relay(Up, Client.Socket(), Client.StopFlag());
        ::close(Up);
    };
}

std::string Answer(int Status, std::string_view Body, std::string_view Headers) {
    const char* Reason = Status == 200   ? "OK"
                         : Status == 404 ? "Not Found"
                         : Status < 400  ? "Moved"
                                         : "Error";
    return "HTTP/1.1 " + std::to_string(Status) + " " + Reason + "\r\n" + std::string(Headers) +
           "\r\n" + std::string(Body);
}

TRefusingPort::TRefusingPort() {
    Fd = BoundSocket(Port);
}
TRefusingPort::~TRefusingPort() {
    ::close(Fd);
}

TUnansweredPort::TUnansweredPort() {
    Listener = BoundSocket(Port);
    Check(::listen(Listener, 0) == 0, "listen");
    // Fill the queue: connections the kernel completes but nobody accepts. Once it is full, the
    // opening packet of a new connection is dropped and the connection hangs.
    for (int i = 0; i < 4; ++i) {
        const int Fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        sockaddr_in A = LoopbackAddress(Port);
        ::connect(Fd, reinterpret_cast<sockaddr*>(&A), sizeof A);
        Fillers.push_back(Fd);
    }
    ::usleep(100'000);
}

TUnansweredPort::~TUnansweredPort() {
    for (int Fd : Fillers)
        ::close(Fd);
    ::close(Listener);
}

}  // namespace xvexo::testing
