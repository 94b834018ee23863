#include "SelfSignedCertificate.h"

#include <QProcess>

SelfSignedCertificate::SelfSignedCertificate()
{
    if (!m_folder.isValid()) {
        m_error = QStringLiteral("no temporary folder: ") + m_folder.errorString();
        return;
    }
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                   "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1", "-addext",
                   "subjectAltName=IP:127.0.0.1", "-keyout", keyFile(), "-out", certificateFile()});
    if (!openssl.waitForFinished(30000) || openssl.exitStatus() != QProcess::NormalExit ||
        openssl.exitCode() != 0)
        m_error = QStringLiteral("openssl could not make a certificate: ") + openssl.errorString() +
                  u' ' + QString::fromLocal8Bit(openssl.readAll());
}
