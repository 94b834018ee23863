#include "RecordingSecretStore.h"

#include "KeychainSecretStore.h"

RecordingSecretStore::RecordingSecretStore() : m_replaced(&CurrentSecretStore())
{
    SetSecretStore(this);
}

RecordingSecretStore::~RecordingSecretStore()
{
    SetSecretStore(m_replaced);
}

SecretRead RecordingSecretStore::read(const SecretKey& key)
{
    const auto found = m_entries.constFind(KeyringEntryName(key));
    return found == m_entries.cend() ? SecretRead{} : SecretRead{*found, {}};
}

QString RecordingSecretStore::write(const SecretKey& key, const QString& secret)
{
    m_entries.insert(KeyringEntryName(key), secret);
    return {};
}

QString RecordingSecretStore::remove(const SecretKey& key)
{
    m_entries.remove(KeyringEntryName(key));
    return {};
}

QString RecordingSecretStore::stored(const QString& origin, const QString& account,
                                     SecretKind kind) const
{
    return m_entries.value(KeyringEntryName({origin, account, kind}));
}
