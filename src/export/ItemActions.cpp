#include "ItemActions.h"

#include "AccountFileName.h"
#include "ExtractionFormat.h"
#include "platform/Desktop.h"

void Check1(FileList& list, bool ticked)
{
    for (int row = 0; row < list.rowCount(); ++row)
        list.setTicked(row, ticked);
}

void Command14(const QString& downloadLink)
{
    if (!downloadLink.isEmpty())
        CurrentDesktop().setClipboardText(downloadLink);
}

void Command15(const QString& downloadLink)
{
    if (!downloadLink.isEmpty())
        CurrentDesktop().shellOpen(downloadLink);
}

void Command17(const QString& account)
{
    if (account.isEmpty())
        return;
    if (!CanNameExportFiles(account)) {
        ReportUnusableAccount(account);
        return;
    }
    CurrentDesktop().shellOpen(ExtractionFileSet(account)[0].fileName);
}
