#include "support/recording_canvas.h"

#include <cstdio>

namespace xvexo::testing {

namespace {

std::string Ints(std::initializer_list<int> Values) {
    std::string S;
    for (int V : Values) {
        if (!S.empty()) S += ',';
        S += std::to_string(V);
    }
    return S;
}

int CodePoints(const std::string& Text) {
    int N = 0;
    for (unsigned char C : Text) {
        if ((C & 0xC0) != 0x80) ++N;
    }
    return N;
}

}  // namespace

std::string Hex(TColour C) {
    char Buf[8];
    std::snprintf(Buf, sizeof Buf, "%06X", C & 0xFFFFFFu);
    return Buf;
}

int FakeTextWidth(const std::string& Text, int Size) {
    return CodePoints(Text) * ((Size * 2 + 2) / 3);
}

int FakeTextHeight(int Size) {
    return Size * 4 / 3 + 2;
}

std::vector<std::string> TRecordingCanvas::CallsStartingWith(const std::string& Prefix) const {
    std::vector<std::string> Out;
    for (const auto& C : Calls) {
        if (C.rfind(Prefix, 0) == 0) Out.push_back(C);
    }
    return Out;
}

bool TRecordingCanvas::Has(const std::string& Call) const {
    for (const auto& C : Calls) {
        if (C == Call) return true;
    }
    return false;
}

void TRecordingCanvas::SetClientSize(int Width, int Height) {
    ClientWidth = Width;
    ClientHeight = Height;
    Calls.push_back("SetClientSize(" + Ints({Width, Height}) + ")");
}

void TRecordingCanvas::SetPen(TColour Colour, int Width) {
    Calls.push_back("SetPen(" + Hex(Colour) + "," + std::to_string(Width) + ")");
}

void TRecordingCanvas::SetBrush(TColour Colour) {
    Calls.push_back("SetBrush(" + Hex(Colour) + ")");
}

void TRecordingCanvas::SetClearBrush() {
    Calls.push_back("SetClearBrush()");
}

void TRecordingCanvas::SetTransparentText(bool On) {
    Calls.push_back(std::string("SetTransparentText(") + (On ? "1" : "0") + ")");
}

void TRecordingCanvas::SetFont(const std::string& Name, int Size, bool Bold) {
    FontSize = Size;
    Calls.push_back("SetFont(" + Name + "," + std::to_string(Size) + "," + (Bold ? "1" : "0") +
                    ")");
}

void TRecordingCanvas::SetFontColour(TColour Colour) {
    Calls.push_back("SetFontColour(" + Hex(Colour) + ")");
}

void TRecordingCanvas::SetCopyMode(TCopyMode Mode) {
    const char* Names[] = {"Copy", "And", "Or"};
    Calls.push_back(std::string("SetCopyMode(") + Names[static_cast<int>(Mode)] + ")");
}

void TRecordingCanvas::CopyRect(int X, int Y, int W, int H, const TImage& Source, int SX, int SY) {
    const auto* R = dynamic_cast<const TRecordedImage*>(&Source);
    Calls.push_back("CopyRect(" + Ints({X, Y, W, H}) + "," + (R ? R->Name : "?") + "," +
                    Ints({SX, SY}) + ")");
}

void TRecordingCanvas::Line(int X1, int Y1, int X2, int Y2) {
    Calls.push_back("Line(" + Ints({X1, Y1, X2, Y2}) + ")");
}

void TRecordingCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    Calls.push_back("Ellipse(" + Ints({X1, Y1, X2, Y2}) + ")");
}

void TRecordingCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    Calls.push_back("Rectangle(" + Ints({X1, Y1, X2, Y2}) + ")");
}

void TRecordingCanvas::FillRect(int X1, int Y1, int X2, int Y2) {
    Calls.push_back("FillRect(" + Ints({X1, Y1, X2, Y2}) + ")");
}

void TRecordingCanvas::TextOut(int X, int Y, const std::string& Text, TTextAlign Align) {
    Calls.push_back("TextOut(" + Ints({X, Y}) + "," + Text +
                    (Align == TTextAlign::TopLeft ? "" : ",aligned") + ")");
}

int TRecordingCanvas::TextWidth(const std::string& Text) {
    Calls.push_back("TextWidth(" + Text + ")");
    return FakeTextWidth(Text, FontSize);
}

int TRecordingCanvas::TextHeight(const std::string& Text) {
    Calls.push_back("TextHeight(" + Text + ")");
    return FakeTextHeight(FontSize);
}

void TRecordingCanvas::SetPixel(int X, int Y, TColour Colour) {
    Calls.push_back("SetPixel(" + Ints({X, Y}) + "," + Hex(Colour) + ")");
}

void TRecordingCanvas::EraseBackground(int X1, int Y1, int X2, int Y2) {
    Calls.push_back("EraseBackground(" + Ints({X1, Y1, X2, Y2}) + ")");
}

std::unique_ptr<TImage> TRecordingImageSource::Load(const std::string& Name) {
    Loaded.push_back(Name);
    size_t I = 0;
    while (I < Name.size() && (Name[I] < '0' || Name[I] > '9'))
        ++I;
    const int N = I < Name.size() ? std::stoi(Name.substr(I)) : 1;
    return std::make_unique<TRecordedImage>(Name, N, N);
}

}  // namespace xvexo::testing
