// xvexo render, run as a program on the sample records.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/full_folder.h"

namespace {

struct TRun {
    int Exit = -1;
    QImage Picture;
    QByteArray Errors;
};

TRun Render(const QStringList& Args) {
    QTemporaryDir Dir;
    const QString File = Dir.filePath(QStringLiteral("board.png"));
    QProcess P;
    P.start(QStringLiteral(XVEXO_PROGRAM),
            QStringList{QStringLiteral("render")} + Args + QStringList{QStringLiteral("-o"), File});
    P.waitForFinished(60000);
    TRun R;
    R.Exit = P.exitStatus() == QProcess::NormalExit ? P.exitCode() : -1;
    R.Errors = P.readAllStandardError();
    R.Picture = QImage(File);
    return R;
}

QString Sample(const char* Name) {
    return QStringLiteral(XVEXO_SAMPLES) + QLatin1Char('/') + QLatin1String(Name);
}

int Count(const QImage& I, QRect Cell, bool (*Test)(QRgb)) {
    int N = 0;
    for (int Y = Cell.top(); Y <= Cell.bottom(); ++Y) {
        for (int X = Cell.left(); X <= Cell.right(); ++X)
            N += Test(I.pixel(X, Y));
    }
    return N;
}

QRect CellOf(int Col, int Row, int C) {
    return QRect((Col - 1) * C, (Row - 1) * C, C, C);
}

TEST(RenderCommand, DrawsTheBoardAndLabelMarginAtEachCellSize) {
    for (int C : {10, 24, 59}) {
        const TRun R =
            Render({Sample("sample.tag.txt"), QStringLiteral("--cell"), QString::number(C)});
        ASSERT_EQ(R.Exit, 0) << R.Errors.toStdString();
        EXPECT_TRUE(R.Errors.isEmpty()) << R.Errors.toStdString();
        ASSERT_EQ(R.Picture.size(), QSize(19 * C + 20, 19 * C + 20));
        // Black's first move (16, 4) still stands: its centre is dark.
        const QRgb Centre = R.Picture.pixel(15 * C + C / 2, 3 * C + C / 2);
        EXPECT_LT(qRed(Centre), 90) << C;
    }
}

TEST(RenderCommand, GoesToAMoveAndMarksIt) {
    const TRun R = Render({Sample("sample.tag.txt"), QStringLiteral("--to"), QStringLiteral("1")});
    ASSERT_EQ(R.Exit, 0);
    ASSERT_EQ(R.Picture.size(), QSize(476, 476));
    const auto Yellow = [](QRgb P) { return P == qRgb(255, 255, 0); };
    EXPECT_GT(Count(R.Picture, CellOf(16, 4, 24), Yellow), 15);
    // White's reply at (4, 16) is not on the board yet: only wood and lines there.
    const auto Stone = [](QRgb P) { return qRed(P) > 240 && qGreen(P) > 240 && qBlue(P) > 240; };
    EXPECT_EQ(Count(R.Picture, CellOf(4, 16, 24), Stone), 0);
}

// --to 0 is the start, as in replay: the record's first stone is not there yet.
TEST(RenderCommand, MoveZeroIsTheStart) {
    const TRun R = Render({Sample("sample.tag.txt"), QStringLiteral("--to"), QStringLiteral("0")});
    ASSERT_EQ(R.Exit, 0) << R.Errors.toStdString();
    const TRun First =
        Render({Sample("sample.tag.txt"), QStringLiteral("--to"), QStringLiteral("1")});
    // The star point at (16, 4) is dark too; the stone darkens most of the cell.
    const auto Dark = [](QRgb P) { return qRed(P) < 90 && qGreen(P) < 90 && qBlue(P) < 90; };
    EXPECT_GT(Count(First.Picture, CellOf(16, 4, 24), Dark),
              Count(R.Picture, CellOf(16, 4, 24), Dark) + 200);
    for (int Col = 1; Col <= 19; ++Col) {
        for (int Row = 1; Row <= 19; ++Row)
            EXPECT_LT(Count(R.Picture, CellOf(Col, Row, 24), Dark), 100) << Col << "," << Row;
    }
}

TEST(RenderCommand, ShowsMoveNumbers) {
    const TRun Plain = Render({Sample("sample.tag.txt")});
    const TRun Numbered = Render({Sample("sample.tag.txt"), QStringLiteral("--numbers")});
    ASSERT_EQ(Numbered.Exit, 0);
    // The black stone of move 1 carries a white "1".
    const auto White = [](QRgb P) { return P == qRgb(255, 255, 255); };
    EXPECT_GT(Count(Numbered.Picture, CellOf(16, 4, 24), White),
              Count(Plain.Picture, CellOf(16, 4, 24), White) + 5);
}

TEST(RenderCommand, AStandardSgfProblemIsDrawnAtItsStartWithItsStones) {
    const QString Problem = QStringLiteral(XVEXO_RECORDS "/problem.sgf");
    // A point beside the lines' crossing in the cell: a stone's colour, or the wood.
    const auto Dark = [](const QImage& I, int Col, int Row) {
        return qRed(I.pixel((Col - 1) * 24 + 16, (Row - 1) * 24 + 16)) < 90;
    };
    const auto Light = [](const QImage& I, int Col, int Row) {
        const QRgb P = I.pixel((Col - 1) * 24 + 16, (Row - 1) * 24 + 16);
        return qRed(P) > 200 && qGreen(P) > 200 && qBlue(P) > 200;  // wood has little blue
    };
    const TRun Start = Render({Problem});
    ASSERT_EQ(Start.Exit, 0) << Start.Errors.toStdString();
    EXPECT_TRUE(Dark(Start.Picture, 4, 1));   // set up black
    EXPECT_TRUE(Light(Start.Picture, 5, 1));  // set up white
    EXPECT_FALSE(Dark(Start.Picture, 2, 1));  // the answer is not played yet
    EXPECT_FALSE(Light(Start.Picture, 2, 1));
    const TRun Answer = Render({Problem, QStringLiteral("--to"), QStringLiteral("1")});
    ASSERT_EQ(Answer.Exit, 0);
    EXPECT_TRUE(Dark(Answer.Picture, 2, 1));
    EXPECT_TRUE(Dark(Answer.Picture, 4, 1));
}

TEST(RenderCommand, DrawsTheStonesAStandardSgfRecordSetsUp) {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("setup.sgf"));
    QFile F(Path);
    ASSERT_TRUE(F.open(QIODevice::WriteOnly));
    F.write("(;GM[1]FF[4]SZ[9]AB[cc]AW[ee];B[gg])");
    F.close();
    const TRun R = Render({Path, QStringLiteral("--to"), QStringLiteral("1")});
    ASSERT_EQ(R.Exit, 0) << R.Errors.toStdString();
    ASSERT_EQ(R.Picture.size(), QSize(9 * 24 + 20, 9 * 24 + 20));
    // Black's C3 and white's E5, set up before the first move, stand beside black's G7.
    const auto Dark = [](QRgb P) { return qRed(P) < 60 && qGreen(P) < 60 && qBlue(P) < 60; };
    const auto Light = [](QRgb P) { return qRed(P) > 230 && qGreen(P) > 230 && qBlue(P) > 230; };
    EXPECT_GT(Count(R.Picture, CellOf(3, 3, 24), Dark), 200);
    EXPECT_GT(Count(R.Picture, CellOf(5, 5, 24), Light), 100);
    EXPECT_EQ(Count(R.Picture, CellOf(4, 4, 24), Light), 0);
    EXPECT_GT(Count(R.Picture, CellOf(7, 7, 24), Dark), 200);
}

// A standard SGF record gets the labels the viewer gives it before the user chooses: rows counted
// from the bottom, so its row 15 from the top is labelled 5, as row 5 of a tag record is.
TEST(RenderCommand, AStandardSgfRecordIsLabelledInStandardCoordinates) {
    QTemporaryDir Dir;
    const auto Write = [&Dir](const char* Name, const char* Text) {
        const QString Path = Dir.filePath(QLatin1String(Name));
        QFile F(Path);
        EXPECT_TRUE(F.open(QIODevice::WriteOnly));
        F.write(Text);
        return Path;
    };
    const TRun Sgf = Render({Write("game.sgf", "(;GM[1]FF[4]SZ[19];B[pd])\n")});
    const TRun Tag = Render({Write("game.txt", "(;EV[x];B[pd])\n")});
    ASSERT_EQ(Sgf.Exit, 0) << Sgf.Errors.toStdString();
    ASSERT_EQ(Tag.Exit, 0) << Tag.Errors.toStdString();
    const auto Label = [](int Row) { return QRect(19 * 24, (Row - 1) * 24, 20, 24); };
    EXPECT_NE(Sgf.Picture.copy(Label(5)), Tag.Picture.copy(Label(5)));
    EXPECT_EQ(Sgf.Picture.copy(Label(15)), Tag.Picture.copy(Label(5)));
}

TEST(RenderCommand, DrawsAReferenceDiagramAsTheWindowShowsIt) {
    // The first diagram of move 12: moves 13..16 numbered 1..4 and the letters A and B, at the
    // window's cell size 15 without a label margin.
    const auto Navy = [](QRgb P) { return qRed(P) < 90 && qGreen(P) < 90 && qBlue(P) > 100; };
    const auto Dark = [](QRgb P) { return qRed(P) < 80 && qGreen(P) < 80 && qBlue(P) < 80; };
    for (const auto& [Cell, Args] :
         {std::pair{15, QStringList{}}, std::pair{30, QStringList{"--cell", "30"}}}) {
        const TRun R = Render(QStringList{Sample("sample.tag.txt"), "--reference", "12-1"} + Args);
        ASSERT_EQ(R.Exit, 0) << R.Errors.toStdString();
        ASSERT_EQ(R.Picture.size(), QSize(19 * Cell, 19 * Cell));
        EXPECT_GT(Count(R.Picture, CellOf(16, 12, Cell), Dark), Cell * Cell / 3);
        EXPECT_GT(Count(R.Picture, CellOf(17, 12, Cell), Navy), 3);
        EXPECT_GT(Count(R.Picture, CellOf(15, 12, Cell), Navy), 3);
        // Move 17 of the game (15, 9) is not on the board, only the lines that cross there.
        EXPECT_LT(Count(R.Picture, CellOf(15, 9, Cell), Dark), Cell * Cell / 4);
    }
    // The second diagram of move 90 differs from the first.
    const TRun First = Render({Sample("sample.tag.txt"), "--reference", "90-1"});
    const TRun Second = Render({Sample("sample.tag.txt"), "--reference", "90-2"});
    ASSERT_EQ(Second.Exit, 0);
    EXPECT_NE(First.Picture, Second.Picture);
    EXPECT_GT(Count(Second.Picture, CellOf(13, 7, 15), Dark), 50);
}

TEST(RenderCommand, RefusesReferencesItCannotDraw) {
    for (const char* Link : {"12", "12-0", "-1-1", "a-1", "12-", "12-1-1"})
        EXPECT_EQ(Render({Sample("sample.tag.txt"), "--reference", Link}).Exit, 2) << Link;
    EXPECT_EQ(Render({Sample("sample.tag.txt"), "--reference", "12-1", "--to", "3"}).Exit, 2);
    EXPECT_EQ(Render({Sample("sample.tag.txt"), "--reference", "12-1", "--numbers"}).Exit, 2);
    const TRun None = Render({Sample("sample.tag.txt"), "--reference", "12-2"});
    EXPECT_EQ(None.Exit, 1);
    EXPECT_TRUE(None.Errors.contains("no diagram 2")) << None.Errors.toStdString();
}

TEST(RenderCommand, RefusesBadArgumentsAndReportsFailedLoads) {
    EXPECT_EQ(
        Render({Sample("sample.tag.txt"), QStringLiteral("--cell"), QStringLiteral("0")}).Exit, 2);
    EXPECT_EQ(
        Render({Sample("sample.tag.txt"), QStringLiteral("--cell"), QStringLiteral("x")}).Exit, 2);
    for (const char* To : {"-1", "x", ""}) {
        const TRun R = Render({Sample("sample.tag.txt"), QStringLiteral("--to"), To});
        EXPECT_EQ(R.Exit, 2) << To;
        EXPECT_EQ(R.Errors, "--to needs a whole number of 0 or more\n") << To;
    }
    EXPECT_EQ(Render({Sample("sample.tag.txt"), QStringLiteral("--bogus")}).Exit, 2);
    const TRun Missing = Render({Sample("no-such-record.txt")});
    EXPECT_EQ(Missing.Exit, 1);
    EXPECT_FALSE(Missing.Errors.isEmpty());
    QProcess P;
    P.start(QStringLiteral(XVEXO_PROGRAM),
            {QStringLiteral("render"), Sample("sample.tag.txt")});  // no -o
    P.waitForFinished(60000);
    EXPECT_EQ(P.exitCode(), 2);
}

// The drawing commands run in the drawing program installed beside xvexo; a copy of xvexo
// without it says so and fails, and a command not of xvexo never reaches it.
TEST(RenderCommand, WithoutTheDrawingProgramFailsWithOneLine) {
    QTemporaryDir Dir;
    const QString Lone = Dir.filePath(QStringLiteral("xvexo"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(XVEXO_PROGRAM), Lone));
    ASSERT_TRUE(QFile::setPermissions(Lone, QFile::ReadOwner | QFile::ExeOwner));
    QProcess P;
    P.start(Lone, {QStringLiteral("render"), Sample("sample.tag.txt"), QStringLiteral("-o"),
                   Dir.filePath(QStringLiteral("board.png"))});
    P.waitForFinished(60000);
    EXPECT_EQ(P.exitCode(), 1);
    const QByteArray Errors = P.readAllStandardError();
    EXPECT_TRUE(Errors.startsWith("Cannot start the drawing program ")) << Errors.toStdString();
    EXPECT_TRUE(Errors.endsWith(": No such file or directory\n")) << Errors.toStdString();
    EXPECT_FALSE(QFile::exists(Dir.filePath(QStringLiteral("board.png"))));
}

// The drawing commands' help comes from xvexo itself, on standard output with exit 0: a copy of
// xvexo without the drawing program answers it.
TEST(RenderCommand, HelpOfTheDrawingCommandsNeedsNoDrawingProgram) {
    QTemporaryDir Dir;
    const QString Lone = Dir.filePath(QStringLiteral("xvexo"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(XVEXO_PROGRAM), Lone));
    ASSERT_TRUE(QFile::setPermissions(Lone, QFile::ReadOwner | QFile::ExeOwner));
    const struct {
        QStringList Args;
        const char* Shows;
    } Cases[] = {
        {{QStringLiteral("render"), QStringLiteral("--help")}, "xvexo render [--tag|--ngf|--sgf]"},
        {{QStringLiteral("print"), QStringLiteral("x.sgf"), QStringLiteral("-h")},
         "xvexo print [--tag|--ngf|--sgf]"},
        {{QStringLiteral("--help")}, "xvexo render [--tag|--ngf|--sgf] SOURCE --reference M-K"},
    };
    for (const auto& C : Cases) {
        QProcess P;
        P.start(Lone, C.Args);
        P.waitForFinished(60000);
        EXPECT_EQ(P.exitCode(), 0) << C.Shows;
        EXPECT_TRUE(P.readAllStandardError().isEmpty()) << C.Shows;
        EXPECT_TRUE(P.readAllStandardOutput().contains(C.Shows)) << C.Shows;
    }
}

// The errors of the drawing commands are in English, one line each.
TEST(RenderCommand, ErrorsOfTheDrawingCommandsAreInEnglish) {
    QTemporaryDir Dir;
    const QString Out = Dir.filePath(QStringLiteral("out"));
    const QString Record = Sample("sample.tag.txt");
    const QStringList Cases[] = {
        {QStringLiteral("render"), Record, "--cell", "0", "-o", Out},
        {QStringLiteral("render"), Record, "--reference", "12-9", "-o", Out},
        {QStringLiteral("render"), Record},
        {QStringLiteral("print"), Record, "--per-page", "3", "--split", "10", "-o", Out},
        {QStringLiteral("print"), Record, "--paper", "a5", "-o", Out},
        {QStringLiteral("print"), Record, "--whole", "--split", "10", "-o", Out},
        {QStringLiteral("print"), Sample("no-such-record.txt"), "-o", Out},
    };
    for (const QStringList& Args : Cases) {
        QProcess P;
        P.start(QStringLiteral(XVEXO_PROGRAM), Args);
        P.waitForFinished(60000);
        const QByteArray Errors = P.readAllStandardError();
        const std::string Line = Args.join(' ').toStdString();
        EXPECT_NE(P.exitCode(), 0) << Line;
        EXPECT_EQ(Errors.count('\n'), 1) << Line << ": " << Errors.toStdString();
        EXPECT_TRUE(std::all_of(Errors.begin(), Errors.end(),
                                [](char C) { return static_cast<unsigned char>(C) < 0x80; }))
            << Line << ": " << Errors.toStdString();
    }
}

// Failing output: one line of ours on standard error, nothing of the PNG library's, exit 1.
TEST(RenderCommand, AFailedWriteIsOneLineOfOurs) {
    const struct {
        const char* Out;
        const char* Line;
    } Cases[] = {
        {"/dev/full", "Cannot write the output: No space left on device\n"},
        {"/nonexistent/board.png", "Cannot write the output: No such file or directory\n"},
    };
    for (const auto& C : Cases) {
        QProcess P;
        P.start(QStringLiteral(XVEXO_PROGRAM), {QStringLiteral("render"), Sample("sample.tag.txt"),
                                                QStringLiteral("-o"), QString::fromLatin1(C.Out)});
        P.waitForFinished(60000);
        EXPECT_EQ(P.exitCode(), 1) << C.Out;
        EXPECT_EQ(P.readAllStandardError().toStdString(), C.Line);
    }
}

// An output on a disk that fills up: the picture or document that stood at the path stays
// whole, and nothing else is left there (the new file is written beside it and renamed over it
// only once complete). A small tmpfs, filled to the brim, where the test may mount one.
TEST(RenderCommand, AnOutputOnAFullDiskLeavesTheFileThatStoodThere) {
    xvexo::testing::TFullFolder Full;
    if (!Full.Mounted()) GTEST_SKIP() << "no tmpfs can be mounted here (root only)";
    const struct {
        const char* Command;
        const char* Name;
    } Cases[] = {{"render", "board.png"}, {"print", "game.pdf"}};
    for (const auto& C : Cases)
        xvexo::testing::WriteBytes(Full / C.Name, std::string("yesterday's ") + C.Name);
    Full.Fill();
    for (const auto& C : Cases) {
        QProcess P;
        P.start(QStringLiteral(XVEXO_PROGRAM),
                {QString::fromLatin1(C.Command), Sample("sample.tag.txt"), QStringLiteral("-o"),
                 QString::fromStdString((Full / C.Name).string())});
        P.waitForFinished(60000);
        EXPECT_EQ(P.exitCode(), 1) << C.Command;
        EXPECT_EQ(P.readAllStandardError().toStdString(),
                  "Cannot write the output: No space left on device\n");
        EXPECT_EQ(xvexo::testing::ReadBytes(Full / C.Name), std::string("yesterday's ") + C.Name);
    }
    std::vector<std::string> Names;
    for (const auto& Entry : std::filesystem::directory_iterator(Full.Path))
        Names.push_back(Entry.path().filename().string());
    std::sort(Names.begin(), Names.end());
    EXPECT_EQ(Names, (std::vector<std::string>{"board.png", "filler", "game.pdf"}));
}

}  // namespace
