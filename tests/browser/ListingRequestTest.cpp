#include "DemoDrive.h"
#include "ServiceFixture.h"
#include "browser/ListingQuery.h"
#include "service/endpoints.h"

#include <functional>

namespace {

const QString Photos = QString::fromLatin1(DemoDriveIds::Photos);

QString ListsTarget(const QString& aid)
{
    return QStringLiteral("/lists?aid=%1&cid=0&o=user_ptime&asc=0&offset=0&show_dir=1&limit=30"
                          "&source=&format=json&_t=1326863372053")
        .arg(aid);
}

struct Trigger
{
    const char* name;
    std::function<void(FileBrowser&, MemoryFileList&)> run;
};

void PrintTo(const Trigger& trigger, std::ostream* out)
{
    *out << trigger.name;
}

class SignedOutTrigger : public ServiceFixture, public ::testing::WithParamInterface<Trigger>
{
};

TEST_P(SignedOutTrigger, SendsNothing)
{
    rows.appendRow({QStringLiteral("■Folder"), {}, {}, {}, {}, QStringLiteral("77"), {}});
    rows.selectRow(0);
    browser.state().setTotalCount(QStringLiteral("95"));
    GetParam().run(browser, rows);
    EXPECT_TRUE(service.requests().isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

const Trigger SignedOutTriggers[] = {
    {"ReadCommand", [](FileBrowser& b, MemoryFileList&) { b.RequestListing(); }},
    {"Sort", [](FileBrowser& b, MemoryFileList&) { b.chooseSort(4); }},
    {"NoSort", [](FileBrowser& b, MemoryFileList&) { b.chooseSort(-1); }},
    {"SharedOnly", [](FileBrowser& b, MemoryFileList&) { b.chooseSharedOnly(true); }},
    {"Category", [](FileBrowser& b, MemoryFileList&) { b.chooseCategory(CategoryOption::Music); }},
    {"SharedCategory",
     [](FileBrowser& b, MemoryFileList&) { b.chooseCategory(CategoryOption::Shared); }},
    {"NextPage", [](FileBrowser& b, MemoryFileList&) { b.NextPage(); }},
    {"LastPage", [](FileBrowser& b, MemoryFileList&) { b.LastPage(); }},
    {"TypedOffset", [](FileBrowser& b, MemoryFileList&) { b.state().setOffset("45"); }},
    {"PreviousPage",
     [](FileBrowser& b, MemoryFileList&) {
         b.state().setOffset("60");
         b.PreviousPage();
     }},
    {"GoRoot",
     [](FileBrowser& b, MemoryFileList&) {
         b.state().setOffset("30");
         b.GoRoot();
     }},
    {"EnterFolder", [](FileBrowser& b, MemoryFileList&) { b.EnterFolder(); }},
    {"GoUp",
     [](FileBrowser& b, MemoryFileList& list) {
         b.EnterFolder();
         list.selectRow(0);
         b.GoUp();
     }},
};

INSTANTIATE_TEST_SUITE_P(BeforeLogin, SignedOutTrigger, ::testing::ValuesIn(SignedOutTriggers));

struct QueryCase
{
    const char* name;
    ListingQuery query;
    QString target; // the address after the web API host
};

void PrintTo(const QueryCase& queryCase, std::ostream* out)
{
    *out << queryCase.name;
}

class ListingQueryAddress : public ::testing::TestWithParam<QueryCase>
{
};

// Every field goes in as held; the category alone picks the endpoint, as a whole text.
TEST_P(ListingQueryAddress, NamesThePageOnItsEndpoint)
{
    EXPECT_EQ(ListingAddress(GetParam().query), WebApiAddress() + GetParam().target);
}

const QueryCase QueryCases[] = {
    {"Start", {}, FilesTarget("0", "0")},
    {"SharedOnlyPage",
     {"77", "9", "file_size&asc=1", true, "60"},
     QStringLiteral("/files?aid=1&cid=77&o=file_size&asc=1&offset=60&show_dir=1&limit=30&source="
                    "&format=json&type=&star=&is_share=1&_t=1344257890616")},
    {"SharedCategoryDropsTheFlag", {"0", "30", NewestFirstOrder, true, "0"}, ListsTarget("30")},
    {"NewestCategory",
     {"12", "32", "file_name&asc=0", false, "30"},
     QStringLiteral("/lists?aid=32&cid=12&o=file_name&asc=0&offset=30&show_dir=1&limit=30"
                    "&source=&format=json&_t=1326863372053")},
    {"CodeWithASpaceIsNotTheListsCategory",
     {"0", "32 ", NewestFirstOrder, false, "0"},
     FilesTarget("0", "0")},
};

INSTANTIATE_TEST_SUITE_P(Queries, ListingQueryAddress, ::testing::ValuesIn(QueryCases));

class ListingRequest : public ServiceFixture
{
protected:
    void SetUp() override
    {
        ServiceFixture::SetUp();
        logIn();
        forgetTraffic();
    }
};

TEST_F(ListingRequest, LoginListsTheRootOnTheFilesEndpoint)
{
    rows.clearRows();
    browser.clearListing();
    logIn();
    EXPECT_EQ(listingTargets(), QStringList{FilesTarget("0", "0")});
    EXPECT_GT(rows.rowCount(), 0);
    EXPECT_EQ(browser.state().pageItemCount(), QString::number(rows.rowCount()));
}

TEST_F(ListingRequest, SharedAndNewestCategoriesUseTheListsEndpoint)
{
    browser.chooseCategory(CategoryOption::Shared);
    browser.chooseCategory(CategoryOption::Newest);
    EXPECT_EQ(listingTargets(), (QStringList{ListsTarget("30"), ListsTarget("32")}));
}

TEST_F(ListingRequest, FileCategoriesAllSendTheSameFilesRequest)
{
    enterFolder(Photos);
    browser.NextPage();
    forgetTraffic();
    browser.chooseCategory(CategoryOption::Documents);
    EXPECT_EQ(browser.state().idPath(), "/0");
    EXPECT_EQ(browser.state().namePath(), "");
    EXPECT_EQ(browser.state().offset(), "0");
    const QStringList documents = listingTargets();
    forgetTraffic();
    browser.chooseCategory(CategoryOption::Videos);
    EXPECT_EQ(listingTargets().last(), FilesTarget("0", "0"));
    EXPECT_EQ(documents.last(), FilesTarget("0", "0"));
}

TEST_F(ListingRequest, ChoosingTheSameCategoryAgainSendsNothing)
{
    browser.chooseCategory(CategoryOption::Photos);
    forgetTraffic();
    browser.chooseCategory(CategoryOption::Photos);
    EXPECT_TRUE(listingTargets().isEmpty());
}

TEST_F(ListingRequest, SharedOnlySendsTheFlagAndKeepsThePage)
{
    enterFolder(Photos);
    browser.NextPage();
    forgetTraffic();
    browser.chooseSharedOnly(true);
    browser.chooseSharedOnly(false);
    const QString shared = FilesTarget(Photos, "30").replace("is_share=0", "is_share=1");
    EXPECT_EQ(listingTargets(), (QStringList{shared, FilesTarget(Photos, "30")}));
}

TEST_F(ListingRequest, SortChoiceKeepsFolderAndPage)
{
    enterFolder(Photos);
    browser.NextPage();
    forgetTraffic();
    browser.chooseSort(0);
    browser.chooseSort(-1);
    browser.chooseSort(6);
    const QString byName = FilesTarget(Photos, "30").replace("user_ptime&asc=0", "file_name&asc=1");
    EXPECT_EQ(listingTargets(), (QStringList{byName, byName, byName}));
    EXPECT_EQ(browser.state().sortOrder(), "file_name&asc=1");
}

TEST_F(ListingRequest, SortChoicesMapToSortOrders)
{
    const char* const orders[] = {"file_name&asc=1",  "file_name&asc=0", "user_ptime&asc=0",
                                  "user_ptime&asc=1", "file_size&asc=0", "file_size&asc=1"};
    for (int index = 0; index < 6; ++index) {
        browser.chooseSort(index);
        EXPECT_EQ(browser.state().sortOrder(), orders[index]) << index;
    }
}

TEST_F(ListingRequest, AnswerWithoutCountIsIgnoredOutsideTheSharedOption)
{
    browser.chooseCategory(CategoryOption::Newest);
    const int newestRows = rows.rowCount();
    ASSERT_GT(newestRows, 0);
    const QString held = browser.state().responseText();
    service.setFault(DemoService::Endpoint::Lists, BodyFault(R"({"data":[]})"));
    browser.RequestListing();
    EXPECT_EQ(rows.rowCount(), newestRows);
    EXPECT_EQ(browser.state().responseText(), held);
}

TEST_F(ListingRequest, SharedOptionAcceptsAnAnswerWithoutCount)
{
    browser.chooseCategory(CategoryOption::Shared);
    ASSERT_GT(rows.rowCount(), 0);
    const QByteArray body = R"({"data":[{"fid":"9","n":"x.txt","s":3}]})";
    service.setFault(DemoService::Endpoint::Lists, BodyFault(body));
    browser.RequestListing();
    EXPECT_EQ(browser.state().responseText(), QString::fromLatin1(body));
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.text(0, Column::Name), "x.txt");
}

TEST_F(ListingRequest, TypedSharedCodeWithoutTheOptionNeedsCount)
{
    browser.state().setCategoryCode("30");
    const int sharedRows = rows.rowCount();
    service.setFault(DemoService::Endpoint::Lists, BodyFault(R"({"data":[]})"));
    browser.RequestListing();
    EXPECT_EQ(rows.rowCount(), sharedRows);
}

TEST_F(ListingRequest, CountInsideANameIsEnough)
{
    const QByteArray body = R"({"data":[{"fid":"5","n":"account.xls","s":1}]})";
    service.setFault(DemoService::Endpoint::Files, BodyFault(body));
    browser.RequestListing();
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.text(0, Column::Name), "account.xls");
}

// The service escapes what it cannot write plainly; decoded, such characters must stay
// inside the name instead of ending it.
TEST_F(ListingRequest, EscapedQuoteBackslashAndLineBreakStayInTheName)
{
    const QByteArray body =
        R"({"data":[{"fid":"5","n":"a\u0022b\u005cc%0Ad%22.txt","s":1}],"count":1})";
    service.setFault(DemoService::Endpoint::Files, BodyFault(body));
    browser.RequestListing();
    EXPECT_TRUE(desktop.messages.isEmpty());
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.text(0, Column::Name), "a\"b\\c\nd\".txt");
    EXPECT_EQ(browser.state().totalCount(), "1");
}

TEST_F(ListingRequest, IdenticalAnswerStartsNoParse)
{
    const int rootRows = rows.rowCount();
    ASSERT_GT(rootRows, 0);
    rows.clearRows();
    browser.RequestListing();
    EXPECT_EQ(listingTargets().size(), 1);
    EXPECT_EQ(rows.rowCount(), 0);
}

TEST_F(ListingRequest, FailedRequestKeepsTheRows)
{
    const int rootRows = rows.rowCount();
    service.setFault(DemoService::Endpoint::Files, StatusFault(500));
    enterFolder(Photos);
    EXPECT_EQ(browser.state().folderId(), Photos); // the new position stays
    EXPECT_EQ(rows.rowCount(), rootRows);          // with the old rows
    ASSERT_FALSE(desktop.messages.isEmpty());
    EXPECT_EQ(desktop.messages.first().title, "提示");
}

TEST_F(ListingRequest, FailedRequestUnderTheSharedOptionEmptiesTheList)
{
    browser.chooseCategory(CategoryOption::Shared);
    ASSERT_GT(rows.rowCount(), 0);
    service.setFault(DemoService::Endpoint::Lists, StatusFault(500));
    browser.RequestListing();
    EXPECT_EQ(rows.rowCount(), 0);
    EXPECT_EQ(browser.state().responseText(), "");
    EXPECT_EQ(browser.state().pageItemCount(), "0");
}

TEST_F(ListingRequest, GarbledReplyIsReportedAsUnreadableAndKeepsTheRows)
{
    const int rootRows = rows.rowCount();
    service.setFault(DemoService::Endpoint::Files, {.rawReply = "<html>busy</html>"});
    browser.RequestListing();
    EXPECT_EQ(rows.rowCount(), rootRows);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].title, "提示");
    EXPECT_TRUE(desktop.messages[0].text.startsWith(
        QStringLiteral("错误原因:服务器的应答无法读取（不是 HTTP 应答） (")))
        << desktop.messages[0].text.toStdString();
}

TEST_F(ListingRequest, ResponseChangeEmitsTheFieldSignals)
{
    QStringList seen;
    QObject::connect(&browser.state(), &ListingState::responseTextChanged,
                     [&](const QString&) { seen.append("response"); });
    QObject::connect(&browser.state(), &ListingState::pageItemCountChanged,
                     [&](const QString& count) { seen.append("page " + count); });
    QObject::connect(&browser.state(), &ListingState::totalCountChanged,
                     [&](const QString& total) { seen.append("total " + total); });
    int unticks = 0;
    QObject::connect(&browser, &FileBrowser::selectAllUntickRequested, [&] { ++unticks; });
    enterFolder(Photos);
    EXPECT_EQ(seen, (QStringList{"response", "page 30", "total 95"}));
    EXPECT_EQ(unticks, 1);
}

} // namespace
