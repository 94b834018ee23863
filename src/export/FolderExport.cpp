#include "FolderExport.h"

#include "AccountFileName.h"
#include "DownloadPage.h"
#include "LinkResolution.h"
#include "PageSearch.h"
#include "StoredSha1s.h"
#include "platform/Desktop.h"
#include "service/exchange.h"
#include "service/session.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

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

// Why `page` gave no SHA1 for good; empty when it was read.
QString pageFailure(const HttpResult& page)
{
    if (const QString text = ExchangeFailureText(page); !text.isEmpty())
        return text +
               (IsTransientFailure(page) ? QStringLiteral("（多次重试后仍然失败）") : QString());
    if (page.body.isEmpty())
        return QStringLiteral("服务器返回了空白页面");
    return {};
}

/** Takes from the store the SHA1 of every file of `walk` that `sha1s` lacks (every file with
 *  `scope.refresh`: none), then fetches the download pages of the others, adding to `sha1s`
 *  and the store each SHA1 a page holds as soon as it comes. With `scope.keepGoing` a file whose
 *  page fails is taken out of `walk` into its skipped paths. Empty when nothing stops the walk;
 *  else what to tell the user. */
QString findMissingSha1s(WalkResult& walk, const WalkScope& scope, Sha1Cache& sha1s,
                         RetryingFetcher& fetcher, ExportCounts& counts,
                         const std::function<void()>& report)
{
    QList<const WalkedFile*> missing;
    QSet<QString> asked;
    for (const WalkedFile& file : walk.files) {
        const QString pickCode = column(file, Column::PickCode);
        if (!pickCode.isEmpty() && (scope.refresh || !sha1s.contains(pickCode)) &&
            !asked.contains(pickCode)) {
            asked.insert(pickCode);
            missing.append(&file);
        }
    }
    Sha1Store store(Sha1StoreOrigin());
    if (!scope.refresh) {
        QList<StoreKey> keys;
        for (const WalkedFile* file : missing)
            keys.append(StoreKeyOf(file->columns));
        const QHash<QString, QString> stored = store.lookUp(keys);
        sha1s.insert(stored);
        missing.removeIf([&](const WalkedFile* file) {
            return stored.contains(column(*file, Column::PickCode));
        });
    }
    QList<HttpRequest> requests;
    for (const WalkedFile* file : missing)
        requests.append(DownloadPageRequest(column(*file, Column::PickCode)));
    counts.pagesToFetch += int(requests.size());
    report();
    const QList<HttpResult> pages =
        fetcher.fetch(requests, [&](qsizetype i, const HttpResult& page) {
            if (!pageFailure(page).isEmpty())
                return;
            if (const QString sha1 = FindSha1(page.body); !sha1.isEmpty()) {
                const StoreKey key = StoreKeyOf(missing[i]->columns);
                sha1s.insert(key.pickCode, sha1);
                store.remember(key, sha1);
            }
        });
    QString failure;
    QSet<QString> skipped;
    for (qsizetype i = 0; i < missing.size() && !fetcher.cancelled(); ++i) {
        const QString reason = pageFailure(pages[i]);
        if (reason.isEmpty())
            continue;
        if (scope.keepGoing) {
            walk.skipped.append({missing[i]->path, reason});
            skipped.insert(column(*missing[i], Column::PickCode));
        } else if (failure.isEmpty()) {
            failure = QStringLiteral("无法获取文件“%1”的下载页：%2").arg(missing[i]->path, reason);
        }
    }
    walk.files.removeIf(
        [&](const WalkedFile& file) { return skipped.contains(column(file, Column::PickCode)); });
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
    if (!walk.cancelled && walk.failure.isEmpty() && findSha1s) {
        walk.failure = findMissingSha1s(walk, scope, sha1s, fetcher, counts, report);
        walk.cancelled = fetcher.cancelled();
        if (walk.cancelled || !walk.failure.isEmpty())
            walk.files.clear();
    }
    walk.counts = counts;
    return walk;
}

ExportOutcome ExportFolder(const WalkScope& scope, const QString& account, Sha1Cache& sha1s,
                           ExportProgress* progress, const RetryPolicy& policy,
                           FolderExportReport* report)
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
    const QList<ExportRow> rows = exportRowsOf(walk.files, sha1s);
    const ExportOutcome outcome = AppendExtractionSections(account, rows);
    if (report) {
        *report = {int(rows.size()), walk.counts.filesFilteredOut, walk.skipped,
                   QFileInfo(ExtractionFileSet(account).front().fileName).absoluteFilePath()};
    }
    return outcome;
}

void ShowFolderExportSummary(const FolderExportReport& report)
{
    QString text =
        QStringLiteral("已写入 %1 行。\n被筛选排除的文件：%2 个\n跳过的文件和目录：%3 个\n")
            .arg(report.rowsWritten)
            .arg(report.filesFilteredOut)
            .arg(report.skipped.size());
    for (qsizetype i = 0; i < std::min<qsizetype>(report.skipped.size(), SummarySkippedShown); ++i)
        text +=
            QStringLiteral("    %1：%2\n").arg(report.skipped[i].path, report.skipped[i].reason);
    if (report.skipped.size() > SummarySkippedShown)
        text +=
            QStringLiteral("    ……另有 %1 个\n").arg(report.skipped.size() - SummarySkippedShown);
    const QString folder = QFileInfo(report.plainFile).path();
    text += QStringLiteral("提取式文件：") + QDir::toNativeSeparators(report.plainFile);
    CurrentDesktop().showActionMessage(text, QStringLiteral("导出完成"),
                                       QStringLiteral("打开所在文件夹"),
                                       [folder] { CurrentDesktop().shellOpen(folder); });
}

void ResolveKnownRows(FileList& list, const Sha1Cache& sha1s)
{
    for (int row = 0; row < list.rowCount(); ++row) {
        const QString sha1 = sha1s.value(list.text(row, Column::PickCode));
        if (!sha1.isEmpty() && IsUnresolved(list.text(row, Column::StandardForm)))
            ResolveRowSha1(list, row, sha1);
    }
}
