#include "json_writer.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace xvexo::cli {

namespace {

// Quote, backslash and the control characters: the bytes a JSON string cannot hold as they are.
bool NeedsEscape(char C) {
    return C == '"' || C == '\\' || static_cast<unsigned char>(C) < 0x20;
}

void AppendEscaped(std::string& Out, char C) {
    switch (C) {
        case '"':
            Out += "\\\"";
            break;
        case '\\':
            Out += "\\\\";
            break;
        case '\b':
            Out += "\\b";
            break;
        case '\f':
            Out += "\\f";
            break;
        case '\n':
            Out += "\\n";
            break;
        case '\r':
            Out += "\\r";
            break;
        case '\t':
            Out += "\\t";
            break;
        default: {
            char Hex[8];
            std::snprintf(Hex, sizeof Hex, "\\u%04x", static_cast<unsigned>(C));
            Out += Hex;
        }
    }
}

constexpr uint64_t kOnes = 0x0101010101010101u;
constexpr uint64_t kHighBits = 0x8080808080808080u;

// True when one of the eight bytes of Word is below 0x20, a quote or a backslash. The high bits
// of (X - N * kOnes) & ~X are all clear exactly when no byte of X is below N (N <= 0x80); a
// quote or a backslash is a zero byte of Word xor that byte repeated.
bool AnyNeedsEscape(uint64_t Word) {
    const auto Below = [](uint64_t X, uint64_t N) { return (X - N * kOnes) & ~X & kHighBits; };
    return (Below(Word, 0x20) | Below(Word ^ ('"' * kOnes), 1) | Below(Word ^ ('\\' * kOnes), 1)) !=
           0;
}

// The first byte of [P, End) that needs escaping, End when none: eight bytes at a time through
// the long runs of ordinary text.
const char* FindEscape(const char* P, const char* End) {
    while (End - P >= 8) {
        uint64_t Word;
        std::memcpy(&Word, P, sizeof Word);
        if (AnyNeedsEscape(Word)) break;
        P += 8;
    }
    while (P != End && !NeedsEscape(*P))
        ++P;
    return P;
}

}  // namespace

void AppendJsonString(std::string& Out, std::string_view Utf8) {
    Out += '"';
    // The bytes between two that need escaping are copied as one run.
    const char* P = Utf8.data();
    const char* const End = P + Utf8.size();
    while (P != End) {
        const char* const Run = P;
        P = FindEscape(P, End);
        Out.append(Run, P);
        if (P == End) break;
        AppendEscaped(Out, *P++);
    }
    Out += '"';
}

std::string BytesAsCodePoints(std::string_view Bytes) {
    std::string Out;
    Out.reserve(Bytes.size() * 2);
    // Runs of ASCII are copied whole; each byte above stands for its two-byte sequence.
    const char* P = Bytes.data();
    const char* const End = P + Bytes.size();
    while (P != End) {
        const char* const Run = P;
        while (P != End && static_cast<unsigned char>(*P) < 0x80)
            ++P;
        Out.append(Run, P);
        if (P == End) break;
        const auto B = static_cast<unsigned char>(*P++);
        const char Pair[2] = {static_cast<char>(0xC0 | (B >> 6)),
                              static_cast<char>(0x80 | (B & 0x3F))};
        Out.append(Pair, 2);
    }
    return Out;
}

void TJsonWriter::BeforeValue() {
    if (AfterKey) {
        AfterKey = false;
        return;
    }
    if (Depth == 0) return;
    if (!First)
        Out += Depth == 1 ? ",\n  " : ", ";
    else if (Depth == 1)
        Out += "\n  ";
    First = false;
}

void TJsonWriter::Open(char C) {
    BeforeValue();
    Out += C;
    ++Depth;
    First = true;
}

void TJsonWriter::Close(char C) {
    if (Depth == 1 && !First) Out += '\n';
    --Depth;
    Out += C;
    First = false;
    if (Depth == 0) Out += '\n';
}

void TJsonWriter::BeginObject() {
    Open('{');
}
void TJsonWriter::EndObject() {
    Close('}');
}
void TJsonWriter::BeginArray() {
    Open('[');
}
void TJsonWriter::EndArray() {
    Close(']');
}

void TJsonWriter::Key(std::string_view Name) {
    BeforeValue();
    AppendJsonString(Out, Name);
    Out += ": ";
    AfterKey = true;
}

void TJsonWriter::Int(int64_t V) {
    BeforeValue();
    Out += std::to_string(V);
}

void TJsonWriter::Bool(bool V) {
    BeforeValue();
    Out += V ? "true" : "false";
}

void TJsonWriter::Null() {
    BeforeValue();
    Out += "null";
}

void TJsonWriter::String(std::string_view Utf8) {
    BeforeValue();
    AppendJsonString(Out, Utf8);
}

}  // namespace xvexo::cli
