#pragma once

#include "SecretStore.h"

#include <QMap>
#include <QString>

/** A SecretStore in memory for tests that need no real keyring: it keeps what is written,
 *  or, once made unavailable, refuses every call with the given reason. Makes itself current
 *  for its lifetime and then restores the store it replaced. */
class RecordingSecretStore final : public SecretStore
{
public:
    RecordingSecretStore();
    ~RecordingSecretStore() override;
    RecordingSecretStore(const RecordingSecretStore&) = delete;
    RecordingSecretStore& operator=(const RecordingSecretStore&) = delete;

    /** From now on every call fails with `reason` (empty: works again). */
    void makeUnavailable(const QString& reason) { m_unavailable = reason; }

    QString unavailableReason() override { return m_unavailable; }
    SecretRead read(const SecretKey& key) override;
    QString write(const SecretKey& key, const QString& secret) override;
    QString remove(const SecretKey& key) override;

    /** What is stored for `account` at `origin` of `kind`; empty when nothing is. */
    QString stored(const QString& origin, const QString& account, SecretKind kind) const;

private:
    QMap<QString, QString> m_entries;
    QString m_unavailable;
    SecretStore* m_replaced;
};
