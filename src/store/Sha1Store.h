#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QString>

struct sqlite3;

/** A file as the store knows it: its pick code and its size in bytes. */
struct StoreKey
{
    QString pickCode;
    qint64 size = -1;
};

/** The lasting SHA1 store: (service origin, pick code) to SHA1, size in bytes and the time it
 *  was found, in the SQLite file Sha1StorePath() names. One is opened for an operation and let
 *  go at its end, so no connection outlives the operation and the folder XDG_CACHE_HOME names
 *  at the start of each operation is the one used. A store that cannot be opened, read or
 *  written (unreadable, locked past a time-out, corrupt, full, made by a newer program) says so
 *  once per file and process through the current Desktop and from then on finds nothing and
 *  keeps nothing: it is never the reason an operation fails. Several processes may use one
 *  file at once. */
class Sha1Store
{
public:
    /** The schema this program reads and writes, kept in the file's "user_version". */
    static constexpr int SchemaVersion = 1;

    /** The store for the service at `origin` (scheme, host and port, as the download pages'
     *  address names them). The file is opened when first needed, its folder (mode 0700) and
     *  the file (0600) made if missing. */
    explicit Sha1Store(QString origin);
    /** Writes what is still pending. */
    ~Sha1Store();
    Sha1Store(const Sha1Store&) = delete;
    Sha1Store& operator=(const Sha1Store&) = delete;

    /** The SHA1s stored for those of `keys` whose stored size is theirs, by pick code, read in
     *  one transaction. A size that differs means another file: it is not taken. */
    QHash<QString, QString> lookUp(const QList<StoreKey>& keys);

    /** Keeps `sha1` for `key`, replacing what was stored. Writes go in one transaction with the
     *  others pending once a second has passed since the last one, and when the store is let
     *  go, so a process killed loses about a second of findings at most. */
    void remember(const StoreKey& key, const QString& sha1);

    /** Writes what is pending now. */
    void flush();

    /** False once the store has been found unusable (and said so). */
    bool usable() const { return !m_failed; }

private:
    struct Pending
    {
        StoreKey key;
        QString sha1;
    };

    /** Opens the file unless open or found unusable; whether it is open. */
    bool ready();
    bool open();
    /** Empty when the file holds this program's schema (made now if it was new); else why not. */
    QString prepareSchema();
    bool setWriteAheadLog();
    bool run(const char* sql);
    QString lastError() const;
    void giveUp(const QString& reason);

    QString m_origin;
    QString m_path;
    sqlite3* m_db = nullptr;
    bool m_failed = false;
    QList<Pending> m_pending;
    QElapsedTimer m_sinceWrite;
};

/** The store's file: "sha1s.sqlite" in the folder "zorbel-extract" of the cache folder that
 *  XDG_CACHE_HOME names now (~/.cache when it is unset or not absolute). */
QString Sha1StorePath();
