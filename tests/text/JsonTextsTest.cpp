#include "text/JsonTexts.h"

#include "JsonTestSupport.h"
#include "text/JSON.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(JsonTexts, StoredTextsStayPutWhileMoreAreStored)
{
    JsonTexts texts(QString{});
    std::vector<std::pair<QStringView, QString>> stored;
    for (int i = 0; i < 5000; ++i) {
        const QString text = QString::number(i).repeated(1 + i % 7);
        stored.emplace_back(texts.store(text), text);
    }
    stored.emplace_back(texts.store(QString(40000, u'x')), QString(40000, u'x')); // beyond a block
    stored.emplace_back(texts.store(u"after"), u"after"_qs);
    for (const auto& [view, text] : stored)
        EXPECT_EQ(view, text);
    EXPECT_TRUE(texts.store(QStringView()).isEmpty());
}

TEST(JsonTexts, ParsedTextWithoutOwnStorageIsCopied)
{
    QString buffer = u"['raw']"_qs;
    JsonTexts texts(QString::fromRawData(buffer.constData(), buffer.size()));
    const QStringView parsed = texts.parsed();
    buffer.fill(u'-');
    EXPECT_EQ(parsed, u"['raw']");
}

TEST(ParsedTree, OutlivesTheTextItWasParsedFrom)
{
    std::optional<JsonValue> root;
    {
        QString text = u"{'a b':'plain','c':'esc\\naped'}"_qs;
        root = ParseJson(text);
        text.fill(u'#'); // the caller's copy changes; the tree keeps the original
    }
    EXPECT_EQ(Describe(root), u"{ab=\"plain\",c=\"esc\naped\"}"_qs);
}

TEST(ParsedTree, RawDataInputIsNotReferenced)
{
    QString buffer = u"['raw data']"_qs;
    const auto root = ParseJson(QString::fromRawData(buffer.constData(), buffer.size()));
    buffer.fill(u'#');
    EXPECT_EQ(Describe(root), u"[\"raw data\"]"_qs);
}

TEST(ParsedTree, CopiesOwnKeysAndStringsAfterTheRootIsGone)
{
    JsonValue name;
    JsonObject entry;
    {
        const auto root = ParseJson(u"{'data':[{'n':'a\\tb','first name':'x'}]}"_qs);
        ASSERT_TRUE(root);
        const JsonValue& first = root->object()->Item(u"data"_qs).array()->Item(1);
        name = first.object()->Item(u"n"_qs);
        entry = *first.object();
    }
    ParseJson(u"{'n':'overwrite what was freed'}"_qs);
    EXPECT_EQ(name.toString(), u"a\tb"_qs);
    EXPECT_EQ(entry.keys(), QStringList({u"n"_qs, u"firstname"_qs}));
    EXPECT_EQ(entry.Item(u"firstname"_qs).toString(), u"x"_qs);
}

TEST(ParsedTree, LongEscapedStringsAreKeptWhole)
{
    const QString piece = u"\\u4e2d\\\"x"_qs; // 中"x
    const auto root = ParseJson(u"['"_qs + piece.repeated(20000) + u"','next']"_qs);
    ASSERT_TRUE(root && root->array());
    EXPECT_EQ(root->array()->Item(1).toString(), u"中\"x"_qs.repeated(20000));
    EXPECT_EQ(root->array()->Item(2).toString(), u"next"_qs);
    EXPECT_EQ(ParseErrors(), QString());
}

} // namespace
