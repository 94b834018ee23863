#include "Sha1Store.h"

#include "platform/Desktop.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QThread>
#include <sqlite3.h>

namespace {

constexpr int BusyTimeoutMs = 10000; // another process's write transaction is short
constexpr qint64 WriteIntervalMs = 1000;

constexpr QFileDevice::Permissions FolderMode =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions FileMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// One prepared statement, finalised when it goes.
class Statement
{
public:
    Statement(sqlite3* db, const char* sql)
    {
        m_code = sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int prepared() const { return m_code; }
    sqlite3_stmt* get() const { return m_stmt; }

    void bindText(int place, const QString& text)
    {
        const QByteArray bytes = text.toUtf8();
        sqlite3_bind_text(m_stmt, place, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_code = SQLITE_OK;
};

// The files this process found unusable: each is reported once.
QSet<QString>& reportedFiles()
{
    static QSet<QString> files;
    return files;
}

QString cacheFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.cache");
}

} // namespace

QString Sha1StorePath()
{
    return cacheFolder() + QStringLiteral("/zorbel-extract/sha1s.sqlite");
}

Sha1Store::Sha1Store(QString origin) : m_origin(std::move(origin)), m_path(Sha1StorePath())
{
    m_sinceWrite.start();
}

bool Sha1Store::ready()
{
    if (m_db || m_failed)
        return m_db != nullptr;
    if (!open())
        return false;
    if (const QString reason = prepareSchema(); !reason.isEmpty())
        giveUp(reason);
    return m_db != nullptr;
}

Sha1Store::~Sha1Store()
{
    flush();
    sqlite3_close_v2(m_db);
}

bool Sha1Store::open()
{
    const QString folder = QFileInfo(m_path).path();
    if (!QDir().mkpath(folder) || !QFile::setPermissions(folder, FolderMode)) {
        giveUp(QCoreApplication::translate("Sha1Store", "无法建立目录 %1").arg(folder));
        return false;
    }
    // The file is made owner-only before SQLite opens it; SQLite gives its -wal and -shm files
    // the mode of the database file.
    QFile file(m_path);
    if (!file.exists() && !file.open(QIODevice::WriteOnly | QIODevice::NewOnly, FileMode) &&
        !file.exists()) {
        giveUp(file.errorString());
        return false;
    }
    file.close();
    QFile::setPermissions(m_path, FileMode);
    if (const int code = sqlite3_open_v2(QFile::encodeName(m_path).constData(), &m_db,
                                         SQLITE_OPEN_READWRITE, nullptr);
        code != SQLITE_OK) {
        giveUp(QString::fromUtf8(sqlite3_errstr(code)));
        return false;
    }
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    return true;
}

// Version 0 is a file just made; a later version of the schema adds its steps here, each
// raising user_version by one inside the transaction that makes its change.
QString Sha1Store::prepareSchema()
{
    if (!setWriteAheadLog() || !run("PRAGMA synchronous=NORMAL"))
        return lastError();
    const auto version = [this] {
        Statement read(m_db, "PRAGMA user_version");
        return read.prepared() == SQLITE_OK && sqlite3_step(read.get()) == SQLITE_ROW
                   ? sqlite3_column_int(read.get(), 0)
                   : -1;
    };
    int found = version();
    if (found == 0) {
        if (!run("BEGIN IMMEDIATE"))
            return lastError();
        // Another process may have made it meanwhile.
        if (version() == 0 &&
            !(run("CREATE TABLE IF NOT EXISTS sha1s(origin TEXT NOT NULL, pick_code TEXT NOT "
                  "NULL, sha1 TEXT NOT NULL, size INTEGER NOT NULL, found INTEGER NOT NULL, "
                  "PRIMARY KEY(origin, pick_code)) WITHOUT ROWID") &&
              run("PRAGMA user_version=1"))) {
            const QString reason = lastError();
            run("ROLLBACK");
            return reason;
        }
        if (!run("COMMIT"))
            return lastError();
        found = version();
    }
    if (found == SchemaVersion)
        return {};
    if (found > SchemaVersion)
        return QCoreApplication::translate("Sha1Store", "它由更新版本的程序建立（格式 %1）")
            .arg(found);
    return lastError();
}

QString Sha1Store::lastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(m_db));
}

// Two programs opening a new store at once: the switch to WAL takes the file alone and does not
// wait through the busy handler, so the one that loses the race tries again for a while.
bool Sha1Store::setWriteAheadLog()
{
    const QDeadlineTimer deadline(BusyTimeoutMs);
    for (;;) {
        const int code = sqlite3_exec(m_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        if (code == SQLITE_OK)
            return true;
        if ((code & 0xff) != SQLITE_BUSY || deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
}

bool Sha1Store::run(const char* sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void Sha1Store::giveUp(const QString& reason)
{
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_failed = true;
    m_pending.clear();
    if (reportedFiles().contains(m_path))
        return;
    reportedFiles().insert(m_path);
    CurrentDesktop().showMessage(
        QCoreApplication::translate("Sha1Store",
                                    "SHA1 存储“%1”无法使用（%2），本次不读取也不保存已知的 "
                                    "SHA1，其余照常进行。若文件已损坏，删除它即可重新建立。")
            .arg(QDir::toNativeSeparators(m_path), reason),
        QCoreApplication::translate("Sha1Store", "提示"), Desktop::Icon::Information);
}

QHash<QString, QString> Sha1Store::lookUp(const QList<StoreKey>& keys)
{
    QHash<QString, QString> found;
    if (keys.isEmpty() || !ready())
        return found;
    bool read = run("BEGIN");
    if (read) {
        Statement select(m_db, "SELECT sha1, size FROM sha1s WHERE origin = ?1 AND pick_code = ?2");
        read = select.prepared() == SQLITE_OK;
        select.bindText(1, m_origin);
        for (qsizetype i = 0; read && i < keys.size(); ++i) {
            select.bindText(2, keys[i].pickCode);
            const int code = sqlite3_step(select.get());
            if (code == SQLITE_ROW && sqlite3_column_int64(select.get(), 1) == keys[i].size) {
                found.insert(keys[i].pickCode, QString::fromUtf8(reinterpret_cast<const char*>(
                                                   sqlite3_column_text(select.get(), 0))));
            }
            read = code == SQLITE_ROW || code == SQLITE_DONE;
            sqlite3_reset(select.get());
        }
    }
    if (read && run("COMMIT"))
        return found;
    const QString reason = lastError();
    run("ROLLBACK");
    giveUp(reason);
    return {};
}

void Sha1Store::remember(const StoreKey& key, const QString& sha1)
{
    if (m_failed)
        return;
    m_pending.append({key, sha1});
    if (m_sinceWrite.elapsed() >= WriteIntervalMs)
        flush();
}

void Sha1Store::flush()
{
    m_sinceWrite.restart();
    if (m_pending.isEmpty() || !ready())
        return;
    bool written = run("BEGIN IMMEDIATE");
    if (written) {
        Statement insert(m_db, "INSERT OR REPLACE INTO sha1s(origin, pick_code, sha1, size, found) "
                               "VALUES(?1, ?2, ?3, ?4, ?5)");
        written = insert.prepared() == SQLITE_OK;
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        insert.bindText(1, m_origin);
        for (qsizetype i = 0; written && i < m_pending.size(); ++i) {
            insert.bindText(2, m_pending[i].key.pickCode);
            insert.bindText(3, m_pending[i].sha1);
            sqlite3_bind_int64(insert.get(), 4, m_pending[i].key.size);
            sqlite3_bind_int64(insert.get(), 5, now);
            written = sqlite3_step(insert.get()) == SQLITE_DONE;
            sqlite3_reset(insert.get());
        }
    }
    if (written && run("COMMIT")) {
        m_pending.clear();
        return;
    }
    const QString reason = lastError();
    run("ROLLBACK");
    giveUp(reason);
}
