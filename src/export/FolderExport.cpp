#include "FolderExport.h"

#include "DownloadPage.h"
#include "LinkResolution.h"
#include "PageSearch.h"
#include "platform/Desktop.h"
#include "service/exchange.h"
#include "service/session.h"

#include <QSet>

namespace {

QString column(const WalkedFile& file, Column which)
{
    return file.columns.value(ColumnIndex(which));
}

void tellFailure(const QString& what)
{
    CurrentDesktop().showMessage(what + QStringLiteral("\n本次导出没有写入任何文件。"),
                                 QStringLiteral("提示"), Desktop::Icon::Information);
}

/** Fetches the download page of every file whose SHA1 `sha1s` lacks and adds what the pages
 *  hold. Empty when all were fetched; else what to tell the user. */
QString findMissingSha1s(const QList<WalkedFile>& files, Sha1Cache& sha1s, RetryingFetcher& fetcher,
                         ExportCounts& counts, const std::function<void()>& report)
{
    QList<const WalkedFile*> missing;
    QSet<QString> asked;
    for (const WalkedFile& file : files) {
        const QString pickCode = column(file, Column::PickCode);
        if (!pickCode.isEmpty() && !sha1s.contains(pickCode) && !asked.contains(pickCode)) {
            asked.insert(pickCode);
            missing.append(&file);
        }
    }
    QList<HttpRequest> requests;
    for (const WalkedFile* file : missing)
        requests.append(DownloadPageRequest(column(*file, Column::PickCode)));
    counts.pagesToFetch += int(requests.size());
    report();
    const QList<HttpResult> pages = fetcher.fetch(requests);
    QString failure;
    for (qsizetype i = 0; i < missing.size(); ++i) {
        const QString where = QStringLiteral("文件“%1”的下载页").arg(missing[i]->path);
        if (const QString text = ExchangeFailureText(pages[i]); !text.isEmpty()) {
            if (failure.isEmpty())
                failure =
                    QStringLiteral("无法获取%1：%2%3")
                        .arg(where, text,
                             IsTransientFailure(pages[i]) ? QStringLiteral("（多次重试后仍然失败）")
                                                          : QString());
        } else if (pages[i].body.isEmpty()) {
            if (failure.isEmpty())
                failure = QStringLiteral("无法获取%1：服务器返回了空白页面").arg(where);
        } else if (const QString sha1 = FindSha1(pages[i].body); !sha1.isEmpty()) {
            sha1s.insert(column(*missing[i], Column::PickCode), sha1);
        }
    }
    return failure;
}

QList<ExportRow> exportRowsOf(const QList<WalkedFile>& files, const Sha1Cache& sha1s)
{
    QList<ExportRow> rows;
    for (const WalkedFile& file : files) {
        const QString pickCode = column(file, Column::PickCode);
        if (pickCode.isEmpty())
            continue;
        rows.append({file.path, column(file, Column::Size), pickCode,
                     sha1s.value(pickCode) + column(file, Column::StandardForm)});
    }
    return rows;
}

} // namespace

WalkResult ListFolder(const WalkScope& scope, Sha1Cache& sha1s, bool findSha1s,
                      ExportProgress* progress, const RetryPolicy& policy)
{
    ExportCounts counts;
    const std::function<void()> report = [&] {
        if (progress)
            progress->report(counts);
    };
    RetryingFetcher fetcher(progress ? &progress->cancelToken() : nullptr, policy, [&] {
        ++counts.pagesFetched;
        report();
    });
    WalkResult walk = WalkFolder(scope, fetcher, counts, report);
    if (walk.cancelled || !walk.failure.isEmpty() || !findSha1s)
        return walk;
    walk.failure = findMissingSha1s(walk.files, sha1s, fetcher, counts, report);
    walk.cancelled = fetcher.cancelled();
    if (walk.cancelled || !walk.failure.isEmpty())
        walk.files.clear();
    return walk;
}

ExportOutcome ExportFolder(const WalkScope& scope, const QString& account, Sha1Cache& sha1s,
                           ExportProgress* progress, const RetryPolicy& policy,
                           const QString& folder)
{
    if (const std::optional<ExportOutcome> refused = RefuseAccount(account))
        return *refused;
    if (SessionCookie().isEmpty()) {
        CurrentDesktop().showMessage(QStringLiteral("请先登录，再导出目录。"),
                                     QStringLiteral("提示"), Desktop::Icon::Information);
        return ExportOutcome::FetchFailed;
    }
    const WalkResult walk = ListFolder(scope, sha1s, true, progress, policy);
    if (walk.cancelled)
        return ExportOutcome::Cancelled;
    if (!walk.failure.isEmpty()) {
        tellFailure(walk.failure);
        return ExportOutcome::FetchFailed;
    }
    return AppendExtractionSections(account, exportRowsOf(walk.files, sha1s), folder);
}

void ResolveKnownRows(FileList& list, const Sha1Cache& sha1s)
{
    for (int row = 0; row < list.rowCount(); ++row) {
        const QString sha1 = sha1s.value(list.text(row, Column::PickCode));
        if (!sha1.isEmpty() && IsUnresolved(list.text(row, Column::StandardForm)))
            ResolveRowSha1(list, row, sha1);
    }
}
