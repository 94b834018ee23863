#include "AccountFileName.h"

#include "platform/Desktop.h"

#include <QCoreApplication>

namespace {

const QString ForbiddenCharacters = QStringLiteral(R"(<>:"/\|?*)");

bool isForbidden(QChar c)
{
    return c.category() == QChar::Other_Control || ForbiddenCharacters.contains(c);
}

} // namespace

bool CanNameExportFiles(const QString& account)
{
    if (account.contains(QStringLiteral("..")))
        return false;
    for (const QChar c : account) {
        if (isForbidden(c))
            return false;
    }
    return true;
}

void ReportUnusableAccount(const QString& account)
{
    CurrentDesktop().showMessage(
        QCoreApplication::translate(
            "AccountFileName",
            "账号不能用作导出文件名：%1\n文件名不能含有 \\ / : * ? \" < > |、控制字符或“..”。")
            .arg(account),
        QCoreApplication::translate("AccountFileName", "错误"), Desktop::Icon::None);
}
