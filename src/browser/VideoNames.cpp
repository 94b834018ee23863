#include "VideoNames.h"

#include <QStringList>

bool IsVideoName(const QString& name)
{
    static const QStringList extensions{
        QStringLiteral(".wmv"), QStringLiteral(".rm"),  QStringLiteral(".mkv"),
        QStringLiteral(".flv"), QStringLiteral(".avi"), QStringLiteral(".rmvb"),
    };
    for (const QString& extension : extensions) {
        if (name.endsWith(extension, Qt::CaseSensitive))
            return true;
    }
    return false;
}
