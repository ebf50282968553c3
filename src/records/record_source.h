#pragma once
// Reading the bytes of a record from its address: a local path or a file:// address. Shared by
// the viewer's getFile and the command-line tool, so both fail with the same texts.

#include <cstdint>
#include <string>

namespace xvexo {

// The bound of a record read from anywhere: no record is this large, and memory stays safe.
constexpr std::uintmax_t kMaxRecordBytes = std::uintmax_t{64} << 20;

// The local path of a file:// address (host "localhost" or none; %XX decoded), or Address
// itself when it is no file:// address.
std::string LocalPathOfAddress(const std::string& Address);

// Reads the record at Address into Body. False with Error set on failure: "Empty URL",
// "Network addresses are not supported in this build" for http(s), "Cannot open PATH: it is a
// directory", "Cannot open PATH: <reason>", "Record too large" (over kMaxRecordBytes, also for
// a device without end, read in pieces), "Cannot read PATH".
bool ReadRecordSource(const std::string& Address, std::string& Body, std::string& Error);

}  // namespace xvexo
