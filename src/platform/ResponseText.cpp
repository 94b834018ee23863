#include "ResponseText.h"

#include <QList>
#include <QStringDecoder>

QByteArray CharsetOf(const QByteArray& contentType)
{
    const QList<QByteArray> parameters = contentType.split(';');
    for (qsizetype i = 1; i < parameters.size(); ++i) {
        const QByteArray parameter = parameters[i].trimmed();
        const qsizetype equals = parameter.indexOf('=');
        if (equals < 0 || parameter.left(equals).trimmed().toLower() != "charset")
            continue;
        QByteArray value = parameter.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return {};
}

QString DecodeResponseText(const QByteArray& body, const QByteArray& contentType)
{
    const QByteArray charset = CharsetOf(contentType);
    QStringDecoder decoder(charset.isEmpty() ? "UTF-8" : charset.constData());
    // A charset name we do not know still deserves readable text; the service
    // speaks UTF-8, so that is the best guess.
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(body);
}
