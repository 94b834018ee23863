#include "JsonTestSupport.h"
#include "text/JSON.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct ConversionCase
{
    const char* name;
    JsonValue value;
    JsonKind kind;
    QString text;
    qint64 integer;
    double real;
    bool truth;
};

std::ostream& operator<<(std::ostream& out, const ConversionCase& c)
{
    return out << c.name;
}

std::vector<ConversionCase> conversionCases()
{
    using K = JsonKind;
    const auto str = [](const char16_t* text) {
        return JsonValue::fromString(QString::fromUtf16(text));
    };
    return {
        {"Empty", JsonValue(), K::Empty, u""_qs, 0, 0.0, false},
        {"Null", JsonValue::null(), K::Null, u""_qs, 0, 0.0, false},
        {"True", JsonValue::fromBool(true), K::Boolean, u"true"_qs, 1, 1.0, true},
        {"False", JsonValue::fromBool(false), K::Boolean, u"false"_qs, 0, 0.0, false},
        {"IntegerZero", JsonValue::fromInteger(0), K::Integer, u"0"_qs, 0, 0.0, false},
        {"IntegerNegative", JsonValue::fromInteger(-7), K::Integer, u"-7"_qs, -7, -7.0, true},
        {"IntegerOneTiB", JsonValue::fromInteger(1099511627776), K::Integer, u"1099511627776"_qs,
         1099511627776, 1099511627776.0, true},
        {"DoubleWhole", JsonValue::fromDouble(12.0), K::Double, u"12"_qs, 12, 12.0, true},
        {"DoubleThousand", JsonValue::fromDouble(1e3), K::Double, u"1000"_qs, 1000, 1000.0, true},
        {"DoubleHalf", JsonValue::fromDouble(0.5), K::Double, u"0.5"_qs, 1, 0.5, true},
        {"DoubleNegativeZero", JsonValue::fromDouble(-0.0), K::Double, u"0"_qs, 0, 0.0, false},
        {"DoubleThreeGiB", JsonValue::fromDouble(3221225472.0), K::Double, u"3221225472"_qs,
         3221225472, 3221225472.0, true},
        {"DoubleHuge", JsonValue::fromDouble(1e21), K::Double, u"1000000000000000000000"_qs,
         std::numeric_limits<qint64>::max(), 1e21, true},
        {"DoubleSmall", JsonValue::fromDouble(1e-7), K::Double, u"0.0000001"_qs, 0, 1e-7, true},
        {"DoubleNegative", JsonValue::fromDouble(-2.5), K::Double, u"-2.5"_qs, -3, -2.5, true},
        {"StringDigits", str(u"12"), K::String, u"12"_qs, 12, 12.0, true},
        {"StringZero", str(u"0"), K::String, u"0"_qs, 0, 0.0, false},
        {"StringZeroPoint", str(u"0.0"), K::String, u"0.0"_qs, 0, 0.0, false},
        {"StringPadded", str(u" 7 "), K::String, u" 7 "_qs, 7, 7.0, true},
        {"StringDouble", str(u"2.5"), K::String, u"2.5"_qs, 3, 2.5, true},
        {"StringTwoGiB", str(u"2147483648"), K::String, u"2147483648"_qs, 2147483648, 2147483648.0,
         true},
        {"StringWord", str(u"abc"), K::String, u"abc"_qs, 0, 0.0, false},
        {"StringTrueWord", str(u"true"), K::String, u"true"_qs, 0, 0.0, false},
        {"StringLeadingDigits", str(u"12abc"), K::String, u"12abc"_qs, 0, 0.0, false},
        {"StringEmpty", str(u""), K::String, u""_qs, 0, 0.0, false},
        {"Object", JsonValue::fromObject(JsonObject()), K::Object, u""_qs, 0, 0.0, false},
        {"Array", JsonValue::fromArray(JsonArray()), K::Array, u""_qs, 0, 0.0, false},
    };
}

class Conversions : public ::testing::TestWithParam<ConversionCase>
{
};

TEST_P(Conversions, GiveTextNumberAndTruth)
{
    const ConversionCase& c = GetParam();
    EXPECT_EQ(c.value.kind(), c.kind);
    EXPECT_EQ(c.value.toString(), c.text);
    EXPECT_EQ(c.value.toInteger(), c.integer);
    EXPECT_DOUBLE_EQ(c.value.toDouble(), c.real);
    EXPECT_EQ(c.value.toBool(), c.truth);
    EXPECT_EQ(c.value.object() != nullptr, c.kind == JsonKind::Object);
    EXPECT_EQ(c.value.array() != nullptr, c.kind == JsonKind::Array);
}

INSTANTIATE_TEST_SUITE_P(JsonValue, Conversions, ::testing::ValuesIn(conversionCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JsonObject, KeepsTheFirstOfTwoEqualKeys)
{
    JsonObject object;
    EXPECT_TRUE(object.insert(u"a"_qs, JsonValue::fromInteger(1)));
    EXPECT_FALSE(object.insert(u"a"_qs, JsonValue::fromInteger(2)));
    EXPECT_TRUE(object.insert(QString(), JsonValue::fromInteger(3)));
    EXPECT_EQ(object.Count(), 2);
    EXPECT_EQ(object.Item(u"a"_qs).toInteger(), 1);
    EXPECT_EQ(object.Item(QString()).toInteger(), 3);
}

TEST(JsonObject, BigObjectsKeepOrderAndFindEveryKey)
{
    JsonObject object;
    QStringList keys;
    for (int i = 0; i < 200; ++i) {
        keys.append(u"k"_qs + QString::number(199 - i));
        ASSERT_TRUE(object.insert(keys.last(), JsonValue::fromInteger(i)));
    }
    EXPECT_EQ(object.keys(), keys);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(object.Item(keys[i]).toInteger(), i);
    EXPECT_FALSE(object.insert(u"k150"_qs, JsonValue()));
    EXPECT_EQ(object.Item(u"k200"_qs).kind(), JsonKind::Empty);
    EXPECT_EQ(object.Count(), 200);
}

TEST(JsonObject, DuplicateLateInABigParsedObject)
{
    QString text = u"{"_qs;
    for (int i = 0; i < 100; ++i)
        text += u"k"_qs + QString::number(i) + u":"_qs + QString::number(i) + u","_qs;
    const auto root = ParseJson(text + u"k50:1, k101:2}"_qs);
    ASSERT_TRUE(root && root->object());
    EXPECT_EQ(ParseErrors(), u"Duplicate key: k50\r\n"_qs);
    EXPECT_EQ(root->object()->Count(), 100);
    EXPECT_EQ(root->object()->Item(u"k50"_qs).toInteger(), 50);
}

TEST(JsonArray, ItemsCountFromOneAndOutsideGiveEmpty)
{
    const auto root = ParseJson(u"['a','b']"_qs);
    ASSERT_TRUE(root && root->array());
    const JsonArray& array = *root->array();
    EXPECT_EQ(array.Item(1).toString(), u"a"_qs);
    EXPECT_EQ(array.Item(2).toString(), u"b"_qs);
    EXPECT_EQ(array.Item(0).kind(), JsonKind::Empty);
    EXPECT_EQ(array.Item(3).kind(), JsonKind::Empty);
    EXPECT_EQ(array.Item(-1).kind(), JsonKind::Empty);
}

TEST(JsonValue, MemberIsEmptyUnlessAnObjectHoldsTheKey)
{
    const auto root = ParseJson(u"{'a':{'b':2},'list':[1]}"_qs);
    ASSERT_TRUE(root);
    EXPECT_EQ(root->member(u"a"_qs).member(u"b"_qs).toInteger(), 2);
    EXPECT_EQ(root->member(u"missing"_qs).kind(), JsonKind::Empty);
    EXPECT_EQ(root->member(u"list"_qs).member(u"1"_qs).kind(), JsonKind::Empty);
    EXPECT_EQ(JsonValue::fromString(u"a"_qs).member(u"a"_qs).kind(), JsonKind::Empty);
}

TEST(JsonValue, CopiesAreDeepAndIndependent)
{
    JsonArray inner;
    inner.append(JsonValue::fromString(u"x"_qs));
    JsonObject object;
    object.insert(u"list"_qs, JsonValue::fromArray(inner));
    const JsonValue original = JsonValue::fromObject(std::move(object));
    JsonValue copy = original;
    EXPECT_NE(copy.object(), original.object());
    EXPECT_NE(copy.object()->Item(u"list"_qs).array(), original.object()->Item(u"list"_qs).array());
    copy = JsonValue::fromInteger(5);
    EXPECT_EQ(Describe(original), u"{list=[\"x\"]}"_qs);
    EXPECT_EQ(Describe(copy), u"i:5"_qs);
}

} // namespace
