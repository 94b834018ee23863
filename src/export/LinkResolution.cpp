#include "LinkResolution.h"

#include "DownloadPage.h"
#include "PageSearch.h"

namespace {

void TakeDownloadLink(const QString& page, LinkFields& fields)
{
    const QString link = PickDownloadLink(page);
    if (!link.isEmpty())
        fields.downloadLink = link;
}

} // namespace

bool IsUnresolved(const QString& standardForm)
{
    return standardForm.startsWith(QLatin1Char('#'));
}

void ResolveRowSha1(FileList& list, int row, const QString& sha1)
{
    list.setText(row, Column::StandardForm, sha1 + list.text(row, Column::StandardForm));
    list.setTextColour(row, Column::StandardForm, ResolvedColour);
}

void ResolveSelectedRow(FileList& list, LinkFields& fields)
{
    const int row = list.selectedRow();
    if (row < 0 || row >= list.rowCount())
        return;
    const QString pickCode = list.text(row, Column::PickCode);
    if (!IsUnresolved(list.text(row, Column::StandardForm))) {
        fields.pickCode = pickCode;
        fields.downloadLink.clear();
        return;
    }
    const QString page = FetchDownloadPage(pickCode);
    if (page.isEmpty())
        return;
    const QString sha1 = FindSha1(page);
    if (!sha1.isEmpty()) {
        ResolveRowSha1(list, row, sha1);
        fields.pickCode = pickCode;
    }
    TakeDownloadLink(page, fields);
}

void FetchLinkOfPickCode(LinkFields& fields)
{
    const QString page = FetchDownloadPage(fields.pickCode);
    if (!page.isEmpty())
        TakeDownloadLink(page, fields);
}
