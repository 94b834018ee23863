#include "export/PageSearch.h"

#include "CaseName.h"
#include "ExportTestSupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

namespace {

const QString Sha1 = QStringLiteral("A94A8FE5CCB19BA61C4C0873D391E987982FBBD3");

QString Button(const QString& url, const QString& label)
{
    return QStringLiteral(R"(<a href="%1" class="btn" target="_blank">%2下载</a>)").arg(url, label);
}

QString Page(const QString& body)
{
    return QStringLiteral("<html><head><title>文件下载</title></head><body>\n") + body +
           QStringLiteral("\n</body></html>\n");
}

// A page and what a search should find in it.
struct PageCase
{
    const char* name;
    QString page;
    QString expected;
};

class FindSha1Test : public ::testing::TestWithParam<PageCase>
{
};

TEST_P(FindSha1Test, TakesTheFirstRunOfFortyLettersOrDigits)
{
    EXPECT_EQ(FindSha1(GetParam().page), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, FindSha1Test,
    ::testing::Values(
        PageCase{"UpperCase", Page(QStringLiteral("<p>SHA1：<span>%1</span></p>").arg(Sha1)), Sha1},
        PageCase{"LowerCaseKeptLowerCase", Page(QStringLiteral("SHA1:%1").arg(Sha1.toLower())),
                 Sha1.toLower()},
        PageCase{"MixedCase", QStringLiteral("x aBcDeF0123456789aBcDeF0123456789aBcDeF01 y"),
                 QStringLiteral("aBcDeF0123456789aBcDeF0123456789aBcDeF01")},
        PageCase{"FirstFortyOfALongerRun", QStringLiteral("<b>") + Sha1 + QStringLiteral("FFFF"),
                 Sha1},
        PageCase{"ThirtyNineAreTooFew", Page(Sha1.left(39)), QString()},
        PageCase{"BrokenRun", Page(Sha1.left(20) + QStringLiteral("-") + Sha1.mid(20)), QString()},
        PageCase{"LeftmostOfTwo", Page(Sha1.toLower() + QStringLiteral(" ") + Sha1),
                 Sha1.toLower()},
        PageCase{"RunAcrossLines", QStringLiteral("ab\n") + Sha1 + QStringLiteral("\ncd"), Sha1},
        PageCase{"UnderscoreIsNoLetter",
                 QString(20, QLatin1Char('a')) + QStringLiteral("_") +
                     QString(20, QLatin1Char('a')),
                 QString()},
        PageCase{"KelvinSignIsNoLetter", Page(Sha1.left(39) + QChar(0x212A)), QString()},
        PageCase{"LongSIsNoLetter", Page(QChar(0x017F) + Sha1.left(39)), QString()},
        PageCase{"NoSha1", Page(QStringLiteral("<p>SHA1：正在计算</p>")), QString()},
        PageCase{"Empty", QString(), QString()}),
    CaseName());

class PickDownloadLinkTest : public ::testing::TestWithParam<PageCase>
{
};

TEST_P(PickDownloadLinkTest, PrefersTheTelecomLineAmongTheFirstTwoButtons)
{
    EXPECT_EQ(PickDownloadLink(GetParam().page), GetParam().expected);
}

const QString Cu = QStringLiteral("http://cdn-cu.zorbel.example/f/1");
const QString Ct = QStringLiteral("http://cdn-ct.zorbel.example/f/1");
const QString Cm = QStringLiteral("http://cdn-cm.zorbel.example/f/1");

INSTANTIATE_TEST_SUITE_P(
    Pages, PickDownloadLinkTest,
    ::testing::Values(
        PageCase{"TelecomFirst",
                 Page(Button(Ct, QStringLiteral("电信")) + Button(Cu, QStringLiteral("联通"))), Ct},
        PageCase{"TelecomSecond",
                 Page(Button(Cu, QStringLiteral("联通")) + Button(Ct, QStringLiteral("电信"))), Ct},
        PageCase{"NeitherTelecomTakesTheSecond",
                 Page(Button(Cu, QStringLiteral("联通")) + Button(Cm, QStringLiteral("移动"))), Cm},
        PageCase{"ThreeButtonsNoTelecom",
                 Page(Button(Cu, QStringLiteral("联通")) + Button(Cm, QStringLiteral("移动")) +
                      Button(Ct, QStringLiteral("网通"))),
                 Cm},
        PageCase{"TelecomThirdIsNeverConsidered",
                 Page(Button(Cu, QStringLiteral("联通")) + Button(Cm, QStringLiteral("移动")) +
                      Button(Ct, QStringLiteral("电信"))),
                 Cm},
        PageCase{"OnlyOneButton", Page(Button(Cu, QStringLiteral("联通"))), Cu},
        PageCase{"NoButtons", Page(QStringLiteral("<p>该文件暂不提供下载。</p>")), QString()},
        PageCase{"LabelComparedExactly",
                 Page(Button(Cu, QStringLiteral("电讯")) + Button(Ct, QStringLiteral("联通"))), Ct},
        PageCase{"TagsInUpperCase",
                 Page(QStringLiteral(R"(<A HREF="%1" CLASS="BTN" TARGET="_BLANK">电信下载</A>)")
                          .arg(Ct)),
                 Ct},
        PageCase{
            "AnyWhiteSpaceBetweenAttributes",
            Page(QStringLiteral("<a\nhref=\"%1\"\tclass=\"btn\"\rtarget=\"_blank\">电信下载</a>")
                     .arg(Ct)),
            Ct},
        PageCase{"OtherClassIsNoButton",
                 Page(QStringLiteral(R"(<a href="%1" class="btn2" target="_blank">电信下载</a>)")
                          .arg(Ct)),
                 QString()},
        PageCase{"HttpsIsNoButton",
                 Page(Button(QStringLiteral("https://x.example/f"), QStringLiteral("电信"))),
                 QString()},
        PageCase{"LabelOfOneCharacterIsNoButton", Page(Button(Ct, QStringLiteral("电"))),
                 QString()},
        PageCase{"PlainLinkBeforeTheButtonsIsNoPartOfAnAddress",
                 Page(QStringLiteral(R"(<a href="http://help.example/">帮助</a>)") +
                      Button(Ct, QStringLiteral("电信")) + Button(Cu, QStringLiteral("联通"))),
                 Ct},
        PageCase{"EmojiLabelCountsAsTwoCharacters",
                 Page(Button(Cu, QStringLiteral("📶📶")) + Button(Ct, QStringLiteral("联通"))), Ct}),
    CaseName());

// Pages built to make a backtracking search take time quadratic in their length. They must
// come back (with or without a result) instead of stalling the window.
QString UnclosedStarts(int count, qsizetype length)
{
    const QString filler =
        QStringLiteral("\" class=\"btn\" target=\"_self\">电信下载</a><p>x</p>\n");
    const QString start = QStringLiteral("<a href=\"http://");
    const QString block = start + filler.repeated((length / count) / filler.size() + 1);
    return block.repeated(count);
}

TEST(HostilePage, UnclosedButtonStartsGiveNoLink)
{
    const QString page = UnclosedStarts(4000, 6 * 1024 * 1024);
    EXPECT_EQ(PickDownloadLink(page), QString());
    EXPECT_EQ(FindSha1(page), QString());
}

TEST(HostilePage, ButtonBeforeUnclosedStartsIsFound)
{
    const QString page = Button(Ct, QStringLiteral("联通")) + UnclosedStarts(4000, 6 * 1024 * 1024);
    EXPECT_EQ(PickDownloadLink(page), Ct);
}

TEST(HostilePage, NearMissesOfASha1GiveNoSha1)
{
    const QString page = (Sha1.left(39) + QStringLiteral(" ")).repeated(100000);
    EXPECT_EQ(FindSha1(page), QString());
    EXPECT_EQ(FindSha1(page + Sha1), Sha1);
}

TEST(HostilePage, TextBeyondTheSearchedLengthIsNotSearched)
{
    const QString padding(MaxSearchedLength, QLatin1Char(' '));
    EXPECT_EQ(FindSha1(padding + Sha1), QString());
    EXPECT_EQ(PickDownloadLink(padding + Button(Ct, QStringLiteral("电信"))), QString());
    EXPECT_EQ(FindSha1(padding.left(MaxSearchedLength - 40) + Sha1), Sha1);
}

// The cut at the searched length falls between the halves of an emoji; what lies before it
// is still searched.
TEST(HostilePage, CutThroughASurrogatePairKeepsTheTextBeforeIt)
{
    const QString start = Button(Ct, QStringLiteral("电信")) + Sha1;
    const QString page = start + QString(MaxSearchedLength - 1 - start.size(), QLatin1Char(' ')) +
                         QStringLiteral("😀");
    ASSERT_TRUE(page.at(MaxSearchedLength).isLowSurrogate());
    EXPECT_EQ(FindSha1(page), Sha1);
    EXPECT_EQ(PickDownloadLink(page), Ct);
}

// The step limit still lets one address run across a page of the full searched length.
TEST(LargePage, AddressAsLongAsThePageIsFound)
{
    const QString address =
        QStringLiteral("http://") + QString(MaxSearchedLength - 200, QLatin1Char('x'));
    const QString page = Page(Button(address, QStringLiteral("联通")));
    ASSERT_LE(page.size(), MaxSearchedLength);
    EXPECT_EQ(PickDownloadLink(page), address);
}

// The pattern engine may run without its compiler (QT_ENABLE_REGEXP_JIT=0, or where the
// platform forbids it); the hostile pages must come back then too. The child process runs
// the tests above that way; the wait is only a guard against a hang.
TEST(HostilePageWithoutJit, ComesBackToo)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_ENABLE_REGEXP_JIT"), QStringLiteral("0"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=HostilePage.*:LargePage.*")});
    ASSERT_TRUE(child.waitForStarted());
    const bool finished = child.waitForFinished(300000);
    if (!finished)
        child.kill();
    ASSERT_TRUE(finished);
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0);
}

} // namespace
