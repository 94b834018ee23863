#include "AccountCommands.h"

#include "Password.h"
#include "Subcommands.h"
#include "browser/KeptLogin.h"
#include "browser/Login.h"
#include "service/session.h"

#include <QCoreApplication>

namespace {

constexpr int Failed = FailedExitCode;

int fail(const QString& problem, int exitCode = Failed)
{
    return ReportProblem(problem, exitCode);
}

std::optional<QString> storedSecret(const QString& account, SecretKind kind)
{
    return CurrentSecretStore().read(AccountSecretKey(account, kind)).secret;
}

// Signs in with a password typed or given, as the window's login does; 0 or the exit code.
int signIn(const QString& account, const std::optional<QString>& password, const QString& problem)
{
    if (!password)
        return fail(problem, UsageExitCode);
    return SignIn(account, *password) == LoginOutcome::SignedIn ? 0 : Failed;
}

} // namespace

QString EndedSessionProblem(const QString& account)
{
    return QCoreApplication::translate(
               "AccountCommands",
               "the session for %1 has ended: run zorbel-extract login --account=%1")
        .arg(account);
}

int RunLogin(const SubcommandOptions& options)
{
    SecretStore& store = CurrentSecretStore();
    if (const QString reason = store.unavailableReason(); !reason.isEmpty())
        return fail(QCoreApplication::translate("AccountCommands",
                                                "no OS keyring to keep the session in: %1; set "
                                                "the environment variable %2 for each run instead")
                        .arg(reason, QLatin1String(PasswordVariable)));
    QString problem;
    const std::optional<QString> password = ReadPassword(options.account, problem);
    if (const int exitCode = signIn(options.account, password, problem); exitCode != 0)
        return exitCode;
    const SecretKey passwordKey = AccountSecretKey(options.account, SecretKind::Password);
    QString error =
        store.write(AccountSecretKey(options.account, SecretKind::SessionCookie), SessionCookie());
    if (error.isEmpty())
        error =
            options.savePassword ? store.write(passwordKey, *password) : store.remove(passwordKey);
    if (!error.isEmpty())
        return fail(QCoreApplication::translate("AccountCommands", "signed in, but %1").arg(error));
    return 0;
}

int RunLogout(const SubcommandOptions& options)
{
    SecretStore& store = CurrentSecretStore();
    for (const SecretKind kind : {SecretKind::SessionCookie, SecretKind::Password}) {
        if (const QString error = store.remove(AccountSecretKey(options.account, kind));
            !error.isEmpty())
            return fail(QCoreApplication::translate("AccountCommands",
                                                    "cannot remove what is kept for %1: %2")
                            .arg(options.account, error));
    }
    return 0;
}

int StartSession(const SubcommandOptions& options, KeptLogin& kept)
{
    const QString& account = options.account;
    if (const QString given = qEnvironmentVariable(PasswordVariable); !given.isEmpty()) {
        kept.keep(account, given);
        return signIn(account, given, {});
    }
    kept.keep(account);
    if (const std::optional<QString> cookie = storedSecret(account, SecretKind::SessionCookie)) {
        SetSessionCookie(*cookie);
        return 0;
    }
    if (const std::optional<QString> stored = storedSecret(account, SecretKind::Password)) {
        const int exitCode = signIn(account, stored, {});
        if (exitCode == 0)
            CurrentSecretStore().write(AccountSecretKey(account, SecretKind::SessionCookie),
                                       SessionCookie());
        return exitCode;
    }
    QString problem;
    const std::optional<QString> typed = ReadPassword(account, problem);
    if (typed)
        kept.keep(account, *typed);
    return signIn(account, typed, problem);
}
