#include "support/recording_surface.h"

#include <cstdio>
#include <cstdlib>

namespace xvexo::testing {

namespace {

std::string Hex(TPrintColour C) {
    char Buf[8];
    std::snprintf(Buf, sizeof Buf, "%06X", C & 0xFFFFFFu);
    return Buf;
}

const char* AlignName(THorzAlign H, TVertAlign V) {
    static const char* const kNames[3][2] = {{"LT", "LB"}, {"CT", "CB"}, {"RT", "RB"}};
    return kNames[static_cast<int>(H)][static_cast<int>(V)];
}

}  // namespace

std::string Describe(const TPrintRect& R) {
    return std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) +
           "," + std::to_string(R.Bottom);
}

std::string Describe(const TPrintPen& P) {
    switch (P.Style) {
        case TPenStyle::Null:
            return "null";
        case TPenStyle::InsideFrame:
            return "inside" + std::to_string(P.Width) + ":" + Hex(P.Colour);
        case TPenStyle::Solid:
            break;
    }
    return "solid" + std::to_string(P.Width) + ":" + Hex(P.Colour);
}

std::string Describe(const TPrintFont& F) {
    std::string S = F.Face + "/" + std::to_string(F.Height) + "/" + std::to_string(F.Width);
    if (F.Bold) S += "/B";
    if (F.Italic) S += "/I";
    if (F.Underline) S += "/U";
    if (F.StrikeOut) S += "/S";
    return S;
}

int FakeCellHeight(const TPrintFont& Font) {
    return Font.Height >= 0 ? Font.Height : std::abs(Font.Height) * 5 / 4;
}

std::vector<std::string> TRecordedPage::TextStrings() const {
    std::vector<std::string> Out;
    for (const auto& T : Texts)
        Out.push_back(T.Text);
    return Out;
}

const TRecordedText* TRecordedPage::FindText(const std::string& Prefix) const {
    for (const auto& T : Texts) {
        if (T.Text.rfind(Prefix, 0) == 0) return &T;
    }
    return nullptr;
}

void TRecordingSurface::Clear() {
    Calls.clear();
    Pages.clear();
    PageOpen = false;
}

std::vector<std::string> TRecordingSurface::CallsStartingWith(const std::string& Prefix) const {
    std::vector<std::string> Out;
    for (const auto& C : Calls) {
        if (C.rfind(Prefix, 0) == 0) Out.push_back(C);
    }
    return Out;
}

TRecordedPage& TRecordingSurface::Page() {
    if (!PageOpen) {
        Pages.emplace_back();
        PageOpen = true;
    }
    return Pages.back();
}

void TRecordingSurface::SetJobTitle(const std::string& Title) {
    JobTitle = Title;
    Calls.push_back("SetJobTitle(" + Title + ")");
}

void TRecordingSurface::StartDocument() {
    ++Documents;
    PageOpen = false;
    Calls.push_back("StartDocument");
}

void TRecordingSurface::NewPage() {
    Page();
    PageOpen = false;
    Calls.push_back("NewPage");
}

void TRecordingSurface::EndDocument() {
    ++EndedDocuments;
    PageOpen = false;
    Calls.push_back("EndDocument");
}

TPrintPen TRecordingSurface::SelectPen(const TPrintPen& P) {
    const TPrintPen Old = Pen;
    Pen = P;
    Calls.push_back("SelectPen(" + Describe(P) + ")");
    return Old;
}

TPrintBrush TRecordingSurface::SelectBrush(const TPrintBrush& B) {
    const TPrintBrush Old = Brush;
    Brush = B;
    Calls.push_back("SelectBrush(" + Hex(B.Colour) + ")");
    return Old;
}

TPrintFont TRecordingSurface::SelectFont(const TPrintFont& F) {
    const TPrintFont Old = Font;
    Font = F;
    Calls.push_back("SelectFont(" + Describe(F) + ")");
    return Old;
}

void TRecordingSurface::SetTextColour(TPrintColour C) {
    TextColour = C;
    Calls.push_back("SetTextColour(" + Hex(C) + ")");
}

void TRecordingSurface::SetTransparentText(bool On) {
    Transparent = On;
    Calls.push_back(On ? "SetTransparentText(1)" : "SetTransparentText(0)");
}

void TRecordingSurface::SetTextAlign(THorzAlign H, TVertAlign V) {
    Horz = H;
    Vert = V;
    Calls.push_back(std::string("SetTextAlign(") + AlignName(H, V) + ")");
}

void TRecordingSurface::FillRect(const TPrintRect& R, TPrintColour C) {
    Page().Fills.push_back({R, C});
    Calls.push_back("FillRect(" + Describe(R) + "," + Hex(C) + ")");
}

void TRecordingSurface::Ellipse(const TPrintRect& B) {
    Page().Ellipses.push_back({B, Pen, Brush});
    Calls.push_back("Ellipse(" + Describe(B) + "," + Describe(Pen) + "," + Hex(Brush.Colour) + ")");
}

void TRecordingSurface::TextOut(int X, int Y, const std::string& Text) {
    Page().Texts.push_back({X, Y, Text, Font, TextColour, Horz, Vert, Transparent});
    Calls.push_back("TextOut(" + std::to_string(X) + "," + std::to_string(Y) + "," + Text + "," +
                    Describe(Font) + "," + Hex(TextColour) + "," + AlignName(Horz, Vert) + ")");
}

int TRecordingSurface::TextHeight(const std::string&) {
    return FakeCellHeight(Font);
}

}  // namespace xvexo::testing
