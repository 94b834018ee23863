#include "browser/ListingRows.h"

#include "MemoryFileList.h"
#include "QStringPrinter.h"
#include "browser/FileBrowser.h"
#include "browser/SizeText.h"
#include "platform/RecordingDesktop.h"
#include "text/JSON.h"

#include <gtest/gtest.h>
#include <string>

namespace {

/** A browser that is never signed in: rows come from response texts set directly. */
class ListingRows : public ::testing::Test
{
protected:
    void show(const char* response)
    {
        browser.state().setResponseText(QString::fromUtf8(response));
    }

    QStringList row(int index) const
    {
        QStringList texts;
        for (int column = 1; column <= ColumnCount; ++column)
            texts.append(rows.text(index, static_cast<Column>(column)));
        return texts;
    }

    QStringList names() const
    {
        QStringList texts;
        for (int index = 0; index < rows.rowCount(); ++index)
            texts.append(rows.text(index, Column::Name));
        return texts;
    }

    RecordingDesktop desktop;
    MemoryFileList rows;
    FileBrowser browser{rows};
};

const char ListForm[] = R"({"data":[
    {"cid":"1001","n":"我的文档","t":1344257890,"sh":1,"category_file_count":3},
    {"fid":"20001","cid":"0","n":"a.txt","s":1536,"pc":"abc123","t":"2012-08-06 20:58","sh":0}
  ],"count":"2"})";

TEST_F(ListingRows, ListFormGivesOneRowPerEntry)
{
    show(ListForm);
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(row(0), (QStringList{"■我的文档", "3", "", "2012-8-6 20:58:10", "", "1001", "是"}));
    EXPECT_EQ(row(1), (QStringList{"a.txt", "1.50K", "abc123", "2012-08-06 20:58", "#1536#a.txt",
                                   "20001", "否"}));
    EXPECT_EQ(browser.state().pageItemCount(), "2");
    EXPECT_EQ(browser.state().totalCount(), "2");
    EXPECT_FALSE(rows.isTicked(0));
    EXPECT_FALSE(rows.textColour(1, Column::Name).isValid());
}

TEST_F(ListingRows, KeyedFormFollowsTheKeysInTextOrder)
{
    show(R"({"data":{"2":{"fid":"3","n":"c"},"0":{"fid":"1","n":"a"},
                     "1":
                       {"fid":"2","n":"b"}},"count":3})");
    EXPECT_EQ(names(), (QStringList{"c", "a", "b"}));
    EXPECT_EQ(browser.state().pageItemCount(), "3");
    EXPECT_EQ(browser.state().totalCount(), "3");
}

TEST_F(ListingRows, KeyThatDataLacksGivesAnEmptyFolderRow)
{
    show(R"({"data":{"0":{"fid":"1","n":"a"},"x":{"9":{"n":"inner"}}},"count":2})");
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.text(0, Column::Name), "a");
    EXPECT_EQ(rows.text(1, Column::Name), QString(FolderMarker));
    EXPECT_EQ(rows.text(1, Column::Id), "");
    EXPECT_EQ(rows.text(1, Column::Shared), "否");
}

TEST_F(ListingRows, ObjectDataWithoutDigitKeysIsReadInMemberOrder)
{
    show(R"({"data":{"b":{"fid":"2","n":"second"},"a":{"fid":"1","n":"first"}},"count":2})");
    EXPECT_EQ(names(), (QStringList{"second", "first"}));
    show(R"({"data":{},"count":0})");
    EXPECT_EQ(rows.rowCount(), 0);
    EXPECT_EQ(browser.state().totalCount(), "0");
}

TEST_F(ListingRows, EmptyArrayGivesNoRowsAndTheCount)
{
    show(ListForm);
    show(R"({"data":[],"count":0})");
    EXPECT_EQ(rows.rowCount(), 0);
    EXPECT_EQ(browser.state().pageItemCount(), "0");
    EXPECT_EQ(browser.state().totalCount(), "0");
}

TEST_F(ListingRows, ParsingTwiceGivesTheSameRows)
{
    show(ListForm);
    const QStringList first = names();
    browser.ParseListing();
    EXPECT_EQ(names(), first);
    EXPECT_EQ(rows.rowCount(), 2);
}

TEST_F(ListingRows, EveryParseAsksToUntickSelectAll)
{
    int unticks = 0;
    QObject::connect(&browser, &FileBrowser::selectAllUntickRequested, [&] { ++unticks; });
    show(ListForm);
    show("not json");
    browser.ParseListing();
    EXPECT_EQ(unticks, 3);
}

struct UnusableCase
{
    const char* name;
    const char* response;
};

void PrintTo(const UnusableCase& c, std::ostream* out)
{
    *out << c.name;
}

class UnusableListing : public ListingRows, public ::testing::WithParamInterface<UnusableCase>
{
};

TEST_P(UnusableListing, ShowsNothingAndKeepsTheTotal)
{
    show(ListForm);
    show(GetParam().response);
    EXPECT_EQ(rows.rowCount(), 0);
    EXPECT_EQ(browser.state().pageItemCount(), "0");
    EXPECT_EQ(browser.state().totalCount(), "2");
    EXPECT_TRUE(desktop.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Root, UnusableListing,
                         ::testing::Values(UnusableCase{"NotJson", "not json"},
                                           UnusableCase{"Empty", ""},
                                           UnusableCase{"NoData", R"({"count":7})"},
                                           UnusableCase{"NumberData", R"({"data":5,"count":7})"},
                                           UnusableCase{"ArrayRoot", R"([1,2])"}));

TEST_F(ListingRows, ParseErrorsAreShownAndNoRowsAdded)
{
    show(ListForm);
    const QString broken = R"({"data":[{"fid":"1","n":"a"} {"fid":"2"}],"count":5 x})";
    browser.state().setResponseText(broken);
    const QString log = ParseErrors();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(rows.rowCount(), 0);
    EXPECT_EQ(browser.state().pageItemCount(), "2"); // kept from the last good parse
    EXPECT_EQ(browser.state().totalCount(), "5");    // from the partial root
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.first().title, "解析出错");
    EXPECT_EQ(desktop.messages.first().icon, Desktop::Icon::Information);
    EXPECT_EQ(desktop.messages.first().text, log);
}

TEST_F(ListingRows, LongParseLogIsCutToFitTheScreen)
{
    // the log quotes the text that follows a bad value
    const QString broken =
        QStringLiteral(R"({"data":[],"count":1,"bad":tru,"pad":"%1"})").arg(QString(2000, u'x'));
    browser.state().setResponseText(broken);
    const QString log = ParseErrors();
    ASSERT_GT(log.size(), 1024);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.first().text, log.left(1024));
}

TEST(DigitKeysTest, FindDigitKeyedObjectsAnywhere)
{
    EXPECT_EQ(DigitKeys(R"({"data":{"12":{},"3":
 {},"4" :{}}})"),
              (QStringList{"12", "3"}));
    EXPECT_EQ(DigitKeys(R"({"":{}})"), QStringList{""});
    EXPECT_TRUE(DigitKeys(R"({"a1":{},"1":[],"2":"{"})").isEmpty());
}

struct SizeCase
{
    std::string label;
    JsonValue value;
    const char* text;
};

void PrintTo(const SizeCase& c, std::ostream* out)
{
    *out << c.label << " gives '" << c.text << "'";
}

class SizeTexts : public ::testing::TestWithParam<SizeCase>
{
};

TEST_P(SizeTexts, ScaleByPowersOf1024)
{
    EXPECT_EQ(SizeText(GetParam().value), QString::fromLatin1(GetParam().text));
}

SizeCase Bytes(qint64 count, const char* text)
{
    return {std::to_string(count), JsonValue::fromInteger(count), text};
}

INSTANTIATE_TEST_SUITE_P(
    Table, SizeTexts,
    ::testing::Values(SizeCase{"missing", JsonValue(), "B"},
                      SizeCase{"null", JsonValue::null(), "B"}, Bytes(0, "0B"),
                      Bytes(1023, "1023B"), Bytes(1024, "1.00K"), Bytes(1152, "1.13K"),
                      Bytes(1536, "1.50K"), Bytes(1048575, "1024.00K"), Bytes(1048576, "1.00M"),
                      Bytes(1073741823, "1024.00M"), Bytes(1073741824, "1.00G"),
                      Bytes(4509715660, "4.20G"), Bytes(1099511627775, "1024.00G"),
                      Bytes(1099511627776, ""), Bytes(3298534883328, ""), Bytes(-1, "-1B"),
                      SizeCase{"1023.5", JsonValue::fromDouble(1023.5), "1023.5B"},
                      SizeCase{"2048.0", JsonValue::fromDouble(2048.0), "2.00K"},
                      SizeCase{"text 1536", JsonValue::fromString("1536"), "1.50K"},
                      SizeCase{"text 12", JsonValue::fromString("12"), "12B"},
                      SizeCase{"text abc", JsonValue::fromString("abc"), ""},
                      SizeCase{"true", JsonValue::fromBool(true), ""}));

struct SharedCase
{
    const char* sh; // the member as JSON text; empty: missing
    const char* shown;
};

void PrintTo(const SharedCase& c, std::ostream* out)
{
    *out << "sh "
         << (*c.sh ? QString::fromLatin1(c.sh).replace(u'"', u'\'').toStdString() : "missing");
}

class ShareFlags : public ListingRows, public ::testing::WithParamInterface<SharedCase>
{
};

TEST_P(ShareFlags, ShowYesForTruthValues)
{
    const QString sh = QString::fromLatin1(GetParam().sh);
    const QString member = sh.isEmpty() ? QString() : QStringLiteral(R"(,"sh":)") + sh;
    browser.state().setResponseText(QStringLiteral(R"({"data":[{"fid":"1","n":"f")") + member +
                                    QStringLiteral("},{\"cid\":\"2\"") + member +
                                    QStringLiteral("}],\"count\":2}"));
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.text(0, Column::Shared), QString::fromUtf8(GetParam().shown));
    EXPECT_EQ(rows.text(1, Column::Shared), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Table, ShareFlags,
                         ::testing::Values(SharedCase{"true", "是"}, SharedCase{"1", "是"},
                                           SharedCase{R"("1")", "是"}, SharedCase{R"("2")", "是"},
                                           SharedCase{"0.5", "是"}, SharedCase{R"("true")", "是"},
                                           SharedCase{R"("TRUE")", "是"}, SharedCase{"false", "否"},
                                           SharedCase{"0", "否"}, SharedCase{R"("0")", "否"},
                                           SharedCase{"null", "否"}, SharedCase{"", "否"},
                                           SharedCase{R"("yes")", "否"},
                                           SharedCase{R"("false")", "否"}));

TEST_F(ListingRows, FileWithoutMembersShowsEmptyTexts)
{
    show(R"({"data":[{"fid":"7"}],"count":1})");
    EXPECT_EQ(row(0), (QStringList{"", "B", "", "", "##", "7", "否"}));
}

const char VideoPage[] = R"({"data":[
    {"fid":"1","n":"a.rmvb"},{"fid":"2","n":"b.rm"},{"fid":"3","n":"c.mp4"},
    {"fid":"4","n":"d.AVI"},{"cid":"5","n":"x.avi"},{"fid":"6","n":"rm"},
    {"fid":"7","n":"e.wmv"},{"fid":"8","n":"f.mkv"},{"fid":"9","n":"g.flv"}],"count":9})";

QList<bool> Marked(const MemoryFileList& rows)
{
    QList<bool> red;
    for (int index = 0; index < rows.rowCount(); ++index)
        red.append(rows.textColour(index, Column::Name) == QColor(Qt::red));
    return red;
}

TEST_F(ListingRows, VideoMarkingColoursVideoNamesAfterEveryParse)
{
    browser.setVideoMarking(true);
    show(VideoPage);
    const QList<bool> videos{true, true, false, false, true, false, true, true, true};
    EXPECT_EQ(Marked(rows), videos);
    EXPECT_FALSE(rows.textColour(2, Column::Name).isValid()); // default colour
    for (int column = 2; column <= ColumnCount; ++column)
        EXPECT_FALSE(rows.textColour(0, static_cast<Column>(column)).isValid());
    browser.ParseListing();
    EXPECT_EQ(Marked(rows), videos);
}

TEST_F(ListingRows, UntickingTurnsEveryNameBlack)
{
    show(VideoPage);
    EXPECT_EQ(Marked(rows), QList<bool>(9, false));
    browser.setVideoMarking(true);
    browser.setVideoMarking(false);
    for (int index = 0; index < rows.rowCount(); ++index)
        EXPECT_EQ(rows.textColour(index, Column::Name), QColor(Qt::black)) << index;
    browser.ParseListing();
    EXPECT_EQ(Marked(rows), QList<bool>(9, false));
}

} // namespace
