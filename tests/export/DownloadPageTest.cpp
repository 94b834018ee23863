#include "export/DownloadPage.h"

#include "ExportTestSupport.h"
#include "ScopedEnvironment.h"
#include "service/endpoints.h"

#include <QDateTime>
#include <QTimeZone>
#include <cstdlib>
#include <ctime>

namespace {

// Switches the process's local time zone for one test.
class LocalZone
{
public:
    explicit LocalZone(const char* zone) : m_zone("TZ", zone) { tzset(); }

private:
    struct ReloadZone
    {
        ~ReloadZone() { tzset(); }
    };
    // Members go in reverse order: TZ is restored first, then read again.
    ReloadZone m_reload;
    ScopedEnvironment m_zone;
};

TEST(WallClockSeconds, CountsLocalWallClockTimeFrom1970)
{
    const QDateTime nextDay(QDate(1970, 1, 2), QTime(0, 0), Qt::LocalTime);
    EXPECT_EQ(WallClockSeconds(nextDay), 86400);
}

TEST(WallClockSeconds, DropsFractionsOfASecond)
{
    const QDateTime moment(QDate(2013, 1, 15), QTime(9, 30, 0, 999), Qt::LocalTime);
    const QDateTime whole(QDate(2013, 1, 15), QTime(9, 30, 0), Qt::LocalTime);
    EXPECT_EQ(WallClockSeconds(moment), WallClockSeconds(whole));
    EXPECT_EQ(WallClockSeconds(moment) % 60, 0);
}

TEST(WallClockSeconds, ExceedsUnixTimeByTheLocalOffset)
{
    const qint64 unixSeconds = 1344257890;
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(unixSeconds, Qt::UTC);
    {
        LocalZone zone("Asia/Shanghai");
        EXPECT_EQ(WallClockSeconds(moment), unixSeconds + 28800);
    }
    {
        LocalZone zone("America/New_York"); // daylight saving time in August: UTC-4
        EXPECT_EQ(WallClockSeconds(moment), unixSeconds - 4 * 3600);
    }
    {
        LocalZone zone("UTC");
        EXPECT_EQ(WallClockSeconds(moment), unixSeconds);
    }
}

TEST(LocalEpochSeconds, IsNowOnTheLocalWallClock)
{
    const qint64 before = WallClockSeconds(QDateTime::currentDateTime());
    const qint64 now = LocalEpochSeconds();
    const qint64 after = WallClockSeconds(QDateTime::currentDateTime());
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
}

TEST(BuildDownloadPageUrl, PutsThePickCodeUnchangedBeforeTheTimeParameter)
{
    SetServiceBase(QStringLiteral("http://127.0.0.1:8123"));
    const qint64 before = LocalEpochSeconds();
    const QString url = BuildDownloadPageUrl(QStringLiteral("a&b c%20中"));
    const qint64 after = LocalEpochSeconds();

    const QString prefix =
        QStringLiteral("http://127.0.0.1:8123/?ct=pickcode&ac=download&pickcode=a&b c%20中&_t=");
    ASSERT_TRUE(url.startsWith(prefix)) << url.toStdString();
    const QString seconds = url.mid(prefix.size());
    EXPECT_EQ(seconds, QString::number(seconds.toLongLong())); // plain digits, no sign or zeros
    EXPECT_GE(seconds.toLongLong(), before);
    EXPECT_LE(seconds.toLongLong(), after);
}

class FetchDownloadPageTest : public SignedInTest
{
};

TEST_F(FetchDownloadPageTest, FetchesThePageWithTheSessionCookie)
{
    const DemoFile& file = DemoFileWithId(DemoDriveIds::UnicomFirstFile);
    const QString page = FetchDownloadPage(file.pickCode);

    EXPECT_TRUE(page.contains(file.sha1));
    EXPECT_TRUE(page.contains(file.name));
    const QList<DemoService::LoggedRequest> requests = service.requests();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].method, QStringLiteral("GET"));
    EXPECT_TRUE(requests[0].target.startsWith(
        QStringLiteral("/?ct=pickcode&ac=download&pickcode=") + file.pickCode + "&_t="));
    EXPECT_TRUE(requests[0].headers.value(QStringLiteral("Cookie")).startsWith("OOFA="));
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(FetchDownloadPageTest, FailedRequestGivesAnEmptyPageAfterItsMessage)
{
    EXPECT_EQ(FetchDownloadPage(QStringLiteral("nosuchpickcode")), QString());
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("Http错误代码:404"));
    EXPECT_EQ(desktop.messages[0].title, QStringLiteral("提示"));
}

} // namespace
