#pragma once

#include "platform/SecretStore.h"
#include "service/SessionEnd.h"

#include <QString>
#include <functional>

/** The keyring entry of `kind` for `account` at the service in use now. */
SecretKey AccountSecretKey(const QString& account, SecretKind kind);

/** Signs `account` in with `password` and shows nothing; the session cookie, or empty when the
 *  service refused it or the request failed. Leaves the held cookie as it is. */
QString SignInSilently(const QString& account, const QString& password);

/** Keeps one account signed in when the service ends its session: signs in again, silently,
 *  with the password in hand or the one the keyring holds for it, and keeps the new cookie
 *  (held, and in the keyring as the account's session). Installs itself as the session
 *  renewal for its lifetime. */
class KeptLogin final : public SessionRenewal
{
public:
    /** `ended` tells the user that the session ended and could not be renewed. */
    explicit KeptLogin(std::function<void()> ended);
    ~KeptLogin() override;
    KeptLogin(const KeptLogin&) = delete;
    KeptLogin& operator=(const KeptLogin&) = delete;

    /** The account now signed in, and a password to sign in again with (empty: only a
     *  stored one). */
    void keep(const QString& account, const QString& password = {});
    const QString& account() const { return m_account; }

    bool renew() override;
    void reportEnded() override;

private:
    std::function<void()> m_ended;
    QString m_account;
    QString m_password;
};
