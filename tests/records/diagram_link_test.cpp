// Diagram links: the byte checks of a link text and the note a link names.

#include <gtest/gtest.h>

#include "records/diagram_link.h"

namespace xvexo {
namespace {

// "参考图" in GBK and in UTF-8.
const std::string kHead = "\xB2\xCE\xBF\xBC\xCD\xBC";
const std::string kHeadUtf8 = "\xE5\x8F\x82\xE8\x80\x83\xE5\x9B\xBE";

TEST(DiagramLink, TakesTheNumberAfterTheFirstDashOfAWellFormedLink) {
    EXPECT_EQ(DiagramLinkNumber(kHead + " 12-1"), 1);
    EXPECT_EQ(DiagramLinkNumber(kHead + " 12-2"), 2);
    // The move number is not read: any digits will do.
    EXPECT_EQ(DiagramLinkNumber(kHead + " 7-2"), 2);
    EXPECT_EQ(DiagramLinkNumber(kHead + " 0-02"), 2);
    EXPECT_EQ(DiagramLinkNumber(kHead + " 1-2147483647"), 2147483647);
}

TEST(DiagramLink, TextsThatFailACheckNameNoDiagram) {
    const std::string Cases[] = {
        kHeadUtf8 + " 12-1",              // the characters, but not in GBK
        "\xB2\xCE\xBF\xBC\xCD\xBD 12-1",  // another last character
        kHead,                            // shorter than 8 bytes
        kHead + " ",                      // 7 bytes
        kHead + "x12-1",                  // the 7th byte is no space
        kHead + " 12 1",                  // a byte after the 7th that is no digit or "-"
        kHead + " 12-a",
        kHead + " 12",            // no "-"
        kHead + " -12",           // the first "-" at byte 8
        kHead + " 1-",            // nothing after the "-"
        kHead + " 1-2-3",         // a second "-"
        kHead + " 1-2147483648",  // too large
        "",
    };
    for (const std::string& Text : Cases)
        EXPECT_EQ(DiagramLinkNumber(Text), 0) << Text;
}

TEST(DiagramLink, FindsTheKthDiagramOfAMoveAmongItsNotes) {
    TGameRecord R;
    R.AddNote(nkDiagram, "move0");
    R.AddMove(4, 4);
    R.AddNote(nkComment, "[1] c");
    R.AddNote(nkDiagram, "first");
    R.AddNote(nkComment, "[1] d");
    R.AddNote(nkDiagram, "");
    R.AddNote(nkDiagram, "third");
    R.AddMove(5, 5);
    R.AddNote(nkDiagram, "other");
    ASSERT_NE(FindDiagramNote(R, 1, 1), nullptr);
    EXPECT_EQ(FindDiagramNote(R, 1, 1)->Text, "first");
    EXPECT_EQ(FindDiagramNote(R, 1, 2)->Text, "");
    EXPECT_EQ(FindDiagramNote(R, 1, 3)->Text, "third");
    EXPECT_EQ(FindDiagramNote(R, 0, 1)->Text, "move0");
    EXPECT_EQ(FindDiagramNote(R, 2, 1)->Text, "other");
    EXPECT_EQ(FindDiagramNote(R, 1, 4), nullptr);
    EXPECT_EQ(FindDiagramNote(R, 1, 0), nullptr);
    EXPECT_EQ(FindDiagramNote(R, 3, 1), nullptr);
}

}  // namespace
}  // namespace xvexo
