// The view options: the coordinates the painter labels the board with, the letters of other
// lines of play, the texts of the models through a translator, and the settings that keep the
// language and the coordinates.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "display/image_set_chooser.h"
#include "display/interface_text.h"
#include "display/main_view_model.h"
#include "display/reference_window_model.h"
#include "display/view_options.h"
#include "printing/print_dialog_model.h"
#include "records/diagram_link.h"
#include "records/record_loader.h"
#include "support/memory_registry.h"
#include "support/record_text.h"
#include "support/recording_canvas.h"

namespace xvexo {
namespace {

using testing::TagRecord;
using testing::TMemoryRegistry;
using testing::TRecordedImage;
using testing::TRecordingCanvas;
using testing::TRecordingImageSource;

struct TNoTimer : TPlayTimer {
    void Start(int32_t) override {}
    void Stop() override {}
    void SetInterval(int32_t) override {}
};
struct TNoSound : TClickPlayer {
    void PlayClick() override {}
};

// A few texts in English, the rest as written; what was asked is counted by context.
struct TTestTranslator : TTranslator {
    std::map<std::string, std::string, std::less<>> Texts = {
        {"参考图 %1-%2", "Diagram %1-%2"},
        {"黑弃手", "Black passed"},
        {"结果 : ", "Result: "},
        {"%1手 参考图", "Diagram after move %1"},
        {"研讨", "Study"},
        {"结束", "End"},
        {"弃手", "Pass"},
        {"显示", "Letters"},
        {"共 %1 手", "%1 moves"}};
    mutable std::map<std::string, int, std::less<>> Contexts;
    std::string Translate(std::string_view Context, std::string_view Source) const override {
        ++Contexts[std::string(Context)];
        const auto It = Texts.find(Source);
        return It == Texts.end() ? std::string(Source) : It->second;
    }
};

struct TPainterRig {
    TRecordingCanvas Canvas;
    TRecordedImage Base{"baseb", 65, 243};
    TRecordedImage Edge{"bedge", 9, 12};
    TRecordingImageSource Source;
    TKelGoPB Painter{Canvas, Base, Edge};

    void Size(int Lines, int Cell) {
        Painter.SetLines(Lines);
        LoadImageSet(Painter, Source, Lines * Cell);
        Canvas.Clear();
    }
    // The label texts in the order drawn (row, column, row, column …), without the padding.
    std::vector<std::string> Labels() const {
        std::vector<std::string> Out;
        for (const std::string& Call : Canvas.CallsStartingWith("TextOut(")) {
            std::string Text = Call.substr(Call.find(',', Call.find(',') + 1) + 1);
            Text.pop_back();
            if (Text.front() == ' ') Text.erase(0, 1);
            Out.push_back(Text);
        }
        return Out;
    }
};

// --- coordinates ------------------------------------------------------------------------------

TEST(Coordinates, LabelsOfEachStyle) {
    // Standard columns leave I out; standard rows count from the bottom; off the board: none.
    const struct {
        TCoordinates Style;
        int32_t Point, Lines;
        std::string Column, Row;
    } Cases[] = {
        {TCoordinates::Designed, 1, 19, "A", "1"},   {TCoordinates::Designed, 9, 19, "I", "9"},
        {TCoordinates::Designed, 19, 19, "S", "19"}, {TCoordinates::Standard, 1, 19, "A", "19"},
        {TCoordinates::Standard, 8, 19, "H", "12"},  {TCoordinates::Standard, 9, 19, "J", "11"},
        {TCoordinates::Standard, 19, 19, "T", "1"},  {TCoordinates::Standard, 4, 9, "D", "6"},
        {TCoordinates::Standard, 9, 9, "J", "1"},    {TCoordinates::None, 4, 19, "", ""},
        {TCoordinates::Standard, 0, 19, "", ""},     {TCoordinates::Standard, 20, 19, "", ""},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(ColumnLabel(C.Style, C.Point), C.Column) << C.Point;
        EXPECT_EQ(RowLabel(C.Style, C.Point, C.Lines), C.Row) << C.Point << "/" << C.Lines;
    }
}

TEST(Coordinates, ThePainterDrawsTheStyleItIsGivenInTheSamePlaces) {
    TPainterRig Rig;
    Rig.Size(9, 30);
    Rig.Painter.Redraw();
    const std::vector<std::string> Designed = Rig.Canvas.CallsStartingWith("TextOut(");
    ASSERT_EQ(Designed.size(), 18u);
    Rig.Canvas.Clear();
    // A new style repaints the board at once, labels in the same places.
    Rig.Painter.SetCoordinates(TCoordinates::Standard);
    EXPECT_FALSE(Rig.Canvas.CallsStartingWith("CopyRect(").empty());
    const std::vector<std::string> Standard = Rig.Canvas.CallsStartingWith("TextOut(");
    ASSERT_EQ(Standard.size(), 18u);
    for (size_t i = 0; i < Standard.size(); ++i)
        EXPECT_EQ(Standard[i].substr(0, 14), Designed[i].substr(0, 14)) << i;
    EXPECT_EQ(Rig.Labels(),
              (std::vector<std::string>{"9", "A", "8", "B", "7", "C", "6", "D", "5", "E", "4", "F",
                                        "3", "G", "2", "H", "1", "J"}));
    // The same style again draws nothing; none draws the board without a label.
    Rig.Canvas.Clear();
    Rig.Painter.SetCoordinates(TCoordinates::Standard);
    EXPECT_TRUE(Rig.Canvas.Calls.empty());
    Rig.Painter.SetCoordinates(TCoordinates::None);
    EXPECT_FALSE(Rig.Canvas.CallsStartingWith("CopyRect(").empty());
    EXPECT_TRUE(Rig.Canvas.CallsStartingWith("TextOut(").empty());

    Rig.Size(19, 20);
    Rig.Painter.SetCoordinates(TCoordinates::Standard);
    Rig.Canvas.Clear();
    Rig.Painter.Redraw();
    const std::vector<std::string> Big = Rig.Labels();
    ASSERT_EQ(Big.size(), 38u);
    EXPECT_EQ(Big.front(), "19");
    EXPECT_EQ(Big[17], "J");
    EXPECT_EQ(Big[36], "1");
    EXPECT_EQ(Big[37], "T");
}

// --- variation letters ------------------------------------------------------------------------

TEST(VariationLetters, DrawnOnTheirPointsUnderTheRecordsMarks) {
    TPainterRig Rig;
    Rig.Size(19, 24);
    TKelGoPB::TValueGrid Letters{};
    Letters[3][3] = 1;   // D4: a
    Letters[3][4] = 2;   // E4: b
    Letters[5][5] = 27;  // out of range: none
    Letters[6][6] = -1;
    Rig.Painter.DrawValue(5, 4, false, 7);  // a value code under b
    Rig.Canvas.Clear();
    Rig.Painter.LoadVariations(Letters);
    EXPECT_EQ(Rig.Painter.Variation(4, 4), 1);
    EXPECT_EQ(Rig.Painter.Variation(6, 6), 0);
    EXPECT_EQ(Rig.Painter.Variation(7, 7), 0);
    EXPECT_EQ(Rig.Labels(), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(Rig.Canvas.Has("SetFontColour(B22222)"));
    // A mark of the record wins over the letter; the letter comes back when it goes.
    Rig.Canvas.Clear();
    Rig.Painter.SetMark(4, 4, kValueTriangle);
    EXPECT_TRUE(Rig.Labels().empty());
    Rig.Canvas.Clear();
    Rig.Painter.SetMark(4, 4, 0);
    EXPECT_EQ(Rig.Labels(), std::vector<std::string>{"a"});
    // Letters cleared: the value code under b shows again; a new position clears them too.
    Rig.Canvas.Clear();
    Rig.Painter.ClearVariations();
    EXPECT_EQ(Rig.Labels(), (std::vector<std::string>{"7"}));
    Rig.Painter.LoadVariations(Letters);
    Rig.Painter.LoadPosition({});
    EXPECT_EQ(Rig.Painter.Variation(4, 4), 0);
}

// A standard SGF game: after move 2 two other lines leave (at D4 and C3, the second with a
// pass first in a line of its own), one line leaves after move 3.
constexpr const char* kVariations =
    "(;GM[1]FF[4]SZ[9];B[ee];W[cc]"
    "(;B[gc];W[gg](;B[ff])(;B[dd]))"
    "(;B[df];W[gg])(;B[cg])(;B[];W[aa]))";

TEST(VariationLetters, WhichDiagramsQualify) {
    TGameRecord Record;
    ASSERT_FALSE(LoadRecordText(Record, kVariations, kFormatSgf).Failed());
    TNumberGrid Letters{};
    ASSERT_TRUE(VariationLetters(Record, 2, Letters));
    // D3 (row 6 of 9) and C7: the second and third lines of move 3; the pass line has none.
    EXPECT_EQ(Letters[5][3], 1);
    EXPECT_EQ(Letters[6][2], 2);
    int Count = 0;
    for (const auto& Row : Letters)
        for (int32_t L : Row)
            Count += L != 0;
    EXPECT_EQ(Count, 2);
    ASSERT_TRUE(VariationLetters(Record, 4, Letters));
    EXPECT_EQ(Letters[3][3], 1);
    EXPECT_FALSE(VariationLetters(Record, 3, Letters));

    // A tag record's diagram (the game's moves, then its own, from the move PT names on)
    // qualifies only when it starts at the next move.
    TGameRecord Tag;
    ASSERT_FALSE(LoadRecordText(Tag,
                                TagRecord(4, "EV[x]", 2,
                                          "(RN[a]PT[3];B[aa];W[bb];B[jj])(RN[b]PT[2];B[aa];W[kk])"
                                          "(RN[c]PT[3];B[aa];W[bb];B[ll])"),
                                kFormatTag)
                     .Failed());
    ASSERT_TRUE(VariationLetters(Tag, 2, Letters));
    EXPECT_EQ(Letters[9][9], 1);
    EXPECT_EQ(Letters[10][10], 0);
    EXPECT_EQ(Letters[11][11], 3);  // the letter of its link, 参考图 2-3
}

struct TModelRig {
    TRecordingCanvas Box;
    TRecordingImageSource Images;
    TRecordedImage Base{"baseb", 65, 243};
    TRecordedImage BEdge{"bedge", 9, 12};
    TRecordedImage GEdge{"gedge", 10, 12};
    TNoTimer Timer;
    TNoSound Sound;
    TXVexoViewModel Model{Box, Images, Base, BEdge, GEdge, Timer, Sound};
    std::vector<std::string> Opened;

    TModelRig() {
        Model.OnOpenReference = [this](const TPosition&, const std::string& Code) {
            Opened.push_back(Code);
        };
        Model.pBaseResize(533, 497);
    }
    void Load(const std::string& Text, int32_t Format) {
        std::string Error;
        ASSERT_TRUE(Model.LoadText(Text, Format, &Error)) << Error;
    }
};

TEST(VariationLetters, TheModelLettersThePositionShownAndALetterOpensItsLine) {
    TModelRig Rig;
    Rig.Load(kVariations, kFormatSgf);
    const TKelGoPB& P = Rig.Model.painter();
    EXPECT_EQ(P.Variation(4, 6), 0);  // the start: no line leaves here
    Rig.Model.ArrowClick(TXVexoViewModel::kForwardOne);
    Rig.Model.ArrowClick(TXVexoViewModel::kForwardOne);
    ASSERT_EQ(Rig.Model.board().MoveIndex(), 2);
    EXPECT_EQ(P.Variation(4, 6), 1);
    EXPECT_EQ(P.Variation(3, 7), 2);
    // A click on a letter opens its diagram, as the link 参考图 2-2 does, and steps nowhere.
    Rig.Model.BoardClick(TMouseButton::Left, 3, 7);
    Rig.Model.OpenDiagram(2);
    ASSERT_EQ(Rig.Opened.size(), 2u);
    EXPECT_EQ(Rig.Opened[0], Rig.Opened[1]);
    EXPECT_EQ(Rig.Model.board().MoveIndex(), 2);
    // A right click there steps back; the letters go with the position.
    Rig.Model.BoardClick(TMouseButton::Right, 3, 7);
    EXPECT_EQ(P.Variation(3, 7), 0);
    Rig.Model.ArrowClick(TXVexoViewModel::kForwardOne);
    // Trial play shows none, and a click there plays a stone.
    Rig.Model.testBtnClick();
    EXPECT_EQ(P.Variation(4, 6), 0);
    Rig.Model.BoardClick(TMouseButton::Left, 4, 6);
    EXPECT_EQ(P.Stone(4, 6), 1);
    EXPECT_EQ(Rig.Opened.size(), 2u);
    Rig.Model.testEndBtnClick();
    EXPECT_EQ(P.Variation(4, 6), 1);
    EXPECT_EQ(P.Stone(4, 6), 0);
}

// --- coordinates of the model -----------------------------------------------------------------

TEST(Coordinates, EachFormatHasItsOwnUntilTheUserChooses) {
    TModelRig Rig;
    const std::string Tag = TagRecord(3, "EV[x]", 0, "");
    EXPECT_EQ(Rig.Model.coordinates(), TCoordinates::Designed);  // the empty board
    Rig.Load(kVariations, kFormatSgf);
    EXPECT_EQ(Rig.Model.coordinates(), TCoordinates::Standard);
    Rig.Load(Tag, kFormatTag);
    EXPECT_EQ(Rig.Model.coordinates(), TCoordinates::Designed);
    // A choice holds for every record after it, whatever its format.
    Rig.Model.SetCoordinatesChoice(TCoordinates::None);
    EXPECT_EQ(Rig.Model.coordinates(), TCoordinates::None);
    Rig.Load(kVariations, kFormatSgf);
    EXPECT_EQ(Rig.Model.coordinates(), TCoordinates::None);
    Rig.Model.SetCoordinatesChoice(TCoordinates::Designed);
    EXPECT_EQ(Rig.Model.coordinates(), TCoordinates::Designed);
    // No choice again: the record's format decides.
    Rig.Model.SetCoordinatesChoice(std::nullopt);
    EXPECT_EQ(Rig.Model.coordinates(), TCoordinates::Standard);
}

struct TReferenceRig {
    TRecordingCanvas Box;
    TRecordingImageSource Images;
    TRecordedImage Base{"baseb", 65, 243};
    TRecordedImage BEdge{"bedge", 9, 12};
    TRecordedImage GEdge{"gedge", 10, 12};
    TCHelpFormModel Model{Box, Images, Base, BEdge, GEdge};
};

TEST(Coordinates, TheReferenceWindowHasLabelsForStandardOnly) {
    TReferenceRig Rig;
    Rig.Model.FormCreate();
    auto Snapshot = std::make_unique<TPosition>();
    InitPosition(19, *Snapshot);
    Rig.Model.Initialise(*Snapshot);
    Rig.Model.pBBaseResize(302, 292);
    const int32_t Cell = Rig.Model.Painter().CellSize();
    EXPECT_EQ(Rig.Model.Painter().LabelMargin(), 0);
    Rig.Box.Clear();
    Rig.Model.Painter().Redraw();
    EXPECT_TRUE(Rig.Box.CallsStartingWith("TextOut(").empty());

    // Standard: the margin of the main board, the cells smaller to make room, the board and
    // its margin centred; its labels drawn.
    Rig.Model.SetCoordinates(TCoordinates::Standard);
    const TKelGoPB& P = Rig.Model.Painter();
    EXPECT_EQ(P.LabelMargin(), kReferenceLabelMargin);
    EXPECT_EQ(P.CellSize(), (292 - kReferenceLabelMargin) / 19);
    EXPECT_LT(P.CellSize(), Cell);
    EXPECT_EQ(Rig.Model.HelpPBLeft, (302 - 19 * P.CellSize() - kReferenceLabelMargin) / 2);
    EXPECT_EQ(Rig.Box.ClientWidth, 19 * P.CellSize() + kReferenceLabelMargin);
    Rig.Box.Clear();
    Rig.Model.Painter().Redraw();
    EXPECT_EQ(Rig.Box.CallsStartingWith("TextOut(").size(), 38u);

    // None is drawn as designed: no margin, the cells as before.
    Rig.Model.SetCoordinates(TCoordinates::None);
    EXPECT_EQ(P.LabelMargin(), 0);
    EXPECT_EQ(P.CellSize(), Cell);
    // A window made after the choice starts with it.
    TReferenceRig Later;
    Later.Model.SetCoordinates(TCoordinates::Standard);
    Later.Model.FormCreate();
    EXPECT_EQ(Later.Model.Painter().LabelMargin(), kReferenceLabelMargin);
}

// --- translation ------------------------------------------------------------------------------

TEST(Translation, TheModelsWriteTheirTextsThroughTheTranslator) {
    TTestTranslator English;
    TModelRig Rig;
    Rig.Load(TagRecord(40, "EV[x]RE[B+R]", 38, "(RN[a]PT[1];B[jj])"), kFormatTag);
    ASSERT_TRUE(Rig.Model.moveBtnClick("38"));
    EXPECT_EQ(Rig.Model.commentLines().back().Text, "参考图 38-1");
    // The texts shown are written again at once, in the new language.
    Rig.Model.SetTranslator(English);
    EXPECT_EQ(Rig.Model.commentLines().back().Text, "Diagram 38-1");
    EXPECT_EQ(Rig.Model.infoTexts().Lines[5], "Result: B+R");
    EXPECT_GT(English.Contexts["InterfaceText"], 0);
    // The translated link opens its diagram; a text that is no link of the box opens nothing.
    Rig.Model.LinkClick("Diagram 38-1");
    Rig.Model.LinkClick("Diagram 38-2");
    EXPECT_EQ(Rig.Opened.size(), 1u);

    TReferenceRig Ref;
    Ref.Model.FormCreate();
    Ref.Model.SetTranslator(English);
    Ref.Model.ShowCode(Rig.Opened.front());
    EXPECT_EQ(Ref.Model.Caption, "Diagram after move 0");
    EXPECT_EQ(Ref.Model.PassButtonCaption, "Pass");
    Ref.Model.StepClick(TCHelpFormModel::kStudy);
    EXPECT_EQ(Ref.Model.StudyButtonCaption, "End");
    Ref.Model.SetTranslator(SourceTexts());
    EXPECT_EQ(Ref.Model.StudyButtonCaption, "结束");
    EXPECT_EQ(Ref.Model.Caption, "0手 参考图");

    TMemoryRegistry Registry;
    TKelStatus Status(Registry);
    TOwnkFormModel Print(Status);
    Print.SetGameInfo(40, {});
    EXPECT_EQ(Print.RangeCaption, "共 40 手");
    Print.SetTranslator(English);
    EXPECT_EQ(Print.RangeCaption, "40 moves");
}

TEST(Translation, TheReadersWordsAreTranslatedAndTheRecordsOwnTextsAreNot) {
    struct TUnits : TTranslator {
        std::string Translate(std::string_view, std::string_view Source) const override {
            const std::map<std::string_view, std::string> English = {
                {"%1小时", "%1 h"},    {"%1分", "%1 min"},      {"%1秒", "%1 s"},
                {"%1%2", "%1 %2"},     {"无限制", "unlimited"}, {"%1子让子棋", "%1 stones"},
                {"贴目 : ", "Komi: "}, {"用时 : ", "Time: "},   {"方式 : ", "Handicap: "}};
            const auto It = English.find(Source);
            return It == English.end() ? std::string(Source) : It->second;
        }
    } English;
    const struct {
        std::string Text, Words;
    } Cases[] = {{"1小时30分", "1 h 30 min"},
                 {"10分", "10 min"},
                 {"2小时5分7秒", "2 h 5 min 7 s"},
                 {"无限制", "unlimited"},
                 {"3子让子棋", "3 stones"},
                 // Not the readers' words: as written.
                 {"", ""},
                 {"10", "10"},
                 {"分", "分"},
                 {"10分钟", "10分钟"},
                 {"1小时 30分", "1小时 30分"},
                 {"子让子棋", "子让子棋"},
                 {"3h", "3h"}};
    for (const auto& C : Cases)
        EXPECT_EQ(ReaderWords(English, C.Text), C.Words) << C.Text;
    EXPECT_EQ(ReaderWords(SourceTexts(), "1小时30分"), "1小时30分");

    // The model writes them in the information lines of standard SGF and NGF records only.
    TModelRig Rig;
    Rig.Model.SetTranslator(English);
    Rig.Load("(;GM[1]FF[4]SZ[19]KM[0.5]HA[3]TM[5430];B[pd])", kFormatSgf);
    EXPECT_EQ(Rig.Model.infoTexts().Lines[2], "Time: 1 h 30 min 30 s");
    EXPECT_EQ(Rig.Model.infoTexts().Lines[4], "Komi: 0.5 (3 stones)");
    Rig.Load("(;EV[x]TM[10分]KO[6.5];B[pd])", kFormatTag);
    EXPECT_EQ(Rig.Model.infoTexts().Lines[2], "Time: 10分");
}

// --- settings ---------------------------------------------------------------------------------

TEST(ViewSettings, KeptInOneStoreEachAndDamagedValuesReadAsTheDefaults) {
    TMemoryRegistry Registry;
    TViewSettings Settings(Registry);
    EXPECT_EQ(Settings.Language(), "zh");
    EXPECT_EQ(Settings.Coordinates(), std::nullopt);
    Settings.SetLanguage("ko");
    Settings.SetCoordinates(TCoordinates::Standard);
    EXPECT_EQ(Registry.Stores, 2);
    EXPECT_EQ(TViewSettings(Registry).Language(), "ko");
    EXPECT_EQ(TViewSettings(Registry).Coordinates(), TCoordinates::Standard);
    Settings.SetCoordinates(std::nullopt);
    EXPECT_EQ(Settings.Coordinates(), std::nullopt);

    for (const char* Damaged : {"", "EN", "english", "zh\n", "xx"}) {
        Registry.WriteString(TViewSettings::kViewKey, TViewSettings::kLanguageValue, Damaged);
        EXPECT_EQ(Settings.Language(), "zh") << Damaged;
    }
    Registry.WriteDword(TViewSettings::kViewKey, TViewSettings::kLanguageValue, 1);
    EXPECT_EQ(Settings.Language(), "zh");
    for (const char* Damaged : {"", "std", "standard ", "2"}) {
        Registry.WriteString(TViewSettings::kViewKey, TViewSettings::kCoordinatesValue, Damaged);
        EXPECT_EQ(Settings.Coordinates(), std::nullopt) << Damaged;
    }
    Registry.WriteString(TViewSettings::kViewKey, TViewSettings::kCoordinatesValue, "NONE");
    EXPECT_EQ(Settings.Coordinates(), TCoordinates::None);

    // A registry that cannot be written says so, and keeps what it had.
    Registry.ReadOnly = true;
    EXPECT_THROW(Settings.SetLanguage("en"), TRegistryError);
    EXPECT_EQ(Settings.Language(), "zh");
}

}  // namespace
}  // namespace xvexo
