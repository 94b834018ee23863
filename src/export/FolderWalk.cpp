#include "FolderWalk.h"

#include "RetryingFetcher.h"
#include "browser/FileList.h"
#include "browser/ListingPage.h"
#include "browser/ListingRows.h"
#include "browser/ListingState.h"
#include "service/exchange.h"
#include "service/httpxml.h"

#include <QCoreApplication>
#include <QSet>
#include <optional>
#include <vector>

namespace {

constexpr qint64 PageSize = ListingState::PageSize;

/** One entry of a folder's listing, and the subfolder walked from it, if any. */
struct Entry
{
    WalkedFile item;
    bool isFolder = false;
    int subfolder = -1; // the folder's place in Walk::m_folders when it is walked from here
};

/** A folder the walk lists, and what its pages gave so far. */
struct Folder
{
    QString id;
    QString path; // relative to the walked folder; empty for the walked folder itself
    int depth = 0;
    qint64 count = -1;         // known once its first page is in
    QList<QList<Entry>> pages; // by page number
    int pagesIn = 0;
    QString skipReason; // with keepGoing: why it is left out; empty while it is walked
};

QString joinPath(const QString& folderPath, const QString& name)
{
    return folderPath.isEmpty() ? name : folderPath + u'/' + name;
}

QString folderName(const Folder& folder)
{
    return folder.path.isEmpty()
               ? QCoreApplication::translate("FolderWalk", "当前目录")
               : QCoreApplication::translate("FolderWalk", "目录“%1”").arg(folder.path);
}

bool listsFolders(const WalkScope& scope)
{
    return scope.includeSubfolders && !UsesListsEndpoint(scope.query.categoryCode);
}

QString columnText(const QStringList& row, Column column)
{
    return row.value(ColumnIndex(column));
}

class Walk
{
public:
    Walk(const WalkScope& scope, RetryingFetcher& fetcher, ExportCounts& counts,
         const WalkListener& listener)
        : m_scope(scope), m_fetcher(fetcher), m_counts(counts), m_listener(listener)
    {
    }

    WalkResult run()
    {
        m_seen.insert(m_scope.query.folderId);
        addFolder(Folder{m_scope.query.folderId, QString(), 0, -1, {}, 0, {}});
        m_result.cancelled = !m_fetcher.run();
        if (m_result.failure.isEmpty() && !m_result.cancelled)
            gather(0);
        CountPages(m_counts, m_fetcher);
        return std::move(m_result);
    }

private:
    bool stopped() const { return !m_result.failure.isEmpty() || m_fetcher.cancelled(); }

    void report()
    {
        CountPages(m_counts, m_fetcher);
        if (m_listener.report)
            m_listener.report();
    }

    void fail(const QString& failure)
    {
        if (m_result.failure.isEmpty())
            m_result.failure = failure;
        m_fetcher.stop();
    }

    // A folder that cannot be walked: with keepGoing it is left out, with all it holds, and the
    // walk goes on; otherwise the walk stops.
    void failFolder(int index, const QString& failure)
    {
        if (!m_scope.keepGoing) {
            fail(failure);
            return;
        }
        Folder& folder = m_folders[std::size_t(index)];
        if (folder.skipReason.isEmpty())
            folder.skipReason = failure;
        folder.pages.clear();
    }

    void addFolder(Folder folder)
    {
        m_folders.push_back(std::move(folder));
        requestPage(int(m_folders.size()) - 1, 0);
    }

    void requestPage(int folder, qint64 offset)
    {
        ListingQuery query = m_scope.query;
        query.folderId = m_folders[std::size_t(folder)].id;
        query.offset = QString::number(offset);
        m_fetcher.submit(
            ServiceHttpRequest(QStringLiteral("GET"), ListingAddress(query), QString()),
            [this, folder, offset](const HttpResult& result) { takePage(folder, offset, result); },
            RetryingFetcher::Turn::Soon);
    }

    void takePage(int index, qint64 offset, const HttpResult& result)
    {
        if (stopped() || !m_folders[std::size_t(index)].skipReason.isEmpty())
            return;
        const std::optional<ListingPage> page = readPage(index, offset, result);
        if (!page)
            return;
        Folder& folder = m_folders[std::size_t(index)];
        if (offset == 0) {
            folder.count = page->count;
            if (!withinBounds(index))
                return;
            const int pageCount =
                int(std::max<qint64>(1, (folder.count + PageSize - 1) / PageSize));
            folder.pages.resize(pageCount);
            for (int later = 1; later < pageCount; ++later)
                requestPage(index, later * PageSize);
        }
        if (page->count != folder.count ||
            page->rows.size() != std::min(PageSize, folder.count - offset)) {
            failFolder(index,
                       QCoreApplication::translate(
                           "FolderWalk",
                           "%1与目录的条目数（%2）不符：目录在导出期间发生了变化，请稍后重新导出")
                           .arg(pageName(folder, offset), QString::number(folder.count)));
            return;
        }
        takeRows(index, int(offset / PageSize), page->rows);
    }

    // The page's files and folders, in their order; each folder met for the first time is
    // listed from here on.
    void takeRows(int index, int pageNumber, const QList<QStringList>& rows)
    {
        QList<Entry> entries;
        QList<WalkedFile> files;
        for (const QStringList& row : rows) {
            const Folder& folder = m_folders[std::size_t(index)];
            const QString name = columnText(row, Column::Name);
            if (!IsFolderName(name)) {
                const QString path = joinPath(folder.path, name);
                // Filter: a file left out is counted, never yielded.
                if (!m_scope.filter.keepsFile(path, RowByteSizeText(row).toLongLong())) {
                    ++m_counts.filesFilteredOut;
                    continue;
                }
                entries.append(Entry{{path, row}, false, -1});
                files.append(entries.last().item);
                continue;
            }
            const QString path = joinPath(folder.path, name.mid(1));
            // Filter: a folder excluded or too deep is neither yielded nor listed.
            if (!m_scope.filter.walksFolder(path, folder.depth + 1))
                continue;
            Entry entry{{path, row}, true, -1};
            const QString id = columnText(row, Column::Id);
            if (listsFolders(m_scope) && !m_seen.contains(id)) {
                m_seen.insert(id);
                const Folder subfolder{id, entry.item.path, folder.depth + 1, -1, {}, 0, {}};
                entry.subfolder = int(m_folders.size());
                if (subfolder.depth <= MaxWalkDepth) {
                    addFolder(subfolder);
                } else {
                    m_folders.push_back(subfolder);
                    failFolder(
                        entry.subfolder,
                        QCoreApplication::translate("FolderWalk", "%1的层级超过了 %2 层的上限")
                            .arg(folderName(subfolder), QString::number(MaxWalkDepth)));
                    if (stopped())
                        return;
                }
            }
            entries.append(std::move(entry));
        }
        Folder& folder = m_folders[std::size_t(index)];
        folder.pages[pageNumber] = std::move(entries);
        m_counts.filesFound += int(files.size());
        if (++folder.pagesIn == folder.pages.size())
            ++m_counts.foldersWalked;
        report();
        if (m_listener.filesFound && !files.isEmpty())
            m_listener.filesFound(files);
    }

    // The folder's entries in their order, then each subfolder walked from it in turn.
    void gather(int index)
    {
        const Folder& folder = m_folders[std::size_t(index)];
        if (!folder.skipReason.isEmpty()) {
            m_result.skipped.append(
                {folder.path.isEmpty() ? QStringLiteral("./") : folder.path + u'/',
                 folder.skipReason});
            return;
        }
        QList<int> subfolders;
        for (QList<Entry>& page : m_folders[std::size_t(index)].pages) {
            for (Entry& entry : page) {
                if (entry.subfolder >= 0)
                    subfolders.append(entry.subfolder);
                if (!entry.isFolder || m_scope.includeFolderRows)
                    m_result.files.append(std::move(entry.item));
            }
            page.clear();
        }
        for (const int subfolder : subfolders)
            gather(subfolder);
    }

    bool withinBounds(int index)
    {
        const Folder& folder = m_folders[std::size_t(index)];
        if (folder.count <= MaxFolderEntries)
            return true;
        failFolder(index,
                   QCoreApplication::translate("FolderWalk", "%1有 %2 个条目，超过了 %3 个的上限")
                       .arg(folderName(folder), QString::number(folder.count),
                            QString::number(MaxFolderEntries)));
        return false;
    }

    static QString pageName(const Folder& folder, qint64 offset)
    {
        return QCoreApplication::translate("FolderWalk", "%1的列表（第 %2 页）")
            .arg(folderName(folder), QString::number(offset / PageSize + 1));
    }

    std::optional<ListingPage> readPage(int index, qint64 offset, const HttpResult& result)
    {
        const Folder& folder = m_folders[std::size_t(index)];
        if (const QString failure = ExchangeFailureText(result); !failure.isEmpty()) {
            failFolder(index,
                       QCoreApplication::translate("FolderWalk", "无法读取%1：%2%3")
                           .arg(pageName(folder, offset), failure,
                                IsTransientFailure(result) ? RetriesSpentText() : QString()));
            return std::nullopt;
        }
        const QString text = UnescapeText(result.body);
        std::optional<ListingPage> page = ReadListingPage(text);
        if (!page && index == 0 && SaysFolderMissing(text))
            m_result.folderMissing = true;
        if (!page)
            failFolder(index, QCoreApplication::translate("FolderWalk",
                                                          "无法读取%1：服务器的应答不是目录列表")
                                  .arg(pageName(folder, offset)));
        return page;
    }

    const WalkScope& m_scope;
    RetryingFetcher& m_fetcher;
    ExportCounts& m_counts;
    const WalkListener& m_listener;
    QSet<QString> m_seen;
    std::vector<Folder> m_folders; // in the order they were met; the walked folder first
    WalkResult m_result;
};

} // namespace

WalkScope ScopeOfListing(const ListingState& state, const QString& folderId, bool includeSubfolders)
{
    WalkScope scope;
    scope.query = state.query();
    scope.query.folderId = folderId;
    scope.includeSubfolders = includeSubfolders;
    return scope;
}

void CountPages(ExportCounts& counts, const RetryingFetcher& fetcher)
{
    counts.pagesToFetch = fetcher.submitted();
    counts.pagesFetched = fetcher.settled();
}

WalkResult WalkFolder(const WalkScope& scope, RetryingFetcher& fetcher, ExportCounts& counts,
                      const WalkListener& listener)
{
    return Walk(scope, fetcher, counts, listener).run();
}
