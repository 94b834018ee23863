#include "ResultActions.h"

#include "AccountFileName.h"
#include "ExtractionFormat.h"
#include "TickedRowsExport.h"
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

void CopyTickedExtraction(FileList& list, ExportProgress* progress)
{
    if (CompleteTickedSha1s(list, progress))
        return;
    // The plain layout is the first of the set; the account only names its file.
    const ExtractionFile plain = ExtractionFileSet(QString()).front();
    CurrentDesktop().setClipboardText(ExtractionSection(plain, ExportedRows(list)));
}

bool AnyRowTicked(const FileList& list)
{
    for (int row = 0; row < list.rowCount(); ++row) {
        if (list.isTicked(row))
            return true;
    }
    return false;
}
