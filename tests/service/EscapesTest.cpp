#include "CaseName.h"
#include "service/httpxml.h"
#include "service/qita.h"

#include <gtest/gtest.h>

namespace {

struct TextCase
{
    const char* name;
    QString input;
    QString expected;
};

class UnescapeTextTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(UnescapeTextTest, Decodes)
{
    EXPECT_EQ(UnescapeText(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, UnescapeTextTest,
    ::testing::Values(
        TextCase{"UnicodeEscape", R"(\u4e2d)", QStringLiteral("中")},
        TextCase{"UnicodeEscapeUpperDigits", R"(a\u4E2Db)", QStringLiteral("a中b")},
        TextCase{"UpperCaseUIsNoEscape", R"(\U4e2d)", R"(\U4e2d)"},
        TextCase{"QuoteInAString", R"({"n":"a\u0022b"})", R"({"n":"a\"b"})"},
        TextCase{"PercentQuoteInAString", R"({"n":"a%22b"})", R"({"n":"a\"b"})"},
        TextCase{"BackslashInAString", R"(["a\u005cb%5c"])", R"(["a\\b\\"])"},
        TextCase{"ControlsInAString", R"(["%0A\u0009%1f"])", R"(["\u000a\u0009\u001f"])"},
        TextCase{"DecodedQuoteOutsideAStringStaysBare", R"({\u0022n\u0022:1})", R"({"n":1})"},
        TextCase{"EscapedQuoteKeepsTheStringOpen", R"(["a\"%22",%22])", R"(["a\"\"","])"},
        TextCase{"DecodedUnitCompletesABackslash", R"(["a\%22b"])", R"(["a\"b"])"},
        TextCase{"StringEndsAtItsOwnQuote", R"(["a"%0A,"%0A"])", "[\"a\"\n,\"\\u000a\"]"},
        TextCase{"SurrogatePairAsTwoUnits", R"(\ud83d\ude00)", QStringLiteral("😀")},
        TextCase{"NulEscape", R"(x\u0000y)", QString::fromUtf16(u"x\0y", 3)},
        TextCase{"PercentEscapes", "%41%4a", "AJ"},
        TextCase{"PercentIsACodeNotAByte", "%E4%B8%AD", QStringLiteral("\u00E4\u00B8\u00AD")},
        TextCase{"PercentSign", "%25", "%"}, TextCase{"DecodedPercentNotRescanned", "%2541", "%41"},
        TextCase{"DecodedBackslashNotRescanned", R"(\u005cu0041)", R"(\u0041)"},
        TextCase{"DoubledBackslash", R"(\\u4e2d)", QStringLiteral("\\中")},
        TextCase{"PercentBeforeEscape", "%%41", "%A"},
        TextCase{"UnicodeCutShort", R"(ab\u4e)", R"(ab\u4e)"},
        TextCase{"UnicodeOneDigitShort", R"(ab\u4e2)", R"(ab\u4e2)"},
        TextCase{"BackslashUAtEnd", R"(ab\u)", R"(ab\u)"},
        TextCase{"PercentCutShort", "ab%4", "ab%4"}, TextCase{"PercentAtEnd", "ab%", "ab%"},
        TextCase{"PercentNotHex", "%zz%4g", "%zz%4g"},
        TextCase{"UnicodeNotHex", R"(\uzzzz\u12g4)", R"(\uzzzz\u12g4)"},
        TextCase{"LoneBackslash", R"(a\b)", R"(a\b)"}, TextCase{"Empty", "", ""},
        TextCase{"PlainTextUnchanged", QStringLiteral("中文 text"), QStringLiteral("中文 text")}),
    CaseName());

struct CookieCase
{
    const char* name;
    QString headers;
    QString expected;
};

class ExtractSetCookieTest : public ::testing::TestWithParam<CookieCase>
{
};

TEST_P(ExtractSetCookieTest, FindsTheOofaCookie)
{
    EXPECT_EQ(ExtractSetCookie(GetParam().headers, "OOFA"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ExtractSetCookieTest,
    ::testing::Values(
        CookieCase{"WithPath", "HTTP/1.1 200 OK\r\nSet-Cookie: OOFA=abc; path=/\r\n\r\n",
                   "OOFA=abc"},
        CookieCase{"LongerNameMatches", "Set-Cookie: OOFAX=1; path=/\r\n", "OOFAX=1"},
        CookieCase{"LowerCaseHeaderDoesNotMatch", "set-cookie: OOFA=1; path=/\r\n", ""},
        CookieCase{"NoBlankAfterColon", "Set-Cookie:OOFA=1; path=/\r\n", ""},
        CookieCase{"OtherCookieSkipped",
                   "Set-Cookie: SID=9; path=/\r\nSet-Cookie: OOFA=2; path=/\r\n", "OOFA=2"},
        CookieCase{"FirstOfTwo", "Set-Cookie: OOFA=a; path=/\r\nSet-Cookie: OOFA=b; path=/\r\n",
                   "OOFA=a"},
        CookieCase{"EmptyValue", "Set-Cookie: OOFA=; path=/\r\n", "OOFA="},
        CookieCase{"NoAttributesEndsAtItsLine",
                   "Set-Cookie: OOFA=abc\r\nContent-Type: text/html; charset=utf-8\r\n\r\n",
                   "OOFA=abc"},
        CookieCase{"NoAttributesBareLineFeed", "Set-Cookie: OOFA=abc\nX-Next: a;b\n", "OOFA=abc"},
        CookieCase{"NoAttributesBareCarriageReturn", "Set-Cookie: OOFA=abc\rX-Next: a;b",
                   "OOFA=abc"},
        CookieCase{"NoAttributesAtTheEnd", "Set-Cookie: OOFA=abc", "OOFA=abc"},
        CookieCase{"NoCookie", "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n", ""},
        CookieCase{"Empty", "", ""}),
    CaseName());

TEST(ExtractSetCookieNameTest, LooksForTheGivenName)
{
    EXPECT_EQ(ExtractSetCookie("Set-Cookie: OOFA=1; a\r\nSet-Cookie: SID=2; b\r\n", "SID"),
              "SID=2");
}

class EncodeUtf8PercentTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(EncodeUtf8PercentTest, EncodesEveryByte)
{
    EXPECT_EQ(EncodeUtf8Percent(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EncodeUtf8PercentTest,
    ::testing::Values(TextCase{"Letters", "abc", "%61%62%63"},
                      TextCase{"LettersAndDigits", "A1z9", "%41%31%7A%39"},
                      TextCase{"Space", " ", "%20"}, TextCase{"FormDelimiters", "&=", "%26%3D"},
                      TextCase{"Tab", "\t", "%09"}, TextCase{"Delete", "\x7f", "%7F"},
                      TextCase{"TwoByteCharacter", QStringLiteral("é"), "%C3%A9"},
                      TextCase{"ChineseCharacter", QStringLiteral("中"), "%E4%B8%AD"},
                      TextCase{"FourByteCharacter", QStringLiteral("😀"), "%F0%9F%98%80"},
                      TextCase{"Empty", "", ""}),
    CaseName());

} // namespace
