#include "CaseName.h"
#include "DemoServiceFixture.h"
#include "ProgramRun.h"
#include "SelfSignedCertificate.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <unistd.h>

namespace {

const QString Password = QStringLiteral("zorbel-demo");

// Every path below `folder`, to see that a run left it as it was.
QStringList everythingIn(const QString& folder)
{
    QStringList paths;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.append(it.next());
    paths.sort();
    return paths;
}

void makeFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

struct UnwritableCase
{
    const char* name;
    const char* out;                        // --out, below the test's folder
    std::function<void(const QDir&)> setUp; // makes it unwritable there
    bool byPermissions;                     // root writes whatever the permissions say
    const char* pattern;                    // what the message says after the folder's path
};

class UnwritableOutTest : public DemoServiceFixture,
                          public ::testing::WithParamInterface<UnwritableCase>
{
protected:
    QTemporaryDir folder;
};

// Export files that cannot be written are found before anything is sent, and finding it out
// creates nothing.
TEST_P(UnwritableOutTest, FailsBeforeAnyRequestAndCreatesNothing)
{
    const UnwritableCase& c = GetParam();
    if (c.byPermissions && geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders and files";
    const QDir top(folder.path());
    c.setUp(top);
    const QStringList before = everythingIn(top.path());

    const ProgramRun run =
        RunProgram({"export", "--account=demo", "--service=" + service.baseUrl(),
                    QStringLiteral("--out=") + QString::fromUtf8(c.out), "/电影"},
                   Password, top.path());

    EXPECT_EQ(run.exitCode, 1);
    const QString pattern = QStringLiteral("^zorbel-extract: cannot write [^\"]*\"") +
                            QRegularExpression::escape(top.path()) + QString::fromUtf8(c.pattern);
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QRegularExpression(pattern)))
        << run.err.constData();
    EXPECT_TRUE(service.requests().isEmpty());
    EXPECT_EQ(everythingIn(top.path()), before);
    for (const QString& path : everythingIn(top.path()))
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnwritableOutTest,
    ::testing::Values(UnwritableCase{"OutIsAFile", "taken",
                                     [](const QDir& top) { makeFile(top.filePath("taken")); },
                                     false, R"(/taken": "[^"]*/taken" is a file\n$)"},
                      UnwritableCase{"BelowAFile", "taken/a/b",
                                     [](const QDir& top) { makeFile(top.filePath("taken")); },
                                     false, R"(/taken/a/b": "[^"]*/taken" is a file\n$)"},
                      UnwritableCase{"ExportFileIsAFolder", "out",
                                     [](const QDir& top) {
                                         ASSERT_TRUE(top.mkpath("out/demo[贴吧+IE] .txt"));
                                     },
                                     false, R"(/out/demo\[贴吧\+IE\] \.txt": it is a folder\n$)"},
                      UnwritableCase{"BelowAReadOnlyFolder", "locked/new",
                                     [](const QDir& top) {
                                         ASSERT_TRUE(top.mkdir("locked"));
                                         QFile::setPermissions(top.filePath("locked"),
                                                               QFile::ReadOwner | QFile::ExeOwner);
                                     },
                                     true, R"(/locked/new": "[^"]*/locked" is read-only\n$)"},
                      UnwritableCase{"ReadOnlyExportFile", "out",
                                     [](const QDir& top) {
                                         ASSERT_TRUE(top.mkdir("out"));
                                         makeFile(top.filePath("out/demo.txt"));
                                         QFile::setPermissions(top.filePath("out/demo.txt"),
                                                               QFile::ReadOwner);
                                     },
                                     true, R"(/out/demo\.txt": it is read-only\n$)"}),
    CaseName());

// Relative paths name what they name in the folder the command was started in, also after the
// run made its --out folder: the certificate is read and the files land below that folder.
TEST(RelativePathsTest, CaFileAndOutAreReadFromTheStartingFolder)
{
    const SelfSignedCertificate certificate;
    ASSERT_EQ(certificate.error().toStdString(), "");
    DemoService service;
    ASSERT_TRUE(service.start(
        0, DemoService::TlsFiles{certificate.certificateFile(), certificate.keyFile()}));
    QTemporaryDir folder;
    ASSERT_TRUE(QFile::copy(certificate.certificateFile(), folder.filePath("trusted.pem")));

    const ProgramRun run =
        RunProgram({"export", "--account=demo", "--service=" + service.baseUrl(), "--quiet",
                    "--ca-file=trusted.pem", "--out=exports/2012", "/电影"},
                   Password, folder.path());

    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(QFile::exists(folder.filePath("exports/2012/demo.txt")));
}

} // namespace
