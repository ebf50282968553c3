#include <gtest/gtest.h>

#include "record_fixture.h"
#include "records/display_text.h"
#include "support/record_text.h"

namespace xvexo {
namespace {

TEST(DisplayText, ChoosesUtf8OnlyWhenTheWholeTextIsValid) {
    EXPECT_EQ(ChooseEncoding("plain"), TTextEncoding::Utf8);
    EXPECT_EQ(ChooseEncoding("\xE5\xA5\xBD"), TTextEncoding::Utf8);  // 好
    EXPECT_EQ(ChooseEncoding("\xBA\xC3"), TTextEncoding::Gbk);       // 好 in GBK
    EXPECT_EQ(ChooseEncoding("\xC0\xAF"), TTextEncoding::Gbk);       // overlong
    EXPECT_EQ(ChooseEncoding("\xED\xA0\x80"), TTextEncoding::Gbk);   // surrogate
    EXPECT_EQ(ChooseEncoding("\xE5\xA5"), TTextEncoding::Gbk);       // cut short
}

TEST(DisplayText, EncodesTextInGbk) {
    EXPECT_EQ(EncodeGbk("\xE5\x8F\x82\xE8\x80\x83\xE5\x9B\xBE 90-2"),  // 参考图
              "\xB2\xCE\xBF\xBC\xCD\xBC 90-2");
    EXPECT_EQ(EncodeGbk("a\xF0\x9F\x98\x80z"), "a?z");  // an emoji GBK cannot write
    EXPECT_EQ(EncodeGbk("a\xFFz"), "a?z");              // no UTF-8 at all
    EXPECT_EQ(EncodeGbk(""), "");
}

TEST(DisplayText, DecodesAndReplacesUndecodableBytes) {
    EXPECT_EQ(DecodeText("a\xBA\xC3", TTextEncoding::Gbk), "a\xE5\xA5\xBD");
    EXPECT_EQ(DecodeText("\xFF"
                         "a",
                         TTextEncoding::Gbk),
              "\xEF\xBF\xBD"
              "a");
    EXPECT_EQ(DecodeText("\xBA", TTextEncoding::Gbk), "\xEF\xBF\xBD");
    EXPECT_EQ(DecodeText("x\xE5\xA5", TTextEncoding::Utf8), "x\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(DecodeText("\xE5\xA5\xBD", TTextEncoding::Utf8), "\xE5\xA5\xBD");
}

TEST(DisplayText, NgfReaderTextsAreGbkWhateverTheRecord) {
    // An ASCII NGF record is valid UTF-8, yet its time and komi texts are the reader's GBK.
    const auto L = testing::LoadNgf(testing::NgfText(testing::NgfHeader("3", "120")));
    ASSERT_EQ(L.Result.Encoding, TTextEncoding::Utf8);
    const auto Time =
        DecodeText(L->Info.TimeText, InfoFieldEncoding(*L, TInfoKind::TimeText, L.Result.Encoding));
    EXPECT_EQ(Time, "2小时");
    const auto Komi =
        DecodeText(L->Info.Komi, InfoFieldEncoding(*L, TInfoKind::Komi, L.Result.Encoding));
    EXPECT_EQ(Komi, "3子让子棋");
    EXPECT_EQ(InfoFieldEncoding(*L, TInfoKind::Title, L.Result.Encoding), TTextEncoding::Utf8);
}

}  // namespace
}  // namespace xvexo
