#include "platform/ResponseText.h"

#include "CaseName.h"

#include <gtest/gtest.h>

namespace {

struct CharsetCase
{
    const char* contentType;
    const char* charset;
};

class CharsetOfTest : public ::testing::TestWithParam<CharsetCase>
{
};

TEST_P(CharsetOfTest, FindsTheCharsetParameter)
{
    EXPECT_EQ(CharsetOf(GetParam().contentType), QByteArray(GetParam().charset));
}

INSTANTIATE_TEST_SUITE_P(ContentTypes, CharsetOfTest,
                         ::testing::Values(CharsetCase{"text/html; charset=GBK", "GBK"},
                                           CharsetCase{"text/html;charset=\"utf-8\"", "utf-8"},
                                           CharsetCase{"Text/HTML; Charset = gb2312 ", "gb2312"},
                                           CharsetCase{"text/html; foo=bar; charset=big5", "big5"},
                                           CharsetCase{"text/html; xcharset=big5", ""},
                                           CharsetCase{"text/plain", ""}, CharsetCase{"", ""},
                                           CharsetCase{"charset=GBK", ""}));

struct DecodeCase
{
    const char* name;
    QByteArray body;
    const char* contentType;
    QString text;
};

class DecodeResponseTextTest : public ::testing::TestWithParam<DecodeCase>
{
};

TEST_P(DecodeResponseTextTest, DecodesByTheDeclaredCharset)
{
    EXPECT_EQ(DecodeResponseText(GetParam().body, GetParam().contentType), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, DecodeResponseTextTest,
    ::testing::Values(
        DecodeCase{"Gbk", QByteArray("\xD6\xD0\xCE\xC4"), "text/html; charset=GBK",
                   QStringLiteral("中文")},
        DecodeCase{"Gb2312LowerCase", QByteArray("\xD6\xD0"), "text/html; charset=gb2312",
                   QStringLiteral("中")},
        DecodeCase{"Latin1", QByteArray("caf\xE9"), "text/plain; charset=ISO-8859-1",
                   QStringLiteral("café")},
        DecodeCase{"NoCharsetIsUtf8", QByteArray("\xE4\xB8\xAD"), "application/json",
                   QStringLiteral("中")},
        DecodeCase{"NoContentTypeIsUtf8", QByteArray("\xE4\xB8\xAD"), "", QStringLiteral("中")},
        DecodeCase{"UnknownCharsetIsUtf8", QByteArray("\xE4\xB8\xAD"), "text/html; charset=x-nope",
                   QStringLiteral("中")},
        DecodeCase{"ByteOrderMarkDropped", QByteArray("\xEF\xBB\xBF{}"), "", QStringLiteral("{}")},
        DecodeCase{"InvalidUtf8Replaced",
                   QByteArray("a\xFF"
                              "b"),
                   "", QStringLiteral("a\uFFFDb")}),
    CaseName());

} // namespace
