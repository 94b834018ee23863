#include "text/GbkText.h"

#include "CaseName.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

struct EncodingCase
{
    const char* name;
    QString text;
    const char* hex; // the expected bytes
};

class GbkTextTest : public ::testing::TestWithParam<EncodingCase>
{
};

TEST_P(GbkTextTest, WritesGbkAndGb18030ForWhatGbkLacks)
{
    EXPECT_EQ(EncodeGbkText(GetParam().text).toHex(), QByteArray(GetParam().hex));
}

INSTANTIATE_TEST_SUITE_P(
    Characters, GbkTextTest,
    ::testing::Values(
        EncodingCase{"Empty", QString(), ""},
        EncodingCase{"Ascii", QStringLiteral("a.txt\r\n"), "612e7478740d0a"},
        EncodingCase{"IdeographicSpace", QStringLiteral("\u3000"), "a1a1"},
        EncodingCase{"Chinese", QStringLiteral("中文"), "d6d0cec4"},
        EncodingCase{"EuroSignAsCodePage936", QStringLiteral("€"), "80"},
        EncodingCase{"Emoji", QStringLiteral("😀"), "9439fc36"},
        EncodingCase{"Korean", QStringLiteral("한"), "83368433"},
        EncodingCase{"KatakanaMiddleDot", QStringLiteral("・"), "8139a739"},
        EncodingCase{"EmojiBetweenChinese", QStringLiteral("中😀文"), "d6d09439fc36cec4"},
        EncodingCase{"GbkAfterAFallback", QStringLiteral("한中한a"), "83368433d6d08336843361"},
        EncodingCase{"LoneHighSurrogateAtEnd", QStringLiteral("a") + QChar(0xD83D), "618431a437"},
        EncodingCase{"LoneLowSurrogateInside",
                     QStringLiteral("a") + QChar(0xDE00) + QStringLiteral("b"), "618431a43762"},
        EncodingCase{"TwoHighSurrogates", QString(2, QChar(0xD83D)), "8431a4378431a437"}),
    CaseName());

} // namespace
