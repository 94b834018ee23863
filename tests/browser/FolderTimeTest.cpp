#include "MemoryFileList.h"
#include "QStringPrinter.h"
#include "browser/FileBrowser.h"
#include "service/qita.h"

#include <QDateTime>
#include <gtest/gtest.h>

// Folder times are the wall clock at UTC+8 whatever the machine's zone. These
// tests are registered once per TZ; the zone is the suffix of their names.

namespace {

QString FolderTime(const QString& tMember)
{
    MemoryFileList rows;
    FileBrowser browser(rows);
    browser.state().setResponseText(QStringLiteral(R"({"data":[{"cid":"1","n":"f")") + tMember +
                                    QStringLiteral("}],\"count\":1}"));
    EXPECT_EQ(rows.rowCount(), 1);
    return rows.rowCount() == 1 ? rows.text(0, Column::Time) : QString();
}

struct TimeCase
{
    const char* name;
    const char* tMember; // the "t" member as the listing sends it; empty: missing
    const char* shown;   // empty: the current local date and time
};

void PrintTo(const TimeCase& c, std::ostream* out)
{
    *out << c.name;
}

class FolderTimes : public ::testing::TestWithParam<TimeCase>
{
};

TEST_P(FolderTimes, ShowTheWallClockAtUtcPlus8)
{
    const QString member = QString::fromLatin1(GetParam().tMember);
    const QString expected = QString::fromLatin1(GetParam().shown);
    if (!expected.isEmpty()) {
        EXPECT_EQ(FolderTime(member), expected);
        return;
    }
    const QString before = DateTimeText(QDateTime::currentDateTime());
    const QString shown = FolderTime(member);
    const QString after = DateTimeText(QDateTime::currentDateTime());
    EXPECT_TRUE(shown == before || shown == after) << shown.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, FolderTimes,
    ::testing::Values(TimeCase{"Evening", R"(,"t":1344257890)", "2012-8-6 20:58:10"},
                      TimeCase{"AsText", R"(,"t":"1344257890")", "2012-8-6 20:58:10"},
                      TimeCase{"Missing", "", ""}, TimeCase{"NotANumber", R"(,"t":"soon")", ""}));

} // namespace
