#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <random>
#include <string>
#include <vector>

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

// GB18030 as first decoded: the whole text through iconv at once, each unit that does not
// convert replaced by U+FFFD and passed over one byte at a time.
std::string ReferenceDecodeGbk(const std::string& Bytes) {
    std::string Out;
    iconv_t Cd = iconv_open("UTF-8", "GB18030");
    if (Cd == reinterpret_cast<iconv_t>(-1)) return "no converter";
    size_t i = 0;
    while (i < Bytes.size()) {
        char Chunk[1024];
        char* In = const_cast<char*>(Bytes.data() + i);
        size_t InLeft = Bytes.size() - i;
        char* OutPtr = Chunk;
        size_t OutLeft = sizeof Chunk;
        const size_t Rc = iconv(Cd, &In, &InLeft, &OutPtr, &OutLeft);
        const int Err = errno;
        Out.append(Chunk, static_cast<size_t>(OutPtr - Chunk));
        i = static_cast<size_t>(In - Bytes.data());
        if (Rc != static_cast<size_t>(-1)) break;
        if (Err == E2BIG) continue;
        Out += "\xEF\xBF\xBD";
        ++i;
        iconv(Cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(Cd);
    return Out;
}

// UTF-8 as first decoded: sequence by sequence, each byte that starts none replaced.
std::string ReferenceDecodeUtf8(const std::string& Bytes) {
    std::string Out;
    for (size_t i = 0; i < Bytes.size();) {
        size_t Len = 1;
        while (Len <= 4 && i + Len <= Bytes.size() && !IsValidUtf8(Bytes.substr(i, Len)))
            ++Len;
        if (Len > 4 || i + Len > Bytes.size()) {
            Out += "\xEF\xBF\xBD";
            ++i;
        } else {
            Out += Bytes.substr(i, Len);
            i += Len;
        }
    }
    return Out;
}

// Texts built from pieces that meet every case of both decoders: characters of one, two and
// four bytes, bytes that may or may not end a character, undecodable bytes, long ASCII runs.
TEST(DisplayText, DecodingInStretchesGivesWhatDecodingTheWholeGives) {
    const std::vector<std::string> Pieces = {" ",
                                             "0",
                                             "9",
                                             ":",
                                             "?",
                                             "@",
                                             "a",
                                             "~",
                                             "\x7F",
                                             "\n",
                                             "\x80",
                                             "\x81",
                                             "\xA1",
                                             "\xB0",
                                             "\xFE",
                                             "\xFF",
                                             "\xBA\xC3",
                                             "\x81\x30\x81\x30",
                                             "\x95\x32\x82\x36",
                                             "\xE5\xA5\xBD",
                                             "\xF0\x9F\x98\x80",
                                             "\xED\xA0\x80",
                                             "\xC0\xAF",
                                             "the key point of the opening "};
    std::mt19937 Random(13);
    std::uniform_int_distribution<size_t> Piece(0, Pieces.size() - 1);
    std::uniform_int_distribution<int> Length(0, 24);
    for (int Case = 0; Case < 20000 && !HasFailure(); ++Case) {
        std::string Text;
        for (int k = Length(Random); k > 0; --k)
            Text += Pieces[Piece(Random)];
        EXPECT_EQ(DecodeText(Text, TTextEncoding::Gbk), ReferenceDecodeGbk(Text)) << Text;
        EXPECT_EQ(DecodeText(Text, TTextEncoding::Utf8), ReferenceDecodeUtf8(Text)) << Text;
    }
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
