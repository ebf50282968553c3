#include "json_writer.h"

#include <cstdio>

namespace xvexo::cli {

void AppendJsonString(std::string& Out, std::string_view Utf8) {
    Out += '"';
    for (char C : Utf8) {
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
            default:
                if (static_cast<unsigned char>(C) < 0x20) {
                    char Hex[8];
                    std::snprintf(Hex, sizeof Hex, "\\u%04x", static_cast<unsigned>(C));
                    Out += Hex;
                } else {
                    Out += C;
                }
        }
    }
    Out += '"';
}

std::string BytesAsCodePoints(std::string_view Bytes) {
    std::string Out;
    Out.reserve(Bytes.size() * 2);
    for (char C : Bytes) {
        const auto B = static_cast<unsigned char>(C);
        if (B < 0x80) {
            Out += C;
        } else {
            Out += static_cast<char>(0xC0 | (B >> 6));
            Out += static_cast<char>(0x80 | (B & 0x3F));
        }
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
