#include "JsonTestSupport.h"
#include "text/JSON.h"

#include <gtest/gtest.h>

namespace {

TEST_P(ParseJsonCases, GivesTreeAndLog)
{
    const ParseCase& c = GetParam();
    const std::optional<JsonValue> root = ParseJson(QString::fromUtf16(c.text));
    EXPECT_EQ(Describe(root), QString::fromUtf16(c.tree));
    EXPECT_EQ(ParseErrors(), QString::fromUtf16(c.log));
}

const ParseCase RootCases[] = {
    {"EmptyText", u"", u"absent", u"Invalid JSON"},
    {"BlanksOnly", u" \t\r\n ", u"absent", u"Invalid JSON"},
    {"OtherFirstCharacter", u"x{}", u"absent", u"Invalid JSON"},
    {"TopLevelScalar", u"12", u"absent", u"Invalid JSON"},
    {"CommentOnly", u"/* nothing */", u"absent", u"Invalid JSON"},
    {"EmptyObject", u"{}", u"{}", u""},
    {"EmptyArray", u"[]", u"[]", u""},
    {"ParenthesesAreFiller", u"({'a':1})", u"{a=i:1}", u""},
    {"BlockCommentBeforeRoot", u"/* note */ [1]", u"[i:1]", u""},
    {"LineCommentBeforeRoot", u"// note\n[1]", u"[i:1]", u""},
    {"TextAfterRootIgnored", u"[1] trailing {garbage", u"[i:1]", u""},
    {"ObjectInArray", u"[{'a':[]},{}]", u"[{a=[]},{}]", u""},
};
INSTANTIATE_TEST_SUITE_P(Root, ParseJsonCases, ::testing::ValuesIn(RootCases), ParseCaseName);

const ParseCase FillerCases[] = {
    {"StarSlashOpensLineComment", u"*/ comment\n[1]", u"[i:1]", u""},
    {"StarStarOpensBlockComment", u"** block * / [2]", u"[i:2]", u""},
    {"SecondStarCancelsFirst", u"/* x ** / [9] */ [3]", u"[i:3]", u""},
    {"SingleSlashEndsLineComment", u"// a / [4]", u"[i:4]", u""},
    {"LoneSlashIsBlank", u"/ [5]", u"[i:5]", u""},
    {"LoneStarIsBlank", u"* [6]", u"[i:6]", u""},
    {"LineEndInsideBlockComment", u"/* a\n [7] */ [8]", u"[i:8]", u""},
    {"CrEndsLineComment", u"// x\r[1]", u"[i:1]", u""},
    {"FillerBetweenItems", u"[1 /* c */ 2 // d\n 3]", u"[i:1,i:2,i:3]", u""},
    {"ParenthesesAroundValue", u"[(1)]", u"[i:1]", u""},
    {"TabsAndBlanks", u"\t[ 1 ,\t2 ]", u"[i:1,i:2]", u""},
    // Keys do not skip filler inside themselves.
    {"CommentInsideKeyIsKeyText", u"{a /*x*/ :1}", u"{a/*x*/=i:1}", u""},
};
INSTANTIATE_TEST_SUITE_P(Filler, ParseJsonCases, ::testing::ValuesIn(FillerCases), ParseCaseName);

const ParseCase ContainerCases[] = {
    {"OptionalCommas", u"[1 2,3]", u"[i:1,i:2,i:3]", u""},
    {"LeadingComma", u"[,1]", u"[i:1]", u""},
    {"TrailingCommaInArray", u"[1,]", u"[i:1]", u"Number conversion failed: ]\r\n"},
    {"CommaOnlyArray", u"[,]", u"[]", u"Number conversion failed: ]\r\n"},
    {"MembersWithoutCommas", u"{a:1 b:2}", u"{a=i:1,b=i:2}", u""},
    {"DuplicateKey", u"{'a':1,'a':2}", u"{a=i:1}", u"Duplicate key: a\r\n"},
    {"NestedFailurePropagates", u"{'list':[1,x]}", u"{list=[i:1]}",
     u"Number conversion failed: x]}\r\nNumber conversion failed: list\r\n"},
    {"FailureEndsEveryLevel", u"[[[x]] 5]", u"[[[]]]",
     u"Number conversion failed: x]] 5]\r\nNumber conversion failed: x]] 5]\r\n"
     u"Number conversion failed: x]] 5]\r\n"},
    {"StringWithoutClosingQuote", u"{'s':'abc", u"{s=\"abc\",=E}", u"Duplicate key: \r\n"},
    {"NumberRunsIntoEnd", u"{'n':5", u"{n=E,=E}", u"Duplicate key: \r\n"},
    {"ObjectOpenAtEnd", u"{", u"{=E}", u"Duplicate key: \r\n"},
    {"TrailingCommaInObject", u"{a:1,}", u"{a=i:1,}=E,=E}", u"Duplicate key: \r\n"},
    {"ArrayRunsIntoEnd", u"[1", u"[E,E]", u"Unreadable array member at position 3 : \r\n"},
    {"ArrayOpenAtEnd", u"[", u"[E]", u"Unreadable array member at position 2 : \r\n"},
};
INSTANTIATE_TEST_SUITE_P(Containers, ParseJsonCases, ::testing::ValuesIn(ContainerCases),
                         ParseCaseName);

const ParseCase KeyCases[] = {
    {"UnquotedKey", u"{a:1}", u"{a=i:1}", u""},
    {"DoubleQuotedKey", u"{\"a\":1}", u"{a=i:1}", u""},
    {"BlanksDroppedFromKey", u"{'first name':'x'}", u"{firstname=\"x\"}", u""},
    {"AllBlankKindsDropped", u"{'a b\tc\r\nd':1}", u"{abcd=i:1}", u""},
    {"BackslashStaysInKey", u"{a\\b:1}", u"{a\\b=i:1}", u""},
    {"BracketsAreKeyText", u"{[x],:1}", u"{[x],=i:1}", u""},
    {"ColonInsideQuotes", u"{'a:b':1}", u"{a:b=i:1}", u""},
    {"EmptyKeyAtColon", u"{:1}", u"{=i:1}", u""},
    {"KeyNotFollowedByColon", u"{'a' 1}", u"{a=i:1}", u"Invalid Key at position 6 : a\r\n"},
    {"KeyThenBadValue", u"{'a'  x:1}", u"{}",
     u"Invalid Key at position 7 : a\r\nNumber conversion failed: a\r\n"},
    // A quote of the other kind toggles its own flag, so the ":" stays inside.
    {"OtherQuoteInsideKey", u"{'it\"s':1}", u"{its:1}=E,=E}", u"Duplicate key: \r\n"},
    {"CaseSensitiveKeys", u"{a:1,A:2}", u"{a=i:1,A=i:2}", u""},
};
INSTANTIATE_TEST_SUITE_P(Keys, ParseJsonCases, ::testing::ValuesIn(KeyCases), ParseCaseName);

const ParseCase StringCases[] = {
    {"SingleAndDoubleQuotes", u"['a',\"b\"]", u"[\"a\",\"b\"]", u""},
    {"UnicodeEscape", u"['\\u4e2d']", u"[\"中\"]", u""},
    {"UnicodeEscapeUpperCase", u"['\\u4E2D\\u0041']", u"[\"中A\"]", u""},
    {"UnknownEscapeKeepsCharacter", u"['\\x']", u"[\"x\"]", u""},
    {"EscapedSlash", u"['\\/']", u"[\"/\"]", u""},
    {"EscapedQuotesAndBackslash", u"['\\'\\\"\\\\']", u"[\"'\"\\\"]", u""},
    {"OtherQuoteIsText", u"['a\"b',\"it's\"]", u"[\"a\"b\",\"it's\"]", u""},
    {"ControlEscapes", u"['\\b\\f\\n\\r\\t']", u"[\"\b\f\n\r\t\"]", u""},
    {"RawControlCharacters", u"['a\tb\nc']", u"[\"a\tb\nc\"]", u""},
    {"SurrogatePairEscapes", u"['\\ud83d\\ude00']", u"[\"\U0001F600\"]", u""},
    // Hex digits end at the first non-digit, yet four code units are passed.
    {"ShortUnicodeEscape", u"['\\u4e'x']", u"[\"N\"]", u""},
    {"ShortUnicodeEscapeAtEnd", u"['\\u4e']", u"[\"N\",E]",
     u"Unreadable array member at position 9 : \r\n"},
    {"BackslashAtEnd", u"['ab\\", u"[\"ab\",E]", u"Unreadable array member at position 6 : \r\n"},
    {"EmptyStrings", u"['',\"\"]", u"[\"\",\"\"]", u""},
};
INSTANTIATE_TEST_SUITE_P(Strings, ParseJsonCases, ::testing::ValuesIn(StringCases), ParseCaseName);

const ParseCase NumberCases[] = {
    {"Integer", u"{'n':12}", u"{n=i:12}", u""},
    {"PointMakesDouble", u"{'n':12.0}", u"{n=d:12}", u""},
    {"ExponentMakesDouble", u"{'n':1e3}", u"{n=d:1000}", u""},
    {"CapitalExponent", u"{'n':2E-1}", u"{n=d:0.2}", u""},
    {"NegativeInteger", u"{'n':-7}", u"{n=i:-7}", u""},
    {"PlusSignAndLeadingZeros", u"[+5,007,-0]", u"[i:5,i:7,i:0]", u""},
    {"Int32Maximum", u"{'n':2147483647}", u"{n=i:2147483647}", u""},
    {"PointForms", u"[.5,5.,-.5,1.5e+2]", u"[d:0.5,d:5,d:-0.5,d:150]", u""},
    {"DoubleUnderflowIsZero", u"[1e-400]", u"[d:0]", u""},
    {"LoneMinus", u"[-]", u"[]", u"Number conversion failed: ]\r\n"},
    {"TwoPoints", u"[1..2]", u"[]", u"Number conversion failed: ]\r\n"},
    {"ExponentWithoutDigitsBefore", u"[e5]", u"[]", u"Number conversion failed: ]\r\n"},
    {"ExponentWithoutDigits", u"[1e+]", u"[]", u"Number conversion failed: ]\r\n"},
    {"MinusBetweenDigits", u"[1-2]", u"[]", u"Number conversion failed: ]\r\n"},
    {"TrailingSign", u"[5+]", u"[]", u"Number conversion failed: ]\r\n"},
    {"DoubleOverflow", u"{'n':1e400}", u"{}", u"Number out of range: n\r\n"},
    {"LetterAtValue", u"{'a':1,'b':x}", u"{a=i:1}", u"Number conversion failed: b\r\n"},
    {"ClosingBracketAtValue", u"{'a':}", u"{}", u"Number conversion failed: a\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Numbers, ParseJsonCases, ::testing::ValuesIn(NumberCases), ParseCaseName);

const ParseCase LiteralCases[] = {
    {"AllLiterals", u"[true,false,null]", u"[true,false,N]", u""},
    {"LiteralNeedsNoDelimiter", u"[truex]", u"[true]", u"Number conversion failed: x]\r\n"},
    {"BadBooleanInArray", u"[tru]", u"[false]",
     u"Invalid Boolean at position 2 : tru]\r\nUnreadable array member at position 2 : tru]\r\n"},
    {"BadNullInArray", u"[1,nul]", u"[i:1,E]",
     u"Invalid null value at position 4 : nul]\r\n"
     u"Unreadable array member at position 4 : nul]\r\n"},
    // In an object the bad literal's text is read as the next key.
    {"BadBooleanInObject", u"{'a':tru}", u"{a=false,tru}=E,=E}",
     u"Invalid Boolean at position 6 : tru}\r\nDuplicate key: \r\n"},
    {"BadNullInObject", u"{'a':nil,'b':1}", u"{a=E,nil,b=i:1}",
     u"Invalid null value at position 6 : nil,'b':1}\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Literals, ParseJsonCases, ::testing::ValuesIn(LiteralCases),
                         ParseCaseName);

TEST(ParseJson, LooksUpMembersExactly)
{
    const std::optional<JsonValue> root = ParseJson(u"{'a':true,'b':null,'c':false}"_qs);
    ASSERT_TRUE(root && root->object());
    const JsonObject& object = *root->object();
    EXPECT_EQ(object.Item(u"a"_qs).kind(), JsonKind::Boolean);
    EXPECT_TRUE(object.Item(u"a"_qs).toBool());
    EXPECT_EQ(object.Item(u"b"_qs).kind(), JsonKind::Null);
    EXPECT_EQ(object.Item(u"c"_qs).kind(), JsonKind::Boolean);
    EXPECT_FALSE(object.Item(u"c"_qs).toBool());
    EXPECT_EQ(object.Item(u"d"_qs).kind(), JsonKind::Empty);
    EXPECT_EQ(object.Item(u"A"_qs).kind(), JsonKind::Empty);
    EXPECT_EQ(object.Count(), 3);
    EXPECT_EQ(object.keys(), QStringList({u"a"_qs, u"b"_qs, u"c"_qs}));
}

TEST(ParseJson, CleanParseClearsTheLastLog)
{
    EXPECT_FALSE(ParseJson(u"oops"_qs));
    EXPECT_EQ(ParseErrors(), u"Invalid JSON"_qs);
    EXPECT_TRUE(ParseJson(u"[1,]"_qs));
    EXPECT_FALSE(ParseErrors().isEmpty());
    EXPECT_TRUE(ParseJson(u"[1]"_qs));
    EXPECT_EQ(ParseErrors(), QString());
}

TEST(ParseJson, ResetEmptiesTheLog)
{
    ParseJson(u"x"_qs);
    ResetParseErrors();
    EXPECT_EQ(ParseErrors(), QString());
}

TEST(ParseJson, ResultOwnsItsTree)
{
    std::optional<JsonValue> copy;
    {
        const std::optional<JsonValue> root = ParseJson(u"{'a':[1,{'b':'x'}]}"_qs);
        ASSERT_TRUE(root);
        copy = *root;
    }
    ParseJson(u"[2]"_qs);
    EXPECT_EQ(Describe(copy), u"{a=[i:1,{b=\"x\"}]}"_qs);
    JsonValue moved = std::move(*copy);
    EXPECT_EQ(Describe(moved), u"{a=[i:1,{b=\"x\"}]}"_qs);
}

} // namespace
