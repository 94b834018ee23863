#include "DigitKeys.h"

#include <QRegularExpression>

QStringList DigitKeys(const QString& responseText)
{
    static const QRegularExpression digitKeyedObject(QStringLiteral(R"re("(\d*)":\s*\{)re"),
                                                     QRegularExpression::CaseInsensitiveOption |
                                                         QRegularExpression::MultilineOption);
    QStringList keys;
    QRegularExpressionMatchIterator matches = digitKeyedObject.globalMatch(responseText);
    while (matches.hasNext())
        keys.append(matches.next().captured(1));
    return keys;
}
