#include "FolderExport.h"

#include "DownloadPage.h"
#include "LinkResolution.h"
#include "PageSearch.h"
#include "StoredSha1s.h"
#include "platform/Desktop.h"
#include "service/exchange.h"
#include "service/session.h"

#include <QCoreApplication>
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
    CurrentDesktop().showMessage(what + u'\n' + NothingWrittenText(),
                                 QCoreApplication::translate("FolderExport", "提示"),
                                 Desktop::Icon::Information);
}

// Why `page` gave no SHA1 for good; empty when it was read.
QString pageFailure(const HttpResult& page)
{
    if (const QString text = ExchangeFailureText(page); !text.isEmpty())
        return text + (IsTransientFailure(page) ? RetriesSpentText() : QString());
    if (page.body.isEmpty())
        return QCoreApplication::translate("FolderExport", "服务器返回了空白页面");
    return {};
}

/** The SHA1 step of a walk: each listing page's files whose SHA1 `sha1s` lacks are looked up in
 *  the lasting store at once (unless `refresh`), and the download page of every file still
 *  without one is fetched as soon as the walk finds it, beside the walk's own requests. Each
 *  SHA1 found goes into `sha1s` and the store. */
class Sha1Step
{
public:
    Sha1Step(Sha1Cache& sha1s, Sha1Store& store, bool refresh, RetryingFetcher& fetcher)
        : m_sha1s(sha1s), m_store(store), m_refresh(refresh), m_fetcher(fetcher)
    {
    }

    void add(const QList<WalkedFile>& files)
    {
        QList<StoreKey> wanted;
        for (const WalkedFile& file : files) {
            const QString pickCode = column(file, Column::PickCode);
            if (pickCode.isEmpty() || (!m_refresh && m_sha1s.contains(pickCode)) ||
                m_asked.contains(pickCode))
                continue;
            m_asked.insert(pickCode);
            wanted.append(StoreKeyOf(file.columns));
        }
        if (!m_refresh && !wanted.isEmpty()) {
            const QHash<QString, QString> stored = m_store.lookUp(wanted);
            m_sha1s.insert(stored);
            wanted.removeIf([&](const StoreKey& key) { return stored.contains(key.pickCode); });
        }
        for (const StoreKey& key : wanted) {
            m_fetcher.submit(DownloadPageRequest(key.pickCode),
                             [this, key](const HttpResult& page) { take(key, page); });
        }
    }

    /** Empty when every page was fetched; else what to tell the user of the first file, in
     *  walk order, whose page failed. */
    QString failure(const QList<WalkedFile>& files) const
    {
        for (const WalkedFile& file : files) {
            const QString reason = m_failures.value(column(file, Column::PickCode));
            if (!reason.isEmpty())
                return QCoreApplication::translate("FolderExport", "无法获取文件“%1”的下载页：%2")
                    .arg(file.path, reason);
        }
        return {};
    }

    /** Takes every file whose page failed out of `walk` into its skipped paths, in walk order. */
    void leaveOutFailed(WalkResult& walk) const
    {
        walk.files.removeIf([&](const WalkedFile& file) {
            const QString reason = m_failures.value(column(file, Column::PickCode));
            if (reason.isEmpty())
                return false;
            walk.skipped.append({file.path, reason});
            return true;
        });
    }

private:
    void take(const StoreKey& key, const HttpResult& page)
    {
        if (const QString reason = pageFailure(page); !reason.isEmpty()) {
            m_failures.insert(key.pickCode, reason);
        } else if (const QString sha1 = FindSha1(page.body); !sha1.isEmpty()) {
            m_sha1s.insert(key.pickCode, sha1);
            m_store.remember(key, sha1);
        }
    }

    Sha1Cache& m_sha1s;
    Sha1Store& m_store;
    bool m_refresh;
    RetryingFetcher& m_fetcher;
    QSet<QString> m_asked;
    QHash<QString, QString> m_failures; // why a page failed, by pick code
};

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
    std::function<void()> report;
    RetryingFetcher fetcher(progress ? &progress->cancelToken() : nullptr, policy,
                            [&] { report(); });
    report = [&] {
        CountPages(counts, fetcher);
        if (progress)
            progress->report(counts);
    };
    Sha1Store store(Sha1StoreOrigin());
    Sha1Step sha1Step(sha1s, store, scope.refresh, fetcher);
    WalkListener listener{report, {}};
    if (findSha1s)
        listener.filesFound = [&](const QList<WalkedFile>& files) { sha1Step.add(files); };
    WalkResult walk = WalkFolder(scope, fetcher, counts, listener);
    if (!walk.cancelled && walk.failure.isEmpty()) {
        if (scope.keepGoing)
            sha1Step.leaveOutFailed(walk);
        else
            walk.failure = sha1Step.failure(walk.files);
    }
    if (!walk.failure.isEmpty())
        walk.files.clear();
    walk.counts = counts;
    return walk;
}

ExportOutcome ExportFolder(const WalkScope& scope, const QString& account, Sha1Cache& sha1s,
                           ExportProgress* progress, const RetryPolicy& policy,
                           const QString& folder, FolderExportReport* report)
{
    if (const std::optional<ExportOutcome> refused = RefuseAccount(account))
        return *refused;
    if (SessionCookie().isEmpty()) {
        CurrentDesktop().showMessage(
            QCoreApplication::translate("FolderExport", "请先登录，再导出目录。"),
            QCoreApplication::translate("FolderExport", "提示"), Desktop::Icon::Information);
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
    const ExportOutcome outcome = AppendExtractionSections(account, rows, folder);
    if (report) {
        const QString plainFile =
            QDir(folder).filePath(ExtractionFileSet(account).front().fileName);
        *report = {int(rows.size()), walk.counts.filesFilteredOut, walk.skipped,
                   QFileInfo(plainFile).absoluteFilePath()};
    }
    return outcome;
}

void ShowFolderExportSummary(const FolderExportReport& report)
{
    QString text =
        QCoreApplication::translate(
            "FolderExport", "已写入 %1 行。\n被筛选排除的文件：%2 个\n跳过的文件和目录：%3 个\n")
            .arg(report.rowsWritten)
            .arg(report.filesFilteredOut)
            .arg(report.skipped.size());
    for (qsizetype i = 0; i < std::min<qsizetype>(report.skipped.size(), SummarySkippedShown); ++i)
        text += QCoreApplication::translate("FolderExport", "    %1：%2\n")
                    .arg(report.skipped[i].path, report.skipped[i].reason);
    if (report.skipped.size() > SummarySkippedShown)
        text += QCoreApplication::translate("FolderExport", "    ……另有 %1 个\n")
                    .arg(report.skipped.size() - SummarySkippedShown);
    const QString folder = QFileInfo(report.plainFile).path();
    text += QCoreApplication::translate("FolderExport", "提取式文件：%1")
                .arg(QDir::toNativeSeparators(report.plainFile));
    CurrentDesktop().showActionMessage(
        text, QCoreApplication::translate("FolderExport", "导出完成"),
        QCoreApplication::translate("FolderExport", "打开所在文件夹"),
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
