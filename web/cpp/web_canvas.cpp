#include "web_canvas.h"

#include "web_pictures.h"

namespace xvexo::web {

namespace {

int32_t Word(TColour Colour) {
    return static_cast<int32_t>(Colour & 0xFFFFFFu);
}

}  // namespace

void TWebCanvas::Flush() {
    if (Words.empty()) return;
    Page.Replay(*this);
    Words.clear();
    Bytes.clear();
}

void TWebCanvas::Put(TCommand Command, std::initializer_list<int32_t> Arguments) {
    if (Held && Command >= TCommand::CopyRect) return;
    Words.push_back(static_cast<int32_t>(Command));
    Words.insert(Words.end(), Arguments);
    if (FlushEach) Flush();
}

std::pair<int32_t, int32_t> TWebCanvas::AddText(const std::string& Text) {
    const auto Offset = static_cast<int32_t>(Bytes.size());
    Bytes += Text;
    return {Offset, static_cast<int32_t>(Text.size())};
}

void TWebCanvas::SetClientSize(int Width, int Height) {
    Put(TCommand::ClientSize, {Width, Height});
}

void TWebCanvas::SetPen(TColour Colour, int Width) {
    Put(TCommand::Pen, {Word(Colour), Width});
}

void TWebCanvas::SetBrush(TColour Colour) {
    Put(TCommand::Brush, {Word(Colour)});
}

void TWebCanvas::SetClearBrush() {
    Put(TCommand::ClearBrush, {});
}

void TWebCanvas::SetTransparentText(bool On) {
    Put(TCommand::TransparentText, {On ? 1 : 0});
}

void TWebCanvas::SetFont(const std::string& Name, int Size, bool Bold) {
    FontName = Name;
    FontSize = Size;
    FontBold = Bold;
    const auto [Offset, Length] = AddText(Name);
    Put(TCommand::Font, {Offset, Length, Size, Bold ? 1 : 0});
}

void TWebCanvas::SetFontColour(TColour Colour) {
    Put(TCommand::FontColour, {Word(Colour)});
}

void TWebCanvas::SetCopyMode(TCopyMode Mode) {
    Put(TCommand::CopyMode, {static_cast<int32_t>(Mode)});
}

void TWebCanvas::CopyRect(int X, int Y, int W, int H, const TImage& Source, int SX, int SY) {
    // Every picture of the web build is one of the sheet's; anything else has no pixels here.
    const auto* Picture = dynamic_cast<const TWebPicture*>(&Source);
    if (Picture == nullptr) return;
    Put(TCommand::CopyRect, {X, Y, W, H, Picture->Id, SX, SY});
}

void TWebCanvas::Line(int X1, int Y1, int X2, int Y2) {
    Put(TCommand::Line, {X1, Y1, X2, Y2});
}

void TWebCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    Put(TCommand::Ellipse, {X1, Y1, X2, Y2});
}

void TWebCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    Put(TCommand::Rectangle, {X1, Y1, X2, Y2});
}

void TWebCanvas::FillRect(int X1, int Y1, int X2, int Y2) {
    Put(TCommand::FillRect, {X1, Y1, X2, Y2});
}

void TWebCanvas::TextOut(int X, int Y, const std::string& Text, TTextAlign Align) {
    if (Held) return;
    const auto [Offset, Length] = AddText(Text);
    Put(TCommand::TextOut, {X, Y, Offset, Length, static_cast<int32_t>(Align)});
}

int TWebCanvas::TextWidth(const std::string& Text) {
    return Page.Measure(FontName, FontSize, FontBold, Text, false);
}

int TWebCanvas::TextHeight(const std::string& Text) {
    return Page.Measure(FontName, FontSize, FontBold, Text, true);
}

void TWebCanvas::SetPixel(int X, int Y, TColour Colour) {
    Put(TCommand::Pixel, {X, Y, Word(Colour)});
}

void TWebCanvas::EraseBackground(int X1, int Y1, int X2, int Y2) {
    Put(TCommand::Fill, {X1, Y1, X2, Y2, Word(Background)});
}

}  // namespace xvexo::web
