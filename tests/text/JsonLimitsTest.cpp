#include "JsonTestSupport.h"
#include "text/BoundedLog.h"
#include "text/JSON.h"

#include <gtest/gtest.h>

namespace {

constexpr qsizetype LogLimit = 32 * 1024; // 64 KiB of UTF-16

const ParseCase IntegerCases[] = {
    {"Int32MaximumPlusOne", u"{'n':2147483648}", u"{n=i:2147483648}", u""},
    {"FourGiB", u"[4294967296]", u"[i:4294967296]", u""},
    {"OneTiB", u"[1099511627776]", u"[i:1099511627776]", u""},
    {"Int64Maximum", u"[9223372036854775807]", u"[i:9223372036854775807]", u""},
    {"Int64Minimum", u"[-9223372036854775808]", u"[i:-9223372036854775808]", u""},
    {"LeadingZerosDoNotCount", u"[00000000000000000000000001]", u"[i:1]", u""},
    {"BeyondInt64", u"{'n':9223372036854775808}", u"{}", u"Number out of range: n\r\n"},
    {"BelowInt64", u"[-9223372036854775809]", u"[]", u"Number out of range: ]\r\n"},
    {"ThirtyDigits", u"[123456789012345678901234567890,1]", u"[]", u"Number out of range: ,1]\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Integers, ParseJsonCases, ::testing::ValuesIn(IntegerCases),
                         ParseCaseName);

QString repeated(const QString& piece, int times)
{
    return piece.repeated(times);
}

int arrayDepth(const JsonValue& value)
{
    int depth = 0;
    for (const JsonValue* v = &value; v && v->array(); ++depth)
        v = v->array()->Count() > 0 ? &v->array()->Item(1) : nullptr;
    return depth;
}

TEST(Nesting, FiveHundredTwelveLevelsAreRead)
{
    const auto root = ParseJson(repeated(u"["_qs, 512) + repeated(u"]"_qs, 512));
    ASSERT_TRUE(root);
    EXPECT_EQ(ParseErrors(), QString());
    EXPECT_EQ(arrayDepth(*root), 512);
}

TEST(Nesting, OneLevelMoreFailsAtEveryLevel)
{
    const auto root = ParseJson(repeated(u"["_qs, 513) + repeated(u"]"_qs, 513));
    ASSERT_TRUE(root);
    EXPECT_EQ(arrayDepth(*root), 512);
    const QString line = u"Nesting too deep: ["_qs + repeated(u"]"_qs, 19) + u"\r\n"_qs;
    EXPECT_EQ(ParseErrors(), repeated(line, 512));
}

TEST(Nesting, ObjectsNameTheirKeys)
{
    const auto root = ParseJson(repeated(u"{a:"_qs, 600) + u"1"_qs + repeated(u"}"_qs, 600));
    ASSERT_TRUE(root && root->object());
    EXPECT_EQ(ParseErrors(), repeated(u"Nesting too deep: a\r\n"_qs, 512));
}

TEST(Nesting, HundredThousandOpeningBracketsDoNotOverflowTheStack)
{
    const auto root = ParseJson(repeated(u"["_qs, 100000));
    ASSERT_TRUE(root);
    EXPECT_EQ(arrayDepth(*root), 512);
    const QString line = u"Nesting too deep: "_qs + repeated(u"["_qs, 20) + u"\r\n"_qs;
    EXPECT_EQ(ParseErrors(), repeated(line, 512));
}

TEST(Nesting, DepthCountsOpenContainersOnly)
{
    // Many siblings at a shallow depth are not nesting.
    const auto root = ParseJson(u"["_qs + repeated(u"[[]] "_qs, 2000) + u"]"_qs);
    ASSERT_TRUE(root && root->array());
    EXPECT_EQ(root->array()->Count(), 2000);
    EXPECT_EQ(ParseErrors(), QString());
}

TEST(ArrayProgress, BadLiteralsEndTheArrayAtOnce)
{
    const auto root = ParseJson(u"["_qs + repeated(u"tru,"_qs, 100000) + u"]"_qs);
    ASSERT_TRUE(root && root->array());
    EXPECT_EQ(Describe(*root), u"[false]"_qs);
    EXPECT_TRUE(ParseErrors().startsWith(u"Invalid Boolean at position 2 : tru,tru,"_qs));
    EXPECT_TRUE(ParseErrors().endsWith(BoundedLog::closingLine().toString()));
}

TEST(BoundedErrorLog, HostileTextKeepsTheLogSmallAndParsingGoesOn)
{
    // Each bad literal would quote the rest of a 600 KB text.
    QString text = u"{"_qs;
    for (int i = 0; i < 100000; ++i)
        text += u"k"_qs + QString::number(i) + u":tru "_qs;
    const auto root = ParseJson(text);
    ASSERT_TRUE(root && root->object());
    // The literal's text becomes part of the next key: k0, truk1, truk2, ...
    EXPECT_EQ(root->object()->Count(), 100000 + 2);
    EXPECT_FALSE(root->object()->Item(u"truk99999"_qs).toBool());
    const QString log = ParseErrors();
    EXPECT_EQ(log.size(), LogLimit);
    EXPECT_TRUE(log.startsWith(u"Invalid Boolean at position 5 : tru k1:tru k2:"_qs));
    EXPECT_TRUE(log.endsWith(u"\r\n"_qs + BoundedLog::closingLine().toString()));
}

TEST(BoundedErrorLog, LinesStayExactUntilTheBound)
{
    // Every member's key lacks its colon: one short line each.
    QString text = u"{"_qs;
    QStringList expected;
    for (int i = 0; i < 5000; ++i) {
        const QString key = u"key"_qs + QString::number(i);
        text += u"'"_qs + key + u"' "_qs;
        expected.append(u"Invalid Key at position "_qs + QString::number(text.size() + 1) +
                        u" : "_qs + key + u"\r\n"_qs);
        text += QString::number(i) + u" "_qs;
    }
    text += u"}"_qs;
    const auto root = ParseJson(text);
    ASSERT_TRUE(root && root->object());
    EXPECT_EQ(root->object()->Count(), 5000);
    EXPECT_EQ(root->object()->Item(u"key4999"_qs).toInteger(), 4999);

    QString log = ParseErrors();
    ASSERT_LE(log.size(), LogLimit);
    ASSERT_TRUE(log.endsWith(BoundedLog::closingLine().toString()));
    log.chop(BoundedLog::closingLine().size());
    const QStringList lines = log.split(u"\r\n"_qs);
    ASSERT_GT(lines.size(), 100);
    ASSERT_LT(lines.size(), 5000);
    for (int i = 0; i < lines.size() - 2; ++i)
        EXPECT_EQ(lines[i] + u"\r\n"_qs, expected[i]) << "line " << i;
    // The last line is cut, the text after its line end is empty.
    EXPECT_TRUE(expected[lines.size() - 2].startsWith(lines[lines.size() - 2]));
    EXPECT_TRUE(lines.last().isEmpty());
}

TEST(BoundedErrorLog, NextParseStartsAFreshLog)
{
    ParseJson(u"{"_qs + repeated(u"a:nul "_qs, 20000));
    ASSERT_TRUE(ParseErrors().endsWith(BoundedLog::closingLine().toString()));
    ParseJson(u"[tru]"_qs);
    EXPECT_EQ(ParseErrors(), u"Invalid Boolean at position 2 : tru]\r\n"
                             u"Unreadable array member at position 2 : tru]\r\n"_qs);
}

} // namespace
