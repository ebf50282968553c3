// The print command and its pages on a recording surface: the single-diagram page of the whole
// record or a range, split pages 1, 2 and 4 a page, their frames, texts and captions.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "printing/printed_pages.h"
#include "records/record_loader.h"
#include "support/memory_registry.h"
#include "support/print_fixtures.h"
#include "support/recording_surface.h"

namespace xvexo {
namespace {

using testing::TMemoryRegistry;
using testing::TRecordedPage;
using testing::TRecordedText;
using testing::TRecordingSurface;

using testing::RandomMoves;

TGamePInfo Info() {
    return testing::PageInfo();
}

struct TPageFixture {
    TMemoryRegistry Registry;
    TPrintOptions Options;
    TKelStatus Status{Registry, Options};
    TOwnkFormModel Dialog{Status};
    TRecordingSurface Surface;

    // Runs the print command on a record of Count moves; Choose sets the dialog before OK.
    bool Print(int Count, const std::function<void(TOwnkFormModel&)>& Choose, bool Confirm = true) {
        const TMoveCoords M = RandomMoves(Count);
        EXPECT_EQ(M.Count, Count);
        return PrintRecord(Dialog, Surface, M, 0, Info(), [&](TOwnkFormModel& D) {
            Choose(D);
            Confirm ? D.OkBtnClick() : D.CCBtnClick();
        });
    }
    // Split with N moves a diagram and the page choice Index.
    bool PrintSplit(int Count, int N, int Index) {
        return Print(Count, [&](TOwnkFormModel& D) {
            D.ClickSplit();
            D.edDNum.Text = std::to_string(N);
            D.cbNDiv.ItemIndex = Index;
        });
    }
};

class PrintedPages : public ::testing::Test, public TPageFixture {};

// The captions of a page: the texts in the caption font, with where they were drawn.
std::vector<std::string> Captions(const TRecordedPage& P) {
    std::vector<std::string> Out;
    for (const TRecordedText& T : P.Texts) {
        if (T.Font.Face == "Times New Roman") {
            Out.push_back(T.Text + "@" + std::to_string(T.X) + "," + std::to_string(T.Y));
        }
    }
    return Out;
}

// The move numbers drawn on a page (bold texts).
std::multiset<int> Numbers(const TRecordedPage& P) {
    std::multiset<int> Out;
    for (const TRecordedText& T : P.Texts) {
        if (T.Font.Bold) Out.insert(std::stoi(T.Text));
    }
    return Out;
}

TEST_F(PrintedPages, WholeRecordOnOnePage) {
    ASSERT_TRUE(Print(212, [](TOwnkFormModel& D) { D.ClickTotal(); }));
    EXPECT_EQ(Surface.JobTitle, "talvogo Vexo");
    EXPECT_EQ(Surface.Documents, 1);
    EXPECT_EQ(Surface.EndedDocuments, 1);
    ASSERT_EQ(Surface.Pages.size(), 1u);
    const TRecordedPage& P = Surface.Pages[0];

    // Frame: 10 pt italic header font, 83 dots; bars of 83 / 4 dots on the margins.
    ASSERT_GE(P.Fills.size(), 2u);
    EXPECT_EQ(P.Fills[0].Rect, (TPrintRect{200, 480, 4600, 500}));
    EXPECT_EQ(P.Fills[1].Rect, (TPrintRect{200, 6100, 4600, 6120}));
    const std::vector<std::string> Head = {"总谱 : 1 ~ 212", "2026/1/2   3:04:05   Talvo围棋棋谱",
                                           "Talvo围棋. www.talvo.example"};
    for (int I = 0; I < 3; ++I) {
        const TRecordedText& T = P.Texts[I];
        EXPECT_EQ(T.Text, Head[I]);
        EXPECT_EQ(T.Font, (TPrintFont{"宋体", -83, 0, false, true}));
        EXPECT_EQ(T.Colour, kPrintBlack);
    }
    EXPECT_EQ(P.Texts[0].X, 200);
    EXPECT_EQ(P.Texts[0].Y, 449);
    EXPECT_EQ(P.Texts[0].Horz, THorzAlign::Left);
    EXPECT_EQ(P.Texts[0].Vert, TVertAlign::Bottom);
    EXPECT_EQ(P.Texts[1].X, 4600);
    EXPECT_EQ(P.Texts[1].Horz, THorzAlign::Right);
    EXPECT_EQ(P.Texts[2].Y, 6151);
    EXPECT_EQ(P.Texts[2].Vert, TVertAlign::Top);

    // Title (20 pt: 166 dots) centred, then five lines (12 pt: 100 dots) 150 apart.
    EXPECT_EQ(P.Texts[3].Text, "第十届大赛 决赛");
    EXPECT_EQ(P.Texts[3].X, 2400);
    EXPECT_EQ(P.Texts[3].Y, 683);
    EXPECT_EQ(P.Texts[3].Horz, THorzAlign::Center);
    const std::vector<std::string> Lines = {"黑棋 : 林海 七段", "白棋 : 陈风 九段", "方式 : 6.5",
                                            "结果 : 黑中盘胜", "日期 : 2026-11-21"};
    for (int K = 0; K < 5; ++K) {
        const TRecordedText& T = P.Texts[4 + K];
        EXPECT_EQ(T.Text, Lines[K]);
        EXPECT_EQ(T.X, 400);
        EXPECT_EQ(T.Y, 932 + 150 * K);
        EXPECT_EQ(T.Font.Height, -100);
    }

    // The board's left edge at 400 + (4800 - 4315) / 2 = 642, its top at
    // 500 + 100 + (2 x 166 + 6 x 150) + 50 = 1882: move 1 is drawn in its cell.
    const TMoveCoords M = RandomMoves(212);
    const TRecordedText* One = nullptr;
    for (const auto& T : P.Texts) {
        if (T.Text == "1" && T.Font.Height == 135) One = &T;
    }
    ASSERT_NE(One, nullptr);
    EXPECT_EQ(One->X, 642 + 185 * (M.Coords[0][0] - 1) + 92);
    EXPECT_EQ(One->Y, 1882 + 185 * (M.Coords[0][1] - 1) + 24);
    // Every move is numbered once on the board or in the notes, each group's stone once more.
    const std::multiset<int> N = Numbers(P);
    for (int I = 1; I <= 212; ++I)
        EXPECT_GE(N.count(I), 1u) << I;
    // Note rows at (642 + 92, 1882 + 19 x 185 + 123) with cells of 123.
    LDispGGrid Board, Notes;
    const TBuiltDiagram D = BuildDiagram(28, 1, 212, 0, M, Board, Notes);
    ASSERT_GT(D.Notes.Count, 0);
    const TRecordedText* First = nullptr;
    for (const auto& T : P.Texts) {
        if (T.Font.Height == 89 && !First) First = &T;
    }
    ASSERT_NE(First, nullptr);
    EXPECT_EQ(First->Text, std::to_string(D.Notes.Entries[0].Value));
    EXPECT_EQ(First->X, 734 + 61);
    EXPECT_EQ(First->Y, 5520 + 61 - 44 - 1);
}

TEST_F(PrintedPages, RangeHeaderAndNumbers) {
    ASSERT_TRUE(Print(212, [](TOwnkFormModel& D) {
        D.ClickRange();
        D.edSPos.Text = "30";
        D.edEPos.Text = "80";
    }));
    ASSERT_EQ(Surface.Pages.size(), 1u);
    const TRecordedPage& P = Surface.Pages[0];
    EXPECT_EQ(P.Texts[0].Text, "部分谱 : 30 ~ 80");
    const std::multiset<int> N = Numbers(P);
    EXPECT_EQ(*N.begin(), 30);
    EXPECT_EQ(*N.rbegin(), 80);
    for (int I = 30; I <= 80; ++I)
        EXPECT_GE(N.count(I), 1u) << I;
}

TEST_F(PrintedPages, WholeRecordAfterAnEditedRangeNamesTheWholeRecord) {
    ASSERT_TRUE(Print(212, [](TOwnkFormModel& D) {
        D.ClickRange();
        D.edSPos.Text = "30";
        D.ClickTotal();
    }));
    EXPECT_EQ(Surface.Pages[0].Texts[0].Text, "总谱 : 1 ~ 212");
    // A range of the whole record is named as such.
    TPageFixture F;
    ASSERT_TRUE(F.Print(120, [](TOwnkFormModel& D) { D.ClickRange(); }));
    EXPECT_EQ(F.Surface.Pages[0].Texts[0].Text, "总谱 : 1 ~ 120");
}

TEST_F(PrintedPages, SplitOneAPage) {
    ASSERT_TRUE(PrintSplit(212, 50, 0));
    ASSERT_EQ(Surface.Pages.size(), 5u);
    EXPECT_EQ(Surface.CallsStartingWith("NewPage").size(), 4u);
    EXPECT_EQ(Surface.Documents, 1);
    const char* const Expected[] = {"1 手 ~ 50", "51 手 ~ 100", "101 手 ~ 150", "151 手 ~ 200",
                                    "201 手 ~ 212"};
    for (int Page = 0; Page < 5; ++Page) {
        const TRecordedPage& P = Surface.Pages[Page];
        // Caption 14 pt at the board's centred edge, half a cell above the board at 500 + 800.
        EXPECT_EQ(Captions(P), (std::vector<std::string>{std::string("[部分谱 : ") +
                                                         Expected[Page] + " 手]@642,1208"}));
        EXPECT_EQ(P.FindText("[")->Font.Height, -116);
        EXPECT_EQ(P.FindText("[")->Vert, TVertAlign::Bottom);
        // Frame without a range, no title, no information lines.
        EXPECT_EQ(P.Texts[0].Text, "2026/1/2   3:04:05   Talvo围棋棋谱");
        EXPECT_EQ(P.FindText("黑棋"), nullptr);
        EXPECT_EQ(P.FindText("第十届"), nullptr);
        EXPECT_EQ(P.Fills[0].Rect, (TPrintRect{200, 480, 4600, 500}));
    }
    // The board one half cell right of centre: 642 + 92.
    const std::multiset<int> N = Numbers(Surface.Pages[0]);
    EXPECT_EQ(*N.rbegin(), 50);
}

TEST_F(PrintedPages, SplitOneAPageLastPageHoldsTheLastMoveAlone) {
    ASSERT_TRUE(PrintSplit(101, 50, 0));
    ASSERT_EQ(Surface.Pages.size(), 3u);
    EXPECT_EQ(Captions(Surface.Pages[2]),
              (std::vector<std::string>{"[部分谱 : 101 手 ~ 101 手]@642,1208"}));
    EXPECT_EQ(Numbers(Surface.Pages[2]), (std::multiset<int>{101}));
}

TEST_F(PrintedPages, SplitFourAPage) {
    ASSERT_TRUE(PrintSplit(250, 50, 2));
    ASSERT_EQ(Surface.Pages.size(), 2u);
    // Columns at (4800 - 4620) / 2 + 262 and + 2467, rows at 500 + 400 and
    // 500 + (6600 - 1000) / 2 + 300; captions half a cell (52) right and up.
    EXPECT_EQ(Captions(Surface.Pages[0]),
              (std::vector<std::string>{
                  "[部分谱 : 1 手 ~ 50 手]@404,848", "[部分谱 : 51 手 ~ 100 手]@2609,848",
                  "[部分谱 : 101 手 ~ 150 手]@404,3548", "[部分谱 : 151 手 ~ 200 手]@2609,3548"}));
    EXPECT_EQ(Captions(Surface.Pages[1]),
              (std::vector<std::string>{"[部分谱 : 201 手 ~ 250 手]@404,848"}));
    EXPECT_EQ(Surface.Pages[0].FindText("[")->Font.Height, -83);
    // Boards of 105-dot cells: stones 100 dots wide, number fonts of 76 dots.
    const TRecordedPage& P = Surface.Pages[1];
    std::set<int> Widths;
    for (const auto& E : P.Ellipses) {
        if (E.Pen.Style == TPenStyle::InsideFrame) Widths.insert(E.Bounds.Right - E.Bounds.Left);
    }
    EXPECT_TRUE(Widths.count(100));
    Widths.erase(100);
    Widths.erase(76);  // stones of the note rows, cells of 79
    EXPECT_TRUE(Widths.empty());
    std::set<int> Heights;
    for (const auto& T : P.Texts) {
        if (T.Font.Bold) Heights.insert(T.Font.Height);
    }
    EXPECT_TRUE(Heights.count(76));
    EXPECT_EQ(*Numbers(P).rbegin(), 250);
}

TEST_F(PrintedPages, SplitTwoAPage) {
    ASSERT_TRUE(PrintSplit(60, 50, 1));
    ASSERT_EQ(Surface.Pages.size(), 1u);
    EXPECT_EQ(Captions(Surface.Pages[0]),
              (std::vector<std::string>{"[部分谱 : 1 手 ~ 50 手]@1421,743",
                                        "[部分谱 : 51 手 ~ 60 手]@1421,3443"}));
    EXPECT_EQ(Surface.Pages[0].FindText("[")->Font.Height, -91);
}

TEST_F(PrintedPages, SplitOfNoMovesIsADocumentWithoutAPage) {
    ASSERT_TRUE(PrintSplit(0, 50, 2));
    EXPECT_EQ(Surface.Documents, 1);
    EXPECT_EQ(Surface.EndedDocuments, 1);
    EXPECT_TRUE(Surface.Pages.empty());
    EXPECT_EQ(Surface.Calls, (std::vector<std::string>{"SetJobTitle(talvogo Vexo)", "StartDocument",
                                                       "EndDocument"}));
}

TEST_F(PrintedPages, StoredSplitCountAndPageChoiceOutOfRangeStillPrint) {
    // Shown without checks, as stored: 0 moves a diagram and no page choice.
    Options.splitno = 0;
    Options.perpage = 9;
    Options.method = 3;
    ASSERT_TRUE(Print(9, [](TOwnkFormModel&) {}));
    // One move a diagram, four a page.
    ASSERT_EQ(Surface.Pages.size(), 3u);
    EXPECT_EQ(Captions(Surface.Pages[2]),
              (std::vector<std::string>{"[部分谱 : 9 手 ~ 9 手]@404,848"}));
}

TEST_F(PrintedPages, CancelPrintsNothing) {
    EXPECT_FALSE(Print(
        30, [](TOwnkFormModel& D) { D.ClickSplit(); }, false));
    EXPECT_TRUE(Surface.Calls.empty());
}

TEST_F(PrintedPages, ProgressCanEndASplitJob) {
    const TMoveCoords M = RandomMoves(212);
    std::vector<std::string> Seen;
    TPrintJobValues V;
    V.SplitSelected = true;
    V.PerPageIndex = 0;
    V.MovesPerDiagram = 50;
    V.TotalMoves = 212;
    V.PageWidth = 4800;
    V.PageHeight = 6600;
    TPrintJob Job(Surface, V, Info());
    const TPrintOutcome Outcome = PrintSplitDiagrams(Job, M, 0, [&](int Page, int Pages) {
        Seen.push_back(std::to_string(Page) + "/" + std::to_string(Pages));
        return Page < 2;
    });
    EXPECT_EQ(Seen, (std::vector<std::string>{"0/5", "1/5", "2/5"}));
    EXPECT_EQ(Surface.Pages.size(), 2u);
    EXPECT_EQ(Surface.EndedDocuments, 1);
    EXPECT_EQ(Outcome.Pages, 2);
    EXPECT_TRUE(Outcome.Cancelled);
}

// The pages a job will print, known before it starts (for the progress, and to say that a
// record of no moves prints nothing).
TEST(PrintJobPages, CountedFromTheDialogsValues) {
    struct TCase {
        bool Split;
        int32_t Total, N, PageIndex;
        int Pages;
    };
    for (const TCase& C :
         {TCase{false, 0, 50, 2, 1}, TCase{false, 212, 50, 2, 1}, TCase{true, 212, 50, 0, 5},
          TCase{true, 101, 50, 0, 3}, TCase{true, 250, 50, 2, 2}, TCase{true, 60, 50, 1, 1},
          TCase{true, 0, 50, 2, 0}, TCase{true, 9, 0, 9, 3}, TCase{true, 900, 1, 0, kMaxMoves}}) {
        TPrintJobValues V;
        V.SplitSelected = C.Split;
        V.TotalMoves = C.Total;
        V.MovesPerDiagram = C.N;
        V.PerPageIndex = C.PageIndex;
        EXPECT_EQ(JobPageCount(V), C.Pages) << C.Split << " " << C.Total << " " << C.N;
    }
}

// The job tells what it could not print: moves on occupied points whose notes found no room,
// summed over the diagrams of a split job.
TEST_F(PrintedPages, OutcomeCountsTheOmittedNotes) {
    // 60 points played three times: more notes than a diagram has room for.
    TMoveCoords M;
    M.Count = 180;
    for (int I = 0; I < 180; ++I) {
        const int G = I % 60;
        M.Coords[I] = {static_cast<uint8_t>(1 + G % 19), static_cast<uint8_t>(1 + G / 19)};
    }
    const auto Run = [&](const std::function<void(TOwnkFormModel&)>& Choose) {
        Surface = TRecordingSurface();
        EXPECT_TRUE(OpenPrintDialog(Dialog, Surface, M, Info(), [&](TOwnkFormModel& D) {
            Choose(D);
            D.OkBtnClick();
        }));
        return PrintChosenJob(Dialog, Surface, M, 0);
    };
    TPrintOutcome Whole = Run([](TOwnkFormModel& D) { D.ClickTotal(); });
    EXPECT_EQ(Whole.Pages, 1);
    EXPECT_EQ(Whole.Omitted, 70);  // as the builder's own test counts
    EXPECT_FALSE(Whole.Cancelled);
    // Two diagrams of 90 moves: what each leaves out, summed.
    TPrintOutcome Split = Run([](TOwnkFormModel& D) {
        D.ClickSplit();
        D.edDNum.Text = "90";
        D.cbNDiv.ItemIndex = 0;
    });
    int Expected = 0;
    for (int32_t First : {1, 91}) {
        LDispGGrid Board, Notes;
        Expected += BuildDiagram(28, First, First + 89, 0, M, Board, Notes).Omitted;
    }
    EXPECT_EQ(Split.Pages, 2);
    EXPECT_GT(Expected, 0);
    EXPECT_EQ(Split.Omitted, Expected);
    Split = Run([](TOwnkFormModel& D) {
        D.ClickSplit();
        D.edDNum.Text = "180";
    });
    EXPECT_EQ(Split.Pages, 1);
    EXPECT_EQ(Split.Omitted, 70);
}

// The page's game information from a record: texts decoded from the record's bytes, player
// lines as the viewer shows them (name and rank for the tag format, the name alone for NGF).
TEST(GamePrintInfo, FromATagRecordInGbkAndAnNgfRecord) {
    auto Record = std::make_unique<TGameRecord>();
    const std::string Gbk =
        "(;EV[\xBE\xF6\xC8\xFC]RD[2026-11-21]PC[Net]PB[\xC1\xD6\xBA\xA3]BR[\xC6\xDF\xB6\xCE]"
        "PW[\xB3\xC2\xB7\xE7]WR[\xBE\xC5\xB6\xCE]RE[\xBA\xDA\xD6\xD0\xC5\xCC\xCA\xA4]"
        "KO[6.5];B[pd]\n)\n";
    const TLoadResult R = LoadRecordText(*Record, Gbk, kFormatTag);
    ASSERT_FALSE(R.Failed()) << R.Error;
    const TGamePInfo I = MakeGamePInfo(*Record, R.Encoding);
    EXPECT_EQ(I, (TGamePInfo{"决赛", "Talvo围棋棋谱", "林海 七段", "陈风 九段", "2026-11-21", "Net",
                             "黑中盘胜", "6.5"}));

    const std::string Ngf =
        "T\n\n\xB3\xC2\xB7\xE7 9D\n\xC1\xD6\xBA\xA3 2D\nP\n0\n0\n0\nD\n0\nR\n0\n";
    const TLoadResult N = LoadRecordText(*Record, Ngf, kFormatNgf);
    ASSERT_FALSE(N.Failed()) << N.Error;
    const TGamePInfo J = MakeGamePInfo(*Record, N.Encoding);
    EXPECT_EQ(J.BlackLine, DecodeText(Record->Info.BlackName, TTextEncoding::Gbk));
    EXPECT_EQ(J.WhiteLine, DecodeText(Record->Info.WhiteName, TTextEncoding::Gbk));
    EXPECT_EQ(J.BlackLine.find(' '), std::string::npos);
}

}  // namespace
}  // namespace xvexo
