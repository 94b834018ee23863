#include "JsonTestSupport.h"
#include "text/JSON.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QString readFixture(const char* name)
{
    QFile file(QStringLiteral(ZORBEL_TEXT_DATA "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot open fixture " << name;
    return QString::fromUtf8(file.readAll());
}

// Follows a path like "data/3/n": object keys and 1-based array positions.
const JsonValue& at(const JsonValue& root, const QString& path)
{
    const JsonValue* value = &root;
    for (const QString& step : path.split(u'/')) {
        if (value->object())
            value = &value->object()->Item(step);
        else if (value->array())
            value = &value->array()->Item(step.toInt());
        else
            ADD_FAILURE() << "path " << path.toStdString() << " leaves the tree at "
                          << step.toStdString();
    }
    return *value;
}

// One member of a parsed fixture: where it is, its kind and its text.
struct Probe
{
    const char* fixture;
    const char* path;
    JsonKind kind;
    const char16_t* text;
};

std::ostream& operator<<(std::ostream& out, const Probe& probe)
{
    return out << probe.fixture << ':' << probe.path;
}

class Fixtures : public ::testing::TestWithParam<Probe>
{
};

TEST_P(Fixtures, HoldTheExpectedMember)
{
    const Probe& probe = GetParam();
    const auto root = ParseJson(readFixture(probe.fixture));
    ASSERT_TRUE(root);
    if (QByteArray(probe.fixture) != "listing_truncated.json") {
        EXPECT_EQ(ParseErrors(), QString());
    }
    const JsonValue& value = at(*root, QString::fromLatin1(probe.path));
    EXPECT_EQ(value.kind(), probe.kind);
    EXPECT_EQ(value.toString(), QString::fromUtf16(probe.text));
}

using K = JsonKind;
const Probe Probes[] = {
    {"listing_list.json", "count", K::Integer, u"57"},
    {"listing_list.json", "state", K::Boolean, u"true"},
    {"listing_list.json", "data/1/n", K::String, u"我的文档"},
    {"listing_list.json", "data/1/fid", K::Empty, u""},
    {"listing_list.json", "data/1/t", K::String, u"1344257890"},
    {"listing_list.json", "data/6/category_file_count", K::Integer, u"22"},
    {"listing_list.json", "data/7/n", K::String, u"年会视频.mp4"},
    {"listing_list.json", "data/7/s", K::Integer, u"1023"},
    {"listing_list.json", "data/13/s", K::Integer, u"2147483648"},
    {"listing_list.json", "data/16/s", K::Integer, u"1099511627775"},
    {"listing_list.json", "data/17/s", K::Integer, u"1099511627776"},
    {"listing_list.json", "data/17/n", K::String, u"ubuntu-12.04-desktop-amd64.iso"},
    {"listing_list.json", "data/30/s", K::Integer, u"5368709120"},
    {"listing_list.json", "data/30/t", K::String, u"2012-08-24 23:41"},
    {"listing_list.json", "data/31", K::Empty, u""},
    {"listing_keyed.json", "data/0/n", K::String, u"我的文档"},
    {"listing_keyed.json", "data/1/s", K::Integer, u"2147483648"},
    {"listing_keyed.json", "data/2/s", K::Integer, u"1099511627776"},
    {"listing_keyed.json", "data/4/s", K::Integer, u"512"},
    {"listing_keyed.json", "count", K::Integer, u"5"},
    {"listing_escapes.json", "data/1/n", K::String, u"他说\"你好\".txt"},
    {"listing_escapes.json", "data/2/n", K::String, u"C:\\backup\\2012/08.zip"},
    {"listing_escapes.json", "data/3/n", K::String, u"中文名.txt"},
    {"listing_escapes.json", "data/4/n", K::String, u"tab\there\r\nline.txt"},
    {"listing_escapes.json", "data/5/n", K::String, u"smile \U0001F600.png"},
    {"listing_escapes.json", "data/6/n", K::String, u"it's 文件夹"},
    {"listing_escapes.json", "data/6/sh", K::Boolean, u"false"},
    {"listing_big_sizes.json", "data/1/s", K::Integer, u"2147483647"},
    {"listing_big_sizes.json", "data/2/s", K::Integer, u"2147483648"},
    {"listing_big_sizes.json", "data/3/s", K::Integer, u"48318382080"},
    {"listing_big_sizes.json", "data/4/s", K::Integer, u"1099511627775"},
    {"listing_big_sizes.json", "data/5/s", K::Integer, u"1099511627776"},
    {"listing_big_sizes.json", "data/6/s", K::String, u"3221225472"},
    {"listing_big_sizes.json", "data/7/s", K::Integer, u"9223372036854775807"},
    {"listing_truncated.json", "data/2/n", K::String, u"照片"},
    {"listing_truncated.json", "data/3/n", K::String, u"视"},
    {"listing_truncated.json", "count", K::Empty, u""},
};
INSTANTIATE_TEST_SUITE_P(Listings, Fixtures, ::testing::ValuesIn(Probes));

TEST(Fixtures, ListingsHaveTheirEntries)
{
    const auto list = ParseJson(readFixture("listing_list.json"));
    ASSERT_TRUE(list);
    EXPECT_EQ(at(*list, u"data"_qs).array()->Count(), 30);
    EXPECT_EQ(at(*list, u"data/7"_qs).object()->Count(), 18);

    const auto keyed = ParseJson(readFixture("listing_keyed.json"));
    ASSERT_TRUE(keyed);
    EXPECT_EQ(at(*keyed, u"data"_qs).object()->keys(),
              QStringList({u"0"_qs, u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs}));
}

TEST(Fixtures, BigSizesAreNumbers)
{
    const auto root = ParseJson(readFixture("listing_big_sizes.json"));
    ASSERT_TRUE(root);
    EXPECT_EQ(at(*root, u"data/2/s"_qs).toInteger(), Q_INT64_C(2147483648));
    EXPECT_EQ(at(*root, u"data/5/s"_qs).toInteger(), Q_INT64_C(1099511627776));
    EXPECT_EQ(at(*root, u"data/6/s"_qs).toInteger(), Q_INT64_C(3221225472));
    EXPECT_TRUE(at(*root, u"data/6/sh"_qs).toBool());
    EXPECT_FALSE(at(*root, u"data/1/sh"_qs).toBool());
}

TEST(Fixtures, TruncatedListingGivesPartialTreeAndOneLinePerLevel)
{
    const auto root = ParseJson(readFixture("listing_truncated.json"));
    ASSERT_TRUE(root);
    EXPECT_EQ(ParseErrors(), u"Duplicate key: \r\nDuplicate key: \r\nDuplicate key: data\r\n"_qs);
    EXPECT_EQ(at(*root, u"data"_qs).array()->Count(), 3);
}

} // namespace
