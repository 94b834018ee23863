#include "LinkResolution.h"

#include "DownloadPage.h"
#include "PageSearch.h"
#include "StoredSha1s.h"

namespace {

QString takeDownloadLink(const QString& page, LinkFields& fields)
{
    const QString link = PickDownloadLink(page);
    if (!link.isEmpty())
        fields.downloadLink = link;
    return link;
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
    if (!IsUnresolved(list.text(row, Column::StandardForm))) {
        fields.pickCode = list.text(row, Column::PickCode);
        fields.downloadLink.clear();
        return;
    }
    FetchRowPage(list, row, fields);
}

RowPage FetchRowPage(FileList& list, int row, LinkFields& fields)
{
    const QString pickCode = list.text(row, Column::PickCode);
    const QString page = FetchDownloadPage(pickCode);
    if (page.isEmpty())
        return {};
    if (const QString sha1 = FindSha1(page); !sha1.isEmpty()) {
        Sha1Store(Sha1StoreOrigin()).remember(StoreKeyOfRow(list, row), sha1);
        if (IsUnresolved(list.text(row, Column::StandardForm)))
            ResolveRowSha1(list, row, sha1);
    }
    // A row still without its SHA1 leaves the pick code field as it was.
    if (!IsUnresolved(list.text(row, Column::StandardForm)))
        fields.pickCode = pickCode;
    return {true, takeDownloadLink(page, fields)};
}

void FetchLinkOfPickCode(LinkFields& fields)
{
    const QString page = FetchDownloadPage(fields.pickCode);
    if (!page.isEmpty())
        takeDownloadLink(page, fields);
}
