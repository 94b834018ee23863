#pragma once

#include "SecretStore.h"

/** The OS keyring through QtKeychain: the Secret Service on Linux (GNOME Keyring, KWallet),
 *  the Credential Manager on Windows, the Keychain on macOS. Every entry lies under the
 *  service name KeyringService, keyed "<kind>:<account>@<origin>". Never falls back to a
 *  file: without a keyring every call fails with the keyring's reason. Each call runs
 *  QtKeychain's job in a local event loop, so it needs a QCoreApplication. */
class KeychainSecretStore final : public SecretStore
{
public:
    QString unavailableReason() override;
    SecretRead read(const SecretKey& key) override;
    QString write(const SecretKey& key, const QString& secret) override;
    QString remove(const SecretKey& key) override;
};

/** The service name of the program's keyring entries. */
inline constexpr char KeyringService[] = "zorbel-extract";

/** The key of `key`'s entry within KeyringService, e.g. "password:demo@http://127.0.0.1:8123". */
QString KeyringEntryName(const SecretKey& key);
