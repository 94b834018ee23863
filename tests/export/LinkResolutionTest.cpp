#include "export/LinkResolution.h"

#include "CaseName.h"
#include "ExportTestSupport.h"

namespace {

const QString Unicom = QStringLiteral("联通");
const QString Telecom = QStringLiteral("电信");
const QString Mobile = QStringLiteral("移动");

class RowClickTest : public SignedInTest
{
protected:
    // Clicks `row` with earlier contents in both fields.
    void click(int row)
    {
        rows.selectRow(row);
        ResolveSelectedRow(rows, fields);
    }

    QString standardFormOf(const char* fid) const
    {
        const DemoFile& file = DemoFileWithId(fid);
        return QStringLiteral("#%1#%2").arg(file.size).arg(file.name);
    }

    LinkFields fields{QStringLiteral("earlier code"), QStringLiteral("http://earlier.example/")};
};

struct ButtonCase
{
    const char* name;
    const char* fid;
    QString chosenLabel;
};

class RowClickButtonTest : public RowClickTest, public ::testing::WithParamInterface<ButtonCase>
{
};

TEST_P(RowClickButtonTest, ResolvesTheRowAndShowsThePreferredLink)
{
    const char* fid = GetParam().fid;
    const DemoFile& file = DemoFileWithId(fid);
    appendFolder(QStringLiteral("电影"));
    const int row = appendFile(fid);
    rows.setTextColour(row, Column::Name, Qt::red);

    click(row);

    EXPECT_EQ(rows.text(row, Column::StandardForm), file.sha1 + standardFormOf(fid));
    EXPECT_EQ(rows.textColour(row, Column::StandardForm), QColor(0, 0, 255));
    EXPECT_EQ(rows.textColour(row, Column::Name), QColor(Qt::red));
    EXPECT_FALSE(rows.textColour(row, Column::PickCode).isValid());
    EXPECT_EQ(fields.pickCode, file.pickCode);
    EXPECT_EQ(fields.downloadLink, ButtonUrl(fid, GetParam().chosenLabel));
    EXPECT_EQ(downloadTargets().size(), 1);
    EXPECT_TRUE(desktop.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    DownloadPages, RowClickButtonTest,
    ::testing::Values(ButtonCase{"TelecomSecond", DemoDriveIds::UnicomFirstFile, Telecom},
                      ButtonCase{"TelecomFirst", DemoDriveIds::TelecomFirstFile, Telecom},
                      ButtonCase{"ThreeButtonsNoTelecom", DemoDriveIds::ThreeButtonsFile, Mobile},
                      ButtonCase{"TelecomThird", DemoDriveIds::TelecomThirdFile, Mobile},
                      ButtonCase{"OnlyTelecom", DemoDriveIds::OnlyTelecomFile, Telecom},
                      ButtonCase{"LowerCaseSha1", DemoDriveIds::LowerCaseSha1File, Telecom}),
    CaseName());

TEST_F(RowClickTest, LowerCaseSha1IsStoredInLowerCase)
{
    const int row = appendFile(DemoDriveIds::LowerCaseSha1File);
    click(row);
    const QString sha1 = rows.text(row, Column::StandardForm).left(40);
    EXPECT_EQ(sha1, sha1.toLower());
    EXPECT_EQ(sha1, DemoFileWithId(DemoDriveIds::LowerCaseSha1File).sha1);
}

TEST_F(RowClickTest, ResolvedRowSendsNoRequestAndClearsTheLink)
{
    const int row = appendFile(DemoDriveIds::UnicomFirstFile);
    click(row);
    const QString resolved = rows.text(row, Column::StandardForm);
    fields.pickCode = QStringLiteral("typed");

    click(row);

    EXPECT_EQ(downloadTargets().size(), 1);
    EXPECT_EQ(fields.pickCode, DemoFileWithId(DemoDriveIds::UnicomFirstFile).pickCode);
    EXPECT_EQ(fields.downloadLink, QString());
    EXPECT_EQ(rows.text(row, Column::StandardForm), resolved);
}

TEST_F(RowClickTest, FolderRowEmptiesBothFieldsWithoutARequest)
{
    click(appendFolder(QStringLiteral("电影")));
    EXPECT_EQ(fields.pickCode, QString());
    EXPECT_EQ(fields.downloadLink, QString());
    EXPECT_TRUE(downloadTargets().isEmpty());
}

TEST_F(RowClickTest, NothingHappensWithoutASelectedRow)
{
    const LinkFields before = fields;
    ResolveSelectedRow(rows, fields); // empty list
    appendFile(DemoDriveIds::UnicomFirstFile);
    ResolveSelectedRow(rows, fields); // a row, none selected
    EXPECT_EQ(fields.pickCode, before.pickCode);
    EXPECT_EQ(fields.downloadLink, before.downloadLink);
    EXPECT_TRUE(service.requests().isEmpty());
}

TEST_F(RowClickTest, PageWithoutSha1SetsOnlyTheLinkAndIsFetchedAgain)
{
    const int row = appendFile(DemoDriveIds::NoSha1File);
    click(row);

    EXPECT_EQ(rows.text(row, Column::StandardForm), standardFormOf(DemoDriveIds::NoSha1File));
    EXPECT_FALSE(rows.textColour(row, Column::StandardForm).isValid());
    EXPECT_EQ(fields.pickCode, QStringLiteral("earlier code"));
    EXPECT_EQ(fields.downloadLink, ButtonUrl(DemoDriveIds::NoSha1File, Telecom));

    click(row);
    EXPECT_EQ(downloadTargets().size(), 2);
}

TEST_F(RowClickTest, PageWithoutButtonsKeepsTheLink)
{
    const int row = appendFile(DemoDriveIds::NoButtonsFile);
    click(row);
    EXPECT_EQ(rows.text(row, Column::StandardForm).left(40),
              DemoFileWithId(DemoDriveIds::NoButtonsFile).sha1);
    EXPECT_EQ(fields.pickCode, DemoFileWithId(DemoDriveIds::NoButtonsFile).pickCode);
    EXPECT_EQ(fields.downloadLink, QStringLiteral("http://earlier.example/"));
}

struct FailureCase
{
    const char* name;
    DemoService::Fault fault;
    QString message; // what SiteRequest shows, or empty for no message
};

class RowClickFailureTest : public RowClickTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(RowClickFailureTest, FailedOrEmptyPageChangesNothing)
{
    const int row = appendFile(DemoDriveIds::UnicomFirstFile);
    service.setFault(DemoService::Endpoint::DownloadPage, GetParam().fault);

    click(row);

    EXPECT_EQ(rows.text(row, Column::StandardForm), standardFormOf(DemoDriveIds::UnicomFirstFile));
    EXPECT_FALSE(rows.textColour(row, Column::StandardForm).isValid());
    EXPECT_EQ(fields.pickCode, QStringLiteral("earlier code"));
    EXPECT_EQ(fields.downloadLink, QStringLiteral("http://earlier.example/"));
    QStringList shown;
    for (const RecordingDesktop::Message& message : desktop.messages)
        shown.append(message.text);
    EXPECT_EQ(shown,
              GetParam().message.isEmpty() ? QStringList() : QStringList{GetParam().message});
}

INSTANTIATE_TEST_SUITE_P(Faults, RowClickFailureTest,
                         ::testing::Values(FailureCase{"ServerError",
                                                       {.status = 500},
                                                       QStringLiteral("Http错误代码:500")},
                                           FailureCase{
                                               "EmptyPage", {.body = QByteArray()}, QString()}),
                         CaseName());

// The page moved to a server on another port: the request names that server, and the
// session cookie stays with the service that set it.
TEST_F(RowClickTest, RedirectToAnotherPortNamesItAndCarriesNoCookieThere)
{
    DemoService other;
    ASSERT_TRUE(other.start());
    const int row = appendFile(DemoDriveIds::UnicomFirstFile);
    const QString pickCode = DemoFileWithId(DemoDriveIds::UnicomFirstFile).pickCode;
    service.setFault(
        DemoService::Endpoint::DownloadPage,
        {.status = 302,
         .location = (other.baseUrl() + "/?ct=pickcode&ac=download&pickcode=" + pickCode + "&_t=1")
                         .toUtf8()});

    click(row);

    const QList<DemoService::LoggedRequest> arrived = other.requests();
    ASSERT_EQ(arrived.size(), 1);
    EXPECT_EQ(arrived[0].headers.value("Host"), QStringLiteral("127.0.0.1:%1").arg(other.port()));
    EXPECT_FALSE(arrived[0].headers.contains("Cookie"));
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].text, "Http错误代码:403");
    EXPECT_EQ(rows.text(row, Column::StandardForm), standardFormOf(DemoDriveIds::UnicomFirstFile));
}

TEST_F(SignedInTest, Command13ResolvesTheLinkOfTheTypedPickCodeAndTouchesNoRow)
{
    const int row = appendFile(DemoDriveIds::TelecomFirstFile);
    LinkFields fields{DemoFileWithId(DemoDriveIds::TelecomFirstFile).pickCode, QString()};

    FetchLinkOfPickCode(fields);

    EXPECT_EQ(fields.downloadLink, ButtonUrl(DemoDriveIds::TelecomFirstFile, Telecom));
    EXPECT_EQ(fields.pickCode, DemoFileWithId(DemoDriveIds::TelecomFirstFile).pickCode);
    EXPECT_TRUE(rows.text(row, Column::StandardForm).startsWith(QLatin1Char('#')));
}

TEST_F(SignedInTest, Command13WithAnEmptyPickCodeStillAsksAndKeepsTheLink)
{
    LinkFields fields{QString(), QStringLiteral("http://earlier.example/")};
    FetchLinkOfPickCode(fields);
    const QStringList targets = downloadTargets();
    ASSERT_EQ(targets.size(), 1);
    EXPECT_TRUE(targets[0].contains(QStringLiteral("&pickcode=&_t="))) << targets[0].toStdString();
    EXPECT_EQ(fields.downloadLink, QStringLiteral("http://earlier.example/"));
}

TEST_F(SignedInTest, Command13OnAPageWithoutButtonsKeepsTheLink)
{
    LinkFields fields{DemoFileWithId(DemoDriveIds::NoSha1NoButtonsFile).pickCode,
                      QStringLiteral("http://earlier.example/")};
    FetchLinkOfPickCode(fields);
    EXPECT_EQ(downloadTargets().size(), 1);
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(fields.downloadLink, QStringLiteral("http://earlier.example/"));
}

} // namespace
