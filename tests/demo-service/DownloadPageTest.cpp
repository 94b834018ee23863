#include "CaseName.h"
#include "DemoDrive.h"
#include "DemoServiceEnvironment.h"

#include <QRegularExpression>

namespace {

// How a client reads the page: the first run of 40 letters or digits, and the buttons.
const QRegularExpression Sha1Pattern("[A-Z\\d]{40}", QRegularExpression::CaseInsensitiveOption);
const QRegularExpression LinkPattern(
    "<a\\shref=\"(http://[\\w\\W]*?)\"\\sclass=\"btn\"\\starget=\"_blank\">([\\w\\W]{2})下载</a>",
    QRegularExpression::CaseInsensitiveOption);

std::string PageTarget(const QString& pickCode)
{
    return QStringLiteral("/?ct=pickcode&ac=download&pickcode=%1&_t=1357000000")
        .arg(pickCode)
        .toStdString();
}

QString FirstSha1(const QString& page)
{
    return Sha1Pattern.match(page).captured();
}

QList<DemoDownloadButton> Buttons(const QString& page)
{
    QList<DemoDownloadButton> buttons;
    for (auto it = LinkPattern.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        buttons.append({match.captured(2), match.captured(1)});
    }
    return buttons;
}

QStringList Labels(const QList<DemoDownloadButton>& buttons)
{
    QStringList labels;
    for (const DemoDownloadButton& button : buttons)
        labels.append(button.label);
    return labels;
}

httplib::Result FetchPage(const char* fid)
{
    return Get(PageTarget(DemoDrive::sample().file(fid)->pickCode), DemoCookie());
}

struct PageCase
{
    const char* name;
    const char* fid;
    bool hasSha1;
    QStringList labels;
};

class DownloadPageTest : public DemoServiceTableTest<PageCase>
{
};

TEST_P(DownloadPageTest, ShowsSha1AndButtonsInPageOrder)
{
    const PageCase page = GetParam();
    const httplib::Result result = FetchPage(page.fid);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->get_header_value("Content-Type"), "text/html; charset=utf-8");
    const QString html = QString::fromStdString(result->body);
    const DemoFile& file = *DemoDrive::sample().file(page.fid);

    EXPECT_EQ(FirstSha1(html), page.hasSha1 ? file.sha1 : QString());
    EXPECT_EQ(Labels(Buttons(html)), page.labels);
    for (const DemoDownloadButton& button : Buttons(html)) {
        EXPECT_TRUE(button.url.startsWith("http://")) << button.url.toStdString();
        EXPECT_FALSE(button.url.contains('"'));
        EXPECT_TRUE(button.url.contains(file.pickCode));
    }
}

const QString Unicom = QStringLiteral("联通");
const QString Telecom = QStringLiteral("电信");

INSTANTIATE_TEST_SUITE_P(
    Files, DownloadPageTest,
    ::testing::Values(
        PageCase{"UnicomFirst", DemoDriveIds::UnicomFirstFile, true, {Unicom, Telecom}},
        PageCase{"TelecomFirst", DemoDriveIds::TelecomFirstFile, true, {Telecom, Unicom}},
        PageCase{"ThreeButtons", DemoDriveIds::ThreeButtonsFile, true, {Unicom, "移动", "网通"}},
        PageCase{"TelecomThird", DemoDriveIds::TelecomThirdFile, true, {Unicom, "移动", Telecom}},
        PageCase{"OnlyTelecom", DemoDriveIds::OnlyTelecomFile, true, {Telecom}},
        PageCase{"LowerCaseSha1", DemoDriveIds::LowerCaseSha1File, true, {Telecom, Unicom}},
        PageCase{"NoSha1", DemoDriveIds::NoSha1File, false, {Telecom, Unicom}},
        PageCase{"NoButtons", DemoDriveIds::NoButtonsFile, true, {}},
        PageCase{"NoSha1NoButtons", DemoDriveIds::NoSha1NoButtonsFile, false, {}}),
    CaseName());

using DownloadPageSweepTest = DemoServiceTest;

TEST_F(DownloadPageSweepTest, EveryFilePageReadsBackAsTheDriveDescribesIt)
{
    const std::string cookie = DemoCookie();
    int withSha1 = 0;
    for (const DemoFile& file : DemoDrive::sample().files()) {
        SCOPED_TRACE(file.name.toStdString());
        const httplib::Result result = Get(PageTarget(file.pickCode), cookie);
        ASSERT_TRUE(result);
        ASSERT_EQ(result->status, 200);
        const QString html = QString::fromStdString(result->body);
        EXPECT_EQ(FirstSha1(html), file.sha1);
        const QList<DemoDownloadButton> buttons = Buttons(html);
        ASSERT_EQ(buttons.size(), file.buttons.size());
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(buttons[i].label, file.buttons[i].label);
            EXPECT_EQ(buttons[i].url, file.buttons[i].url);
        }
        withSha1 += file.sha1.isEmpty() ? 0 : 1;
    }
    EXPECT_GT(withSha1, 100);
}

TEST_F(DownloadPageSweepTest, Sha1sAreFixedHexAndMostlyUpperCase)
{
    const QRegularExpression upper("^[0-9A-F]{40}$");
    const QRegularExpression lower("^[0-9a-f]{40}$");
    int lowerCase = 0;
    for (const DemoFile& file : DemoDrive::sample().files()) {
        if (file.sha1.isEmpty())
            continue;
        const bool isUpper = upper.match(file.sha1).hasMatch();
        EXPECT_TRUE(isUpper || lower.match(file.sha1).hasMatch()) << file.sha1.toStdString();
        lowerCase += isUpper ? 0 : 1;
    }
    EXPECT_EQ(lowerCase, 1);
    EXPECT_EQ(DemoDrive::sample().file(DemoDriveIds::ZeroByteFile)->sha1,
              "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
    EXPECT_EQ(FetchPage(DemoDriveIds::UnicomFirstFile)->body,
              FetchPage(DemoDriveIds::UnicomFirstFile)->body);
}

TEST_F(DownloadPageSweepTest, UnknownPickCodeIsNotFound)
{
    for (const QString& pickCode : {QStringLiteral("nosuchpickcode"), QString()}) {
        const httplib::Result result = Get(PageTarget(pickCode), DemoCookie());
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 404);
        EXPECT_EQ(FirstSha1(QString::fromStdString(result->body)), "");
        EXPECT_TRUE(Buttons(QString::fromStdString(result->body)).isEmpty());
    }
}

TEST_F(DownloadPageSweepTest, PageWithoutSessionIsForbidden)
{
    const std::string target =
        PageTarget(DemoDrive::sample().file(DemoDriveIds::UnicomFirstFile)->pickCode);
    for (const std::string& cookie : {std::string(), std::string("OOFA=forged")}) {
        const httplib::Result result = Get(target, cookie);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 403);
        EXPECT_EQ(FirstSha1(QString::fromStdString(result->body)), "");
    }
}

} // namespace
