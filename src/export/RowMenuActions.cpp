#include "RowMenuActions.h"

#include "ResultActions.h"
#include "StoredSha1s.h"
#include "platform/Desktop.h"

#include <QCoreApplication>

namespace {

constexpr int Sha1Length = 40;

void tellMissing(const QString& text)
{
    CurrentDesktop().showMessage(text, QCoreApplication::translate("RowMenuActions", "提示"),
                                 Desktop::Icon::Information);
}

bool isFileRow(const FileList& list, int row)
{
    return row >= 0 && row < list.rowCount() && !list.text(row, Column::PickCode).isEmpty();
}

bool resolvedFromStore(FileList& list, int row)
{
    Sha1Store store(Sha1StoreOrigin());
    return ResolveRowsFromStore(list, {row}, store).isEmpty();
}

// The row's standard-form text once it has its SHA1, taken from the store or else from its page
// when it has none yet; empty when the SHA1 could not be had.
QString resolvedStandardForm(FileList& list, int row, LinkFields& fields)
{
    if (!isFileRow(list, row))
        return {};
    if (IsUnresolved(list.text(row, Column::StandardForm))) {
        if (resolvedFromStore(list, row)) {
            // As a click on the now resolved row: its pick code, no link.
            fields = {list.text(row, Column::PickCode), QString()};
            return list.text(row, Column::StandardForm);
        }
        if (!FetchRowPage(list, row, fields).fetched)
            return {};
        if (IsUnresolved(list.text(row, Column::StandardForm))) {
            tellMissing(QCoreApplication::translate("RowMenuActions", "下载页中没有找到 SHA1。"));
            return {};
        }
    }
    return list.text(row, Column::StandardForm);
}

// The download link on the row's page; empty when there is none or the fetch failed.
QString fetchedDownloadLink(FileList& list, int row, LinkFields& fields)
{
    if (!isFileRow(list, row))
        return {};
    const RowPage page = FetchRowPage(list, row, fields);
    if (page.fetched && page.downloadLink.isEmpty())
        tellMissing(QCoreApplication::translate("RowMenuActions", "下载页中没有找到下载链接。"));
    return page.downloadLink;
}

} // namespace

void CopyRowPickCode(const FileList& list, int row)
{
    if (isFileRow(list, row))
        CurrentDesktop().setClipboardText(list.text(row, Column::PickCode));
}

void CopyRowSha1(FileList& list, int row, LinkFields& fields)
{
    const QString standardForm = resolvedStandardForm(list, row, fields);
    if (!standardForm.isEmpty())
        CurrentDesktop().setClipboardText(standardForm.left(Sha1Length));
}

void CopyRowStandardForm(FileList& list, int row, LinkFields& fields)
{
    const QString standardForm = resolvedStandardForm(list, row, fields);
    if (!standardForm.isEmpty())
        CurrentDesktop().setClipboardText(standardForm);
}

void CopyRowDownloadLink(FileList& list, int row, LinkFields& fields)
{
    CopyLink(fetchedDownloadLink(list, row, fields));
}

void OpenRowDownloadLink(FileList& list, int row, LinkFields& fields)
{
    OpenLink(fetchedDownloadLink(list, row, fields));
}
