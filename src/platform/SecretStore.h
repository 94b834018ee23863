#pragma once

#include <QString>
#include <optional>

/** What a secret is. */
enum class SecretKind
{
    SessionCookie, // "OOFA=" and its value
    Password,      // kept only when the user asked for it
};

/** Where a secret belongs: the service it is for (scheme, host and port), the account and what
 *  it is. */
struct SecretKey
{
    QString origin;
    QString account;
    SecretKind kind = SecretKind::SessionCookie;
};

/** A secret looked up: the secret, or nothing with an empty problem when none is stored, or
 *  nothing with the keyring's words when it could not be asked. */
struct SecretRead
{
    std::optional<QString> secret;
    QString problem;
};

/** The OS keyring as the program uses it: secrets by (origin, account, kind), never in a file.
 *  One store is current for the whole process, as the Desktop is: the keyring by default,
 *  a recording one in tests that need no real keyring. Calls block until the keyring answered
 *  (a keyring may ask the user to unlock it first). */
class SecretStore
{
public:
    virtual ~SecretStore();

    /** Empty when secrets can be kept; otherwise why not, in words a user can act on. */
    virtual QString unavailableReason() = 0;
    virtual SecretRead read(const SecretKey& key) = 0;
    /** Stores `secret` under `key`, replacing one stored before; empty, or what went wrong. */
    virtual QString write(const SecretKey& key, const QString& secret) = 0;
    /** Removes what `key` holds; empty also when nothing was stored, else what went wrong. */
    virtual QString remove(const SecretKey& key) = 0;
};

/** Makes `store` current (not owned); nullptr restores the OS keyring. */
void SetSecretStore(SecretStore* store);
/** The current store: the one set last, else the OS keyring (QtKeychain). */
SecretStore& CurrentSecretStore();
