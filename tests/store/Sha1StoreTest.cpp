#include "store/Sha1Store.h"

#include "QStringPrinter.h"
#include "platform/RecordingDesktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

const QString Origin = QStringLiteral("http://127.0.0.1:8123");
const QString Sha1A = QStringLiteral("0123456789ABCDEF0123456789ABCDEF01234567");
const QString Sha1B = QStringLiteral("89ABCDEF0123456789ABCDEF0123456789ABCDEF");

struct LookUpCase
{
    const char* name;
    QString origin;
    StoreKey key;
    QString expected; // empty: not found
};

// What one store kept, read back by a later one: only for its origin, pick code and size.
TEST(Sha1StoreTest, FindsWhatAnEarlierStoreKeptForTheSameFileOnly)
{
    RecordingDesktop desktop;
    {
        Sha1Store store(Origin);
        store.remember({QStringLiteral("pcA"), 1024}, Sha1A);
        store.remember({QStringLiteral("pcB"), 0}, Sha1A);
        store.remember({QStringLiteral("pcB"), 0}, Sha1B); // a refresh replaces
    }
    const LookUpCase cases[] = {
        {"same file", Origin, {QStringLiteral("pcA"), 1024}, Sha1A},
        {"replaced", Origin, {QStringLiteral("pcB"), 0}, Sha1B},
        {"other size", Origin, {QStringLiteral("pcA"), 1025}, QString()},
        {"other service",
         QStringLiteral("https://zorbel.example"),
         {QStringLiteral("pcA"), 1024},
         QString()},
        {"unknown pick code", Origin, {QStringLiteral("pcC"), 1024}, QString()},
    };
    for (const LookUpCase& c : cases) {
        Sha1Store store(c.origin);
        EXPECT_EQ(store.lookUp({c.key}).value(c.key.pickCode), c.expected) << c.name;
    }
    EXPECT_TRUE(desktop.messages.isEmpty());
}

// The folder is the owner's alone, and so are the database and its WAL files.
TEST(Sha1StoreTest, KeepsItsFilesOwnerOnly)
{
    Sha1Store store(Origin);
    store.remember({QStringLiteral("pcA"), 1}, Sha1A);
    store.flush();
    const QString path = Sha1StorePath();
    EXPECT_TRUE(path.startsWith(qEnvironmentVariable("XDG_CACHE_HOME") + "/zorbel-extract/"));
    EXPECT_EQ(QFileInfo(QFileInfo(path).path()).permissions() & 0x0777,
              QFileDevice::Permissions(0x0700));
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        ASSERT_TRUE(QFile::exists(path + suffix)) << suffix.toStdString();
        EXPECT_EQ(QFileInfo(path + suffix).permissions() & 0x0777, QFileDevice::Permissions(0x0600))
            << suffix.toStdString();
    }
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void setUserVersion(const QString& path, int version)
{
    Sha1Store(Origin).lookUp({{QStringLiteral("pcA"), 1}}); // makes the file
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    const QByteArray sql = "PRAGMA user_version=" + QByteArray::number(version);
    EXPECT_EQ(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

struct UnusableCase
{
    const char* name;
    std::function<void(const QString& path)> spoil;
};

class UnusableStoreTest : public ::testing::TestWithParam<UnusableCase>
{
};

// A store that cannot be used says so once, finds nothing, keeps nothing and leaves the file
// as it was.
TEST_P(UnusableStoreTest, WarnsOnceAndGoesOnWithoutIt)
{
    const QString path = Sha1StorePath();
    GetParam().spoil(path);
    QFile before(path);
    const QByteArray oldBytes = before.open(QIODevice::ReadOnly) ? before.readAll() : QByteArray();
    RecordingDesktop desktop;
    for (int opening = 0; opening < 2; ++opening) {
        Sha1Store store(Origin);
        store.remember({QStringLiteral("pcA"), 1}, Sha1A);
        store.flush();
        EXPECT_TRUE(store.lookUp({{QStringLiteral("pcA"), 1}}).isEmpty());
        EXPECT_FALSE(store.usable());
    }
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages.first().text.contains(QDir::toNativeSeparators(path)));
    QFile after(path);
    EXPECT_EQ(after.open(QIODevice::ReadOnly) ? after.readAll() : QByteArray(), oldBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Spoilt, UnusableStoreTest,
    ::testing::Values(
        UnusableCase{"Garbage",
                     [](const QString& path) {
                         writeFile(path, QByteArray(4096, '\x5a') + "not a database");
                     }},
        UnusableCase{"NewerSchema", [](const QString& path) { setUserVersion(path, 2); }},
        UnusableCase{"FolderIsAFile",
                     [](const QString& path) { writeFile(QFileInfo(path).path(), "a file"); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
