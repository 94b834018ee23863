#pragma once

#include <QString>
#include <QTemporaryDir>

/** A throwaway self-signed certificate for 127.0.0.1 and its private key, PEM files made by
 *  the openssl command in a temporary folder that goes away with the object. */
class SelfSignedCertificate
{
public:
    SelfSignedCertificate();

    /** Why the pair could not be made; empty when it was. */
    const QString& error() const { return m_error; }
    QString certificateFile() const { return m_folder.filePath(QStringLiteral("cert.pem")); }
    QString keyFile() const { return m_folder.filePath(QStringLiteral("key.pem")); }

private:
    QTemporaryDir m_folder;
    QString m_error;
};
