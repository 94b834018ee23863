#pragma once

#include "SecretStore.h"

#include <QMap>
#include <QString>

/** A SecretStore in memory for tests that need no real keyring: it keeps what is written.
 *  (The keyring missing is tested for real, with no D-Bus session.) Makes itself current
 *  for its lifetime and then restores the store it replaced. */
class RecordingSecretStore final : public SecretStore
{
public:
    RecordingSecretStore();
    ~RecordingSecretStore() override;
    RecordingSecretStore(const RecordingSecretStore&) = delete;
    RecordingSecretStore& operator=(const RecordingSecretStore&) = delete;

    QString unavailableReason() override { return {}; }
    SecretRead read(const SecretKey& key) override;
    QString write(const SecretKey& key, const QString& secret) override;
    QString remove(const SecretKey& key) override;

    /** What is stored for `account` at `origin` of `kind`; empty when nothing is. */
    QString stored(const QString& origin, const QString& account, SecretKind kind) const;

private:
    QMap<QString, QString> m_entries;
    SecretStore* m_replaced;
};
