// The RTF reader on its own, with no QApplication, as the fuzz target runs it:
// the text it keeps, what it skips, and the pictures it finds.
#include "platform/RtfReader.h"
#include "fixtures/QtPrinters.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

// The pieces in order: each run of text as it reads, each picture as "[pict]".
QString piecesOf(const QString& rtf) {
    QString shown;
    for (const RtfPiece& piece : readRtf(rtf))
        shown += piece.picture ? QStringLiteral("[pict]") : piece.text;
    return shown;
}

struct TextCase {
    const char* name;
    QString rtf;
    QString read;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class RtfReaderText : public testing::TestWithParam<TextCase> {};

TEST_P(RtfReaderText, KeepsTheTextAndNothingElse) {
    EXPECT_EQ(piecesOf(GetParam().rtf), GetParam().read);
}

const TextCase kTextCases[] = {
    {"PlainText", "{\\rtf1\\ansi hello world}", "hello world"},
    {"LineAndTabWords", "a\\par b\\line c\\tab d", "a\nb\nc\td"},
    {"EscapedSymbols", "\\\\ \\{ \\} \\~ \\'e9", QStringLiteral("\\ { } \u00A0 \u00E9")},
    {"BadHexEscapeIsDropped", "a\\'zzb", "ab"},
    {"SourceLineBreaksAreNotText", "a\r\nb\nc", "abc"},
    {"EscapedLineBreakIsAParagraph", "a\\\nb", "a\nb"},
    {"TablesAndDestinationsAreSkipped",
     "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255;}"
     "{\\*\\generator x;}{\\stylesheet s}{\\info i}kept}",
     "kept"},
    {"UnknownWordsTakeTheirParameterAndDelimiter", "a\\foo12 b\\bar-3 c\\baz", "abc"},
    {"GroupsOfTextKeepTheirText", "{a{b}c}", "abc"},
    {"UnbalancedGroupsAreHarmless", "}a}{b", "ab"},
    {"MarkupOfOtherKindsIsText", "<b>x</b> &amp; **y** [z](http://example.com/)",
     "<b>x</b> &amp; **y** [z](http://example.com/)"},
    {"TextAroundAPicture", "a{\\pict\\wmetafile8 00}b", "a[pict]b"},
    {"AnUnclosedPictureIsDropped", "a{\\pict\\wmetafile8 0102", "a"},
    {"AGroupInsideAPictureIsNotText", "{\\pict{\\*\\blipuid 1234}\\wmetafile8 00}", "[pict]"},
};

INSTANTIATE_TEST_SUITE_P(Rows, RtfReaderText, testing::ValuesIn(kTextCases),
                         [](const testing::TestParamInfo<TextCase>& info) {
                             return std::string(info.param.name);
                         });

// The one picture of a fragment.
RtfPicture pictureOf(const QString& rtf) {
    const std::vector<RtfPiece> pieces = readRtf(rtf);
    EXPECT_EQ(pieces.size(), 1u) << rtf.toStdString();
    return !pieces.empty() && pieces.front().picture ? *pieces.front().picture : RtfPicture();
}

TEST(RtfReaderPicture, ReadsTheSizesTheKindAndADataViewWithItsWhitespace) {
    const QString rtf =
        "{\\pict\\picscalex100\\picw423\\pich265\\picwgoal240\\pichgoal150\\wmetafile8 0102\r\n0a0B}";
    const RtfPicture picture = pictureOf(rtf);
    EXPECT_TRUE(picture.isMetafile);
    EXPECT_FALSE(picture.damaged);
    EXPECT_EQ(picture.widthHimetric, 423);
    EXPECT_EQ(picture.heightHimetric, 265);
    EXPECT_EQ(picture.goalWidthTwips, 240);
    EXPECT_EQ(picture.goalHeightTwips, 150);
    EXPECT_EQ(picture.hex.toString(), "0102\r\n0a0B");
    EXPECT_EQ(bytesFromHex(picture.hex), QByteArray::fromHex("01020a0b"));
}

TEST(RtfReaderPicture, DataBrokenUpOrEscapedIsDamaged) {
    for (const QString rtf : {"{\\pict\\wmetafile8 01\\picw5 02}", "{\\pict\\wmetafile8 01\\{02}",
                              "{\\pict\\wmetafile8 01{x}02}", "{\\pict\\wmetafile8 01\\'4102}"})
        EXPECT_TRUE(pictureOf(rtf).damaged) << rtf.toStdString();
    EXPECT_FALSE(pictureOf("{\\pict\\wmetafile8 0102 \\picwgoal300}").damaged); // a word after the data
}

TEST(RtfReaderPicture, OtherKindsParametersOfAnySizeAndNoData) {
    EXPECT_FALSE(pictureOf("{\\pict\\pngblip 00}").isMetafile);
    EXPECT_EQ(pictureOf("{\\pict\\picwgoal-300\\wmetafile8 00}").goalWidthTwips, -300);
    EXPECT_GT(pictureOf("{\\pict\\picwgoal99999999999999999999999\\wmetafile8 00}").goalWidthTwips, 0);
    EXPECT_TRUE(pictureOf("{\\pict\\wmetafile8}").hex.isEmpty());
}

TEST(RtfReaderHex, DigitsOfEitherCaseWithWhitespaceElseNothing) {
    EXPECT_EQ(bytesFromHex(u"0a 0B\n ff"), QByteArray::fromHex("0a0bff"));
    EXPECT_EQ(bytesFromHex(u""), QByteArray());
    EXPECT_EQ(bytesFromHex(u"abc"), QByteArray()); // an odd number of digits
    EXPECT_EQ(bytesFromHex(u"0g"), QByteArray());
}

} // namespace
