#include "TickedRowsExport.h"

#include "DownloadPage.h"
#include "ExtractionFormat.h"
#include "LinkResolution.h"
#include "PageSearch.h"
#include "RetryingFetcher.h"
#include "StoredSha1s.h"
#include "service/exchange.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

namespace {

QList<int> rowsWithoutSha1(const FileList& list)
{
    QList<int> rows;
    for (int row = 0; row < list.rowCount(); ++row) {
        if (list.isTicked(row) && !list.text(row, Column::PickCode).isEmpty() &&
            IsUnresolved(list.text(row, Column::StandardForm)))
            rows.append(row);
    }
    return rows;
}

} // namespace

std::optional<ExportOutcome> CompleteTickedSha1s(FileList& list, ExportProgress* progress)
{
    Sha1Store store(Sha1StoreOrigin());
    const QList<int> rows = ResolveRowsFromStore(list, rowsWithoutSha1(list), store);
    QList<HttpRequest> requests;
    for (const int row : rows)
        requests.append(DownloadPageRequest(list.text(row, Column::PickCode)));
    const bool shown = progress && rows.size() >= 2;
    ExportCounts counts;
    counts.pagesToFetch = int(rows.size());
    if (shown)
        progress->report(counts);
    const auto fetched = [&] {
        ++counts.pagesFetched;
        if (shown)
            progress->report(counts);
    };
    // Only a shown progress has a Cancel button, and only then may input reach the window.
    const CancelToken* cancel = shown ? &progress->cancelToken() : nullptr;
    // Paced and retried as a folder export's pages are, so a busy service is asked for less.
    RetryingFetcher fetcher(cancel, RetryPolicy{}, fetched);
    const QList<HttpResult> pages = fetcher.fetch(requests);

    std::optional<HttpResult> firstFailure;
    bool emptyPage = false;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (!ExchangeFailureText(pages[i]).isEmpty()) {
            firstFailure = firstFailure.value_or(pages[i]);
        } else if (pages[i].body.isEmpty()) {
            emptyPage = true;
        } else if (const QString sha1 = FindSha1(pages[i].body); !sha1.isEmpty()) {
            store.remember(StoreKeyOfRow(list, rows[i]), sha1);
            ResolveRowSha1(list, rows[i], sha1);
        }
    }
    const bool anyCancelled = std::any_of(pages.begin(), pages.end(), [](const HttpResult& page) {
        return page.failure == HttpFailure::Cancelled;
    });
    if (anyCancelled || (cancel && cancel->isCancelled()))
        return ExportOutcome::Cancelled;
    if (firstFailure) {
        AcceptExchange(*firstFailure, QCoreApplication::translate("TickedRowsExport", "提示"));
        return ExportOutcome::FetchFailed;
    }
    if (emptyPage)
        return ExportOutcome::FetchFailed;
    return std::nullopt;
}

ExportOutcome ExportTickedRows(FileList& list, const QString& account, ExportProgress* progress)
{
    if (const std::optional<ExportOutcome> refused = RefuseAccount(account))
        return *refused;
    if (const std::optional<ExportOutcome> stop = CompleteTickedSha1s(list, progress))
        return *stop;
    return AppendExtractionSections(account, ExportedRows(list));
}
