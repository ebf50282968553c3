// xvexo print, run as a program: the sample record printed whole, as a range and split, read
// back from the PDF; the stored options used and never written; values on the command line
// checked as the print dialog checks them; usage errors and failures.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "pdf_tools.h"

namespace xvexo {
namespace {

using testing::CommandOutput;
using testing::PdfPageCount;
using testing::PdfText;

struct TRun {
    int Exit = -1;
    QString Out, Errors;
};

class XvexoPrint : public ::testing::Test {
  protected:
    QTemporaryDir Dir;
    QString Registry = Dir.filePath(QStringLiteral("user.reg"));

    // Runs xvexo print with Args, the user registry in the test's folder.
    TRun Print(const QStringList& Args) {
        QProcess P;
        QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
        Env.insert(QStringLiteral("XVEXOVIEW_REGISTRY"), Registry);
        P.setProcessEnvironment(Env);
        P.start(QStringLiteral(XVEXO_PROGRAM), QStringList{QStringLiteral("print")} + Args);
        P.waitForFinished(60000);
        TRun R;
        R.Exit = P.exitStatus() == QProcess::NormalExit ? P.exitCode() : -1;
        R.Out = QString::fromUtf8(P.readAllStandardOutput());
        R.Errors = QString::fromUtf8(P.readAllStandardError());
        return R;
    }
    QString Out(const char* Name) const { return Dir.filePath(QString::fromUtf8(Name)); }
    // The PDFs of the sample are also kept in the build folder, for looking at.
    static QString Kept(const char* Name) {
        QDir().mkpath(QStringLiteral(XVEXO_PRINT_OUT));
        return QStringLiteral(XVEXO_PRINT_OUT "/") + QString::fromUtf8(Name);
    }
};

const QString kSample = QStringLiteral(XVEXO_SAMPLES "/sample.tag.txt");

bool Has(const QString& Text, const char* Part) {
    return Text.contains(QString::fromUtf8(Part));
}

TEST_F(XvexoPrint, TheSampleWholeOnAnA4Page) {
    const QString File = Kept("sample-whole.pdf");
    const TRun R = Print({kSample, QStringLiteral("-o"), File});
    ASSERT_EQ(R.Exit, 0) << R.Errors.toStdString();
    EXPECT_TRUE(R.Errors.isEmpty()) << R.Errors.toStdString();
    EXPECT_TRUE(R.Out.isEmpty());
    EXPECT_EQ(PdfPageCount(File), 1);
    const std::string Info = CommandOutput("pdfinfo '" + File.toStdString() + "'");
    EXPECT_NE(Info.find("(A4)"), std::string::npos) << Info;
    const QString Text = PdfText(File);
    for (const char* T :
         {"总谱 : 1 ~ 214", "第十届网络围棋大赛 决赛", "黑棋 : 林海 七段", "白棋 : 陈风 九段",
          "方式 : 6.5", "结果 : 黑中盘胜", "日期 : 2026-11-21", "Talvo围棋. www.talvo.example"}) {
        EXPECT_TRUE(Has(Text, T)) << T << "\n" << Text.toStdString();
    }
    // Nothing was stored: the registry file was not even made.
    EXPECT_FALSE(QFile::exists(Registry));
}

TEST_F(XvexoPrint, TheSampleSplitFourAPageAndARangeOnLetter) {
    const QString Split = Kept("sample-split4.pdf");
    TRun R =
        Print({kSample, QStringLiteral("--split"), QStringLiteral("50"),
               QStringLiteral("--per-page"), QStringLiteral("4"), QStringLiteral("-o"), Split});
    ASSERT_EQ(R.Exit, 0) << R.Errors.toStdString();
    ASSERT_EQ(PdfPageCount(Split), 2);
    const QString First = PdfText(Split, 1);
    for (const char* T : {"[部分谱 : 1 手 ~ 50 手]", "[部分谱 : 51 手 ~ 100 手]",
                          "[部分谱 : 101 手 ~ 150 手]", "[部分谱 : 151 手 ~ 200 手]"}) {
        EXPECT_TRUE(Has(First, T)) << T << "\n" << First.toStdString();
    }
    EXPECT_TRUE(Has(PdfText(Split, 2), "[部分谱 : 201 手 ~ 214 手]"));
    EXPECT_FALSE(Has(First, "黑棋"));

    const QString Range = Out("range.pdf");
    R = Print({QStringLiteral("--tag"), kSample, QStringLiteral("--range"), QStringLiteral("30"),
               QStringLiteral("80"), QStringLiteral("--paper"), QStringLiteral("letter"),
               QStringLiteral("-o"), Range});
    ASSERT_EQ(R.Exit, 0) << R.Errors.toStdString();
    EXPECT_TRUE(Has(PdfText(Range), "部分谱 : 30 ~ 80"));
    const std::string Info = CommandOutput("pdfinfo '" + Range.toStdString() + "'");
    EXPECT_NE(Info.find("(letter)"), std::string::npos) << Info;
}

// Values the dialog's checks would change are changed the same way, and the user is told.
TEST_F(XvexoPrint, ValuesAreCheckedAsTheDialogChecksThem) {
    const QString File = Out("checked.pdf");
    const TRun R =
        Print({kSample, QStringLiteral("--range"), QStringLiteral("300"), QStringLiteral("20"),
               QStringLiteral("--top-margin"), QStringLiteral("abc"), QStringLiteral("--grid"),
               QStringLiteral("50"), QStringLiteral("-o"), File});
    ASSERT_EQ(R.Exit, 0) << R.Errors.toStdString();
    // Leaving the first field with 300 (of 214 moves) takes the last field's 214; leaving the
    // last with 20 takes the first's.
    EXPECT_EQ(R.Errors.toStdString(),
              "--top-margin abc was taken as 500, as the print dialog takes it\n"
              "--grid 50 was taken as 90, as the print dialog takes it\n"
              "--range 300 was taken as 214, as the print dialog takes it\n"
              "--range 20 was taken as 214, as the print dialog takes it\n");
    const QString Text = PdfText(File);
    EXPECT_TRUE(Has(Text, "部分谱 : 214 ~ 214")) << Text.toStdString();
}

// The stored options are what the dialog would show: a stored split of 100 moves, one a page.
// They are read, never written.
TEST_F(XvexoPrint, StoredOptionsAreUsedAndNotWritten) {
    const QByteArray Stored =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\KelVexoView\\Version Info]\r\n\"version\"=\"0408A\"\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\KelVexoView\\Print Option Info]\r\n"
        "\"tmargin\"=\"300\"\r\n\"splitno\"=\"100\"\r\n\"perpage\"=\"0\"\r\n\"method\"=\"3\"\r\n";
    {
        QFile F(Registry);
        ASSERT_TRUE(F.open(QIODevice::WriteOnly));
        F.write(Stored);
    }
    const QString File = Out("stored.pdf");
    TRun R = Print({kSample, QStringLiteral("-o"), File});
    ASSERT_EQ(R.Exit, 0) << R.Errors.toStdString();
    EXPECT_EQ(PdfPageCount(File), 3);
    EXPECT_TRUE(Has(PdfText(File, 3), "[部分谱 : 201 手 ~ 214 手]"));
    // The command line chooses otherwise, and the stored options stay as they were.
    R = Print({kSample, QStringLiteral("--whole"), QStringLiteral("-o"), File});
    ASSERT_EQ(R.Exit, 0) << R.Errors.toStdString();
    EXPECT_EQ(PdfPageCount(File), 1);
    QFile F(Registry);
    ASSERT_TRUE(F.open(QIODevice::ReadOnly));
    EXPECT_EQ(F.readAll(), Stored);
}

TEST_F(XvexoPrint, UsageErrorsExitTwo) {
    const QString O = Out("x.pdf");
    const std::pair<QStringList, const char*> Cases[] = {
        {{kSample}, "-o FILE.pdf is missing"},
        {{kSample, "--whole", "--split", "5", "-o", O},
         "give one of --whole, --range A B and --split N"},
        {{kSample, "--range", "1", "2", "--whole", "-o", O},
         "give one of --whole, --range A B and --split N"},
        {{kSample, "-o", O, "--range", "5"}, "--range needs two values: --range A B"},
        {{kSample, "--per-page", "2", "-o", O}, "--per-page goes with --split N"},
        {{kSample, "--split", "5", "--per-page", "3", "-o", O}, "--per-page must be 1, 2 or 4"},
        {{kSample, "--paper", "a3", "-o", O}, "--paper must be a4 or letter"},
        {{kSample, "-o", O, "--split"}, "--split needs a value"},
        {{"-o", O}, "SOURCE is missing"},
    };
    for (const auto& [Args, Message] : Cases) {
        const TRun R = Print(Args);
        EXPECT_EQ(R.Exit, 2) << Args.join(' ').toStdString();
        EXPECT_EQ(R.Errors, QString::fromUtf8(Message) + '\n') << Args.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(O));
    }
}

TEST_F(XvexoPrint, FailuresExitOneAndWriteNothing) {
    // A record without moves split into diagrams prints nothing.
    const QString Empty = Out("empty.txt");
    {
        QFile F(Empty);
        ASSERT_TRUE(F.open(QIODevice::WriteOnly));
        F.write("(;EV[k]\n)\n");
    }
    const QString File = Out("empty.pdf");
    TRun R =
        Print({Empty, QStringLiteral("--split"), QStringLiteral("10"), QStringLiteral("-o"), File});
    EXPECT_EQ(R.Exit, 1);
    EXPECT_EQ(R.Errors,
              QStringLiteral("--split 10 was taken as 0, as the print dialog takes it\n"
                             "Nothing was printed: the record has no moves to print; %1 was not "
                             "written\n")
                  .arg(File));
    EXPECT_FALSE(QFile::exists(File));

    // A file that cannot be written (or not in full), and a record that cannot be read.
    const QString Nowhere = Out("no-such-folder/x.pdf");
    R = Print({kSample, QStringLiteral("-o"), Nowhere});
    EXPECT_EQ(R.Exit, 1);
    EXPECT_EQ(R.Errors, QStringLiteral("Cannot write the output: No such file or directory\n"));
    R = Print({kSample, QStringLiteral("-o"), QStringLiteral("/dev/full")});
    EXPECT_EQ(R.Exit, 1);
    EXPECT_EQ(R.Errors, QStringLiteral("Cannot write the output: No space left on device\n"));
    R = Print({Out("missing.txt"), QStringLiteral("-o"), File});
    EXPECT_EQ(R.Exit, 1);
    EXPECT_TRUE(R.Errors.startsWith(QStringLiteral("Cannot open "))) << R.Errors.toStdString();
    EXPECT_FALSE(QFile::exists(File));
}

}  // namespace
}  // namespace xvexo
