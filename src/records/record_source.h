#pragma once
// Reading the bytes of a record from its address: a local path or a file:// address. Shared by
// the viewer's getFile and the command-line tool, so both fail with the same texts.
//
// Paths are bytes from end to end: a file name that is no valid UTF-8 opens as any other.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/wait_hook.h"

namespace xvexo {

// The bound of a record read from anywhere: no record is this large, and memory stays safe.
constexpr std::uintmax_t kMaxRecordBytes = std::uintmax_t{64} << 20;

// The limits of reading a pipe, a socket or a device (a regular file has only the size bound).
struct TSourceLimits {
    // The longest time such a source may stay silent before the read fails with "Timed out".
    std::chrono::milliseconds Silence{30'000};
    // The largest record; one byte more fails with "Record too large".
    std::uintmax_t MaxBytes = kMaxRecordBytes;
};

// What an address names on this machine.
struct TLocalAddress {
    std::string Path;   // the local path, as bytes
    std::string Error;  // why the address names no local file; empty when Path holds
};

// The scheme Address begins with: a letter, then letters, digits, "+", "-" or ".", up to the
// first ":" ("ftp" of "ftp://host/x", "javascript" of "javascript:..."); empty when it has none.
std::string_view SchemeOfAddress(std::string_view Address);

// The local path of Address. A file:// address has an empty host or "localhost" (in any case),
// then its path, with %XX decoded to the byte XX. An address that begins with another scheme is
// no path (a local file of such a name opens as "./NAME"). Anything else is a path as it stands.
// Errors: "Empty URL" (no address, or file:// without a path), "Cannot open ADDRESS: not a local
// file" (another host), "Cannot open ADDRESS: the address holds a NUL byte", "Cannot open
// ADDRESS: the scheme "SCHEME" is not supported" (SCHEME in lower case), "Cannot open ADDRESS:
// no "//" after the scheme" (file:, http: or https: without it).
TLocalAddress LocalPathOfAddress(std::string_view Address);

// The format an address chooses: for http(s), FormatForAddress; for a local address, the name
// of its decoded path (FormatForFileName), so "SAMPLE%2ENGF" is NGF and the text read is always
// the one the format was chosen for.
int32_t FormatOfAddress(std::string_view Address);

// Whether Address is downloaded rather than read from disk: it begins with "http://" or
// "https://", the scheme in any letter case.
bool IsNetworkAddress(std::string_view Address);

// ADDRESS or PATH as it appears in a message: bytes below 0x20 and 0x7F shown as "?", and cut
// after 1024 bytes with "...", so a hostile address cannot flood a message box or a terminal.
std::string AddressForMessage(std::string_view Address);

// Reads the record at Address into Body (left unchanged on failure). A regular file is read up to
// Limits.MaxBytes. A FIFO, a socket or a character device is opened without blocking and read as
// a download is: Hook is pumped while it waits, and the read fails when no byte arrives for
// Limits.Silence. False with Error set on failure: the errors of LocalPathOfAddress, "Network
// addresses are not supported in this build" for http(s), "Cannot open PATH: it is a directory",
// "Cannot open PATH: REASON", "Cannot read PATH: REASON", "Record too large", "Timed out",
// "Cancelled" (Hook asked to give up).
bool ReadRecordSource(const std::string& Address, std::string& Body, std::string& Error,
                      TWaitHook& Hook, const TSourceLimits& Limits = {});
// The same, for a program without an event loop (TNoWaitHook) and with the default limits.
bool ReadRecordSource(const std::string& Address, std::string& Body, std::string& Error);

}  // namespace xvexo
