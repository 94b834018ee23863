#include "ItemActions.h"

#include "AccountFileName.h"
#include "ExtractionFormat.h"
#include "platform/Desktop.h"

void CopyLink(const QString& downloadLink)
{
    if (!downloadLink.isEmpty())
        CurrentDesktop().setClipboardText(downloadLink);
}

void OpenLink(const QString& downloadLink)
{
    if (!downloadLink.isEmpty())
        CurrentDesktop().shellOpen(downloadLink);
}

void OpenPlainExportFile(const QString& account)
{
    if (account.isEmpty())
        return;
    if (!CanNameExportFiles(account)) {
        ReportUnusableAccount(account);
        return;
    }
    CurrentDesktop().shellOpen(ExtractionFileSet(account)[0].fileName);
}
