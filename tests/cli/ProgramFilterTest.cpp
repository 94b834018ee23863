#include "DemoDriveIds.h"
#include "DemoServiceFixture.h"
#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>

namespace {

// The filter options run in the real program against the demo service's sample drive.
class ProgramFilterTest : public DemoServiceFixture
{
protected:
    ProgramRun run(QStringList arguments) const
    {
        arguments << "--account=demo"
                  << "--quiet"
                  << "--service=" + service.baseUrl();
        return RunProgram(arguments, QString::fromLatin1(DemoAccount::Password));
    }

    // The folder ids the service was asked to list, each once.
    QSet<QString> listedFolders() const
    {
        static const QRegularExpression folderId(QStringLiteral("[?&]cid=([0-9]+)"));
        QSet<QString> ids;
        for (const QString& target : listingTargets())
            ids.insert(folderId.match(target).captured(1));
        return ids;
    }

    // The paths of an ls listing, in its order.
    static QStringList listedPaths(const QByteArray& out)
    {
        QStringList lines = QString::fromUtf8(out).split(u'\n', Qt::SkipEmptyParts);
        lines.removeFirst(); // the header
        for (QString& line : lines)
            line = line.section(u'\t', 0, 0);
        return lines;
    }
};

// An excluded folder is never listed, nor anything below it; the includes keep .txt and .pdf.
TEST_F(ProgramFilterTest, ListingNeverAsksForAnExcludedFolder)
{
    const ProgramRun ls = run(
        {"ls", "cid:1001", "--recursive", "--exclude=工作/", "--include=*.TXT", "--include=*.pdf"});
    ASSERT_EQ(ls.exitCode, 0) << ls.err.constData();
    EXPECT_EQ(listedPaths(ls.out), QStringList({"个人/", "读书笔记.txt", "个人/简历.pdf"}));
    EXPECT_EQ(listedFolders(), QSet<QString>({DemoDriveIds::Documents, "1012"}));
}

// Depth 1: the folder and its subfolders are listed, nothing deeper, and ls shows only them.
TEST_F(ProgramFilterTest, ListingStopsAtTheDepth)
{
    const ProgramRun ls = run({"ls", "cid:1001", "--recursive", "--max-depth=1"});
    ASSERT_EQ(ls.exitCode, 0) << ls.err.constData();
    EXPECT_EQ(listedFolders(),
              QSet<QString>({DemoDriveIds::Documents, DemoDriveIds::Work, "1012"}));
    const QStringList paths = listedPaths(ls.out);
    EXPECT_TRUE(paths.contains("工作/会议纪要.txt"));
    EXPECT_FALSE(paths.join(u'\n').contains(QString::fromUtf8(DemoDriveIds::ReportName)));
}

// Only the files kept are exported, and only their download pages are fetched; the lower
// bound is inclusive (Titanic.avi has exactly 1.5 GiB).
TEST_F(ProgramFilterTest, ExportWritesOnlyTheFilesKept)
{
    QTemporaryDir out;
    const ProgramRun exported = run({"export", "cid:1002", "--include=*.mkv", "--include=*.avi",
                                     "--min-size=1.5G", "--out=" + out.path()});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.constData();
    EXPECT_EQ(downloadTargets().size(), 3);

    QFile plain(QDir(out.path()).filePath("demo.txt"));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    const QString text = QStringDecoder("GB18030").decode(plain.readAll());
    for (const char* kept : {"肖申克的救赎.mkv", "The Matrix.MKV", "Titanic.avi"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(kept))) << kept;
    for (const char* left : {"阿甘正传.AVI", "霸王别姬.rmvb", "avi 格式说明.txt"})
        EXPECT_FALSE(text.contains(QString::fromUtf8(left))) << left;
}

} // namespace
