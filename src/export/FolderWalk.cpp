#include "FolderWalk.h"

#include "RetryingFetcher.h"
#include "browser/FileList.h"
#include "browser/ListingPage.h"
#include "browser/ListingRequest.h"
#include "browser/ListingRows.h"
#include "browser/ListingState.h"
#include "service/exchange.h"
#include "service/httpxml.h"

#include <QSet>
#include <optional>

namespace {

constexpr qint64 PageSize = ListingState::PageSize;

/** A folder the walk is to list. */
struct Folder
{
    QString id;
    QString path; // relative to the walked folder; empty for the walked folder itself
    int depth = 0;
};

QString joinPath(const QString& folderPath, const QString& name)
{
    return folderPath.isEmpty() ? name : folderPath + u'/' + name;
}

QString folderName(const Folder& folder)
{
    return folder.path.isEmpty() ? QStringLiteral("当前目录")
                                 : QStringLiteral("目录“%1”").arg(folder.path);
}

bool listsFolders(const WalkScope& scope)
{
    return scope.includeSubfolders && scope.categoryCode != QLatin1String("30") &&
           scope.categoryCode != QLatin1String("32");
}

QString columnText(const QStringList& row, Column column)
{
    return row.value(ColumnIndex(column));
}

class Walk
{
public:
    Walk(const WalkScope& scope, RetryingFetcher& fetcher, ExportCounts& counts,
         const std::function<void()>& report)
        : m_scope(scope), m_fetcher(fetcher), m_counts(counts), m_report(report)
    {
        m_state.setCategoryCode(scope.categoryCode);
        m_state.setSortOrder(scope.sortOrder);
        m_state.setSharedOnly(scope.sharedOnly);
    }

    WalkResult run()
    {
        m_seen.insert(m_scope.folderId);
        walk({m_scope.folderId, QString(), 0});
        m_result.cancelled = m_fetcher.cancelled();
        if (!m_result.failure.isEmpty() || m_result.cancelled)
            m_result.files.clear();
        return m_result;
    }

private:
    bool stopped() const { return !m_result.failure.isEmpty() || m_fetcher.cancelled(); }

    void report()
    {
        if (m_report)
            m_report();
    }

    // With keepGoing, a folder that failed is left out and the walk goes on.
    bool skipFailedFolder(const Folder& folder)
    {
        if (!m_scope.keepGoing || m_result.failure.isEmpty() || m_fetcher.cancelled())
            return false;
        m_result.skipped.append(
            {folder.path.isEmpty() ? QStringLiteral("./") : folder.path + u'/', m_result.failure});
        m_result.failure.clear();
        return true;
    }

    // The folder's files, then each of its subfolders in turn, depth first.
    void walk(const Folder& folder)
    {
        const QList<QStringList> rows = listAll(folder);
        if (skipFailedFolder(folder) || stopped())
            return;
        QList<Folder> subfolders;
        for (const QStringList& row : rows) {
            const QString name = columnText(row, Column::Name);
            if (!IsFolderName(name)) {
                m_result.files.append({joinPath(folder.path, name), row});
                ++m_counts.filesFound;
                continue;
            }
            const QString path = joinPath(folder.path, name.mid(1));
            if (m_scope.includeFolderRows)
                m_result.files.append({path, row});
            if (listsFolders(m_scope) && !m_seen.contains(columnText(row, Column::Id))) {
                m_seen.insert(columnText(row, Column::Id));
                subfolders.append({columnText(row, Column::Id), path, folder.depth + 1});
            }
        }
        ++m_counts.foldersWalked;
        report();
        for (const Folder& subfolder : subfolders) {
            if (subfolder.depth > MaxWalkDepth) {
                m_result.failure = QStringLiteral("%1的层级超过了 %2 层的上限")
                                       .arg(folderName(subfolder))
                                       .arg(MaxWalkDepth);
                if (skipFailedFolder(subfolder))
                    continue;
            }
            if (stopped())
                return;
            walk(subfolder);
        }
    }

    // Every page of one folder, one after another on the connection already open.
    QList<QStringList> listAll(const Folder& folder)
    {
        QList<QStringList> rows;
        qint64 count = 0;
        for (qint64 offset = 0; offset == 0 || offset < count; offset += PageSize) {
            if (offset == 0) {
                ++m_counts.pagesToFetch;
                report();
            }
            const std::optional<ListingPage> page = fetchPage(folder, offset);
            if (!page)
                return {};
            if (offset == 0) {
                count = page->count;
                if (!withinBounds(folder, count))
                    return {};
                m_counts.pagesToFetch += int((count + PageSize - 1) / PageSize) - 1;
            }
            if (page->count != count || page->rows.size() != std::min(PageSize, count - offset)) {
                m_result.failure = QStringLiteral("%1与目录的条目数（%2）不符：目录在导出期间"
                                                  "发生了变化，请稍后重新导出")
                                       .arg(pageName(folder, offset))
                                       .arg(count);
                return {};
            }
            rows.append(page->rows);
        }
        return rows;
    }

    bool withinBounds(const Folder& folder, qint64 count)
    {
        if (count <= MaxFolderEntries)
            return true;
        m_result.failure = QStringLiteral("%1有 %2 个条目，超过了 %3 个的上限")
                               .arg(folderName(folder))
                               .arg(count)
                               .arg(MaxFolderEntries);
        return false;
    }

    static QString pageName(const Folder& folder, qint64 offset)
    {
        return QStringLiteral("%1的列表（第 %2 页）")
            .arg(folderName(folder))
            .arg(offset / PageSize + 1);
    }

    std::optional<ListingPage> fetchPage(const Folder& folder, qint64 offset)
    {
        m_state.setFolderId(folder.id);
        m_state.setOffset(QString::number(offset));
        const HttpResult result =
            m_fetcher
                .fetch(
                    {ServiceHttpRequest(QStringLiteral("GET"), ListingAddress(m_state), QString())})
                .first();
        if (m_fetcher.cancelled())
            return std::nullopt;
        if (const QString failure = ExchangeFailureText(result); !failure.isEmpty()) {
            m_result.failure =
                QStringLiteral("无法读取%1：%2").arg(pageName(folder, offset), failure);
            if (IsTransientFailure(result))
                m_result.failure += QStringLiteral("（多次重试后仍然失败）");
            return std::nullopt;
        }
        std::optional<ListingPage> page = ReadListingPage(UnescapeText(result.body));
        if (!page)
            m_result.failure = QStringLiteral("无法读取%1：服务器的应答不是目录列表")
                                   .arg(pageName(folder, offset));
        return page;
    }

    const WalkScope& m_scope;
    RetryingFetcher& m_fetcher;
    ExportCounts& m_counts;
    const std::function<void()>& m_report;
    ListingState m_state;
    QSet<QString> m_seen;
    WalkResult m_result;
};

} // namespace

WalkScope ScopeOfListing(const ListingState& state, const QString& folderId, bool includeSubfolders)
{
    return {state.categoryCode(), state.sortOrder(), state.sharedOnly(), folderId,
            includeSubfolders};
}

WalkResult WalkFolder(const WalkScope& scope, RetryingFetcher& fetcher, ExportCounts& counts,
                      const std::function<void()>& report)
{
    return Walk(scope, fetcher, counts, report).run();
}
