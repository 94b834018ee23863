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

/** The SHA1 step of a walk: the download page of every file whose SHA1 `sha1s` lacks is
 *  fetched as soon as the walk finds the file, beside the walk's own requests, and each SHA1
 *  found goes into `sha1s`. */
class Sha1Step
{
public:
    Sha1Step(Sha1Cache& sha1s, RetryingFetcher& fetcher, ExportCounts& counts)
        : m_sha1s(sha1s), m_fetcher(fetcher), m_counts(counts)
    {
    }

    void add(const QList<WalkedFile>& files)
    {
        for (const WalkedFile& file : files) {
            const QString pickCode = column(file, Column::PickCode);
            if (pickCode.isEmpty() || m_sha1s.contains(pickCode) || m_asked.contains(pickCode))
                continue;
            m_asked.insert(pickCode);
            ++m_counts.pagesToFetch;
            m_fetcher.submit(DownloadPageRequest(pickCode),
                             [this, pickCode](const HttpResult& page) { take(pickCode, page); });
        }
    }

    /** Empty when every page was fetched; else what to tell the user of the first file, in
     *  walk order, whose page failed. */
    QString failure(const QList<WalkedFile>& files) const
    {
        for (const WalkedFile& file : files) {
            const QString reason = m_failures.value(column(file, Column::PickCode));
            if (!reason.isEmpty())
                return QStringLiteral("无法获取文件“%1”的下载页：%2").arg(file.path, reason);
        }
        return {};
    }

private:
    void take(const QString& pickCode, const HttpResult& page)
    {
        if (const QString text = ExchangeFailureText(page); !text.isEmpty()) {
            m_failures.insert(pickCode, IsTransientFailure(page)
                                            ? text + QStringLiteral("（多次重试后仍然失败）")
                                            : text);
        } else if (page.body.isEmpty()) {
            m_failures.insert(pickCode, QStringLiteral("服务器返回了空白页面"));
        } else if (const QString sha1 = FindSha1(page.body); !sha1.isEmpty()) {
            m_sha1s.insert(pickCode, sha1);
        }
    }

    Sha1Cache& m_sha1s;
    RetryingFetcher& m_fetcher;
    ExportCounts& m_counts;
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
    const std::function<void()> report = [&] {
        if (progress)
            progress->report(counts);
    };
    RetryingFetcher fetcher(progress ? &progress->cancelToken() : nullptr, policy, [&] {
        ++counts.pagesFetched;
        report();
    });
    Sha1Step sha1Step(sha1s, fetcher, counts);
    WalkListener listener{report, {}};
    if (findSha1s)
        listener.filesFound = [&](const QList<WalkedFile>& files) { sha1Step.add(files); };
    WalkResult walk = WalkFolder(scope, fetcher, counts, listener);
    if (!walk.cancelled && walk.failure.isEmpty())
        walk.failure = sha1Step.failure(walk.files);
    if (!walk.failure.isEmpty())
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
