#pragma once
// A small writer of JSON text: objects, arrays, integers, booleans, null and strings, with
// exact escaping. Strings are given as UTF-8.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace xvexo::cli {

// Appends S as a JSON string literal: quote, backslash and control characters escaped,
// everything else copied.
void AppendJsonString(std::string& Out, std::string_view Utf8);

// Each byte as the code point of the same value (0x80..0xFF become U+0080..U+00FF), so the
// bytes can be recovered exactly.
std::string BytesAsCodePoints(std::string_view Bytes);

// Builds one JSON value; keys and elements are separated automatically. Nested containers
// stay on one line; the members of the outermost container stand one to a line.
class TJsonWriter {
  public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view Name);
    void Int(int64_t V);
    void Bool(bool V);
    void Null();
    void String(std::string_view Utf8);

    // Room for Bytes of text, so that a large value is built without copying it as it grows.
    void Reserve(size_t Bytes) { Out.reserve(Bytes); }
    // The text written, moved out; the writer is left empty.
    std::string TakeText() { return std::move(Out); }

  private:
    void BeforeValue();
    void Open(char C);
    void Close(char C);

    std::string Out;
    int Depth = 0;
    bool First = true;      // no element yet in the current container
    bool AfterKey = false;  // a key was written and awaits its value
};

}  // namespace xvexo::cli
