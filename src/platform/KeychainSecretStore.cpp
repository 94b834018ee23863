#include "KeychainSecretStore.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace {

// Runs `job` to its end. A job may finish before start() returns, so the loop only waits
// for one that has not.
QKeychain::Error runJob(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    // A keyring that cannot be reached must never make the secret a plain file.
    job.setInsecureFallback(false);
    bool finished = false;
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    job.start();
    if (!finished)
        loop.exec();
    return job.error();
}

QString keyringProblem(const QKeychain::Job& job)
{
    return QCoreApplication::translate("KeychainSecretStore", "the keyring cannot be used (%1)")
        .arg(job.errorString());
}

const QString ServiceName = QString::fromLatin1(KeyringService);

} // namespace

QString KeyringEntryName(const SecretKey& key)
{
    const QString kind = key.kind == SecretKind::Password ? QStringLiteral("password")
                                                          : QStringLiteral("session-cookie");
    return kind + u':' + key.account + u'@' + key.origin;
}

QString KeychainSecretStore::unavailableReason()
{
    // Asking for an entry that is never written tells whether the keyring answers at all.
    QKeychain::ReadPasswordJob job(ServiceName);
    job.setKey(QStringLiteral("probe"));
    const QKeychain::Error error = runJob(job);
    return error == QKeychain::NoError || error == QKeychain::EntryNotFound ? QString()
                                                                            : keyringProblem(job);
}

SecretRead KeychainSecretStore::read(const SecretKey& key)
{
    QKeychain::ReadPasswordJob job(ServiceName);
    job.setKey(KeyringEntryName(key));
    switch (runJob(job)) {
    case QKeychain::NoError:
        return {job.textData(), {}};
    case QKeychain::EntryNotFound:
        return {};
    default:
        return {std::nullopt, keyringProblem(job)};
    }
}

QString KeychainSecretStore::write(const SecretKey& key, const QString& secret)
{
    QKeychain::WritePasswordJob job(ServiceName);
    job.setKey(KeyringEntryName(key));
    job.setTextData(secret);
    return runJob(job) == QKeychain::NoError ? QString() : keyringProblem(job);
}

QString KeychainSecretStore::remove(const SecretKey& key)
{
    QKeychain::DeletePasswordJob job(ServiceName);
    job.setKey(KeyringEntryName(key));
    const QKeychain::Error error = runJob(job);
    return error == QKeychain::NoError || error == QKeychain::EntryNotFound ? QString()
                                                                            : keyringProblem(job);
}
