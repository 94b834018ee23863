#pragma once

#include "ExportFilter.h"
#include "ExportProgress.h"
#include "browser/ListingQuery.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class ListingState;
class RetryingFetcher;

/** Which folder a walk lists, and how: the same listing choices as the window's. */
struct WalkScope
{
    /** The folder and the listing choices; the walk sets the offset of each page itself. */
    ListingQuery query;
    /** Also every subfolder, depth first. Never for the categories "30" and "32", which
     *  list no folder of their own. */
    bool includeSubfolders = false;
    /** Also yield each folder row, at its place among its folder's rows (a listing wants
     *  them; an export has no use for them). */
    bool includeFolderRows = false;
    /** Which files are yielded and which folders listed at all; a folder row is yielded only
     *  for a folder the filter walks. Files it leaves out count in `filesFilteredOut`. */
    ExportFilter filter;
    /** Keep going past what fails for good: a folder whose listing fails is left out (with its
     *  subfolders), and so is a file whose download page fails; each goes into the result's
     *  `skipped`. Without it the first such failure stops the whole walk or export. */
    bool keepGoing = false;
    /** Fetch every file's download page again, whatever the store or the session knows, and
     *  keep what the pages say. */
    bool refresh = false;
};

/** The folder `folderId` listed as `state` lists its folder: the same category, sort order and
 *  shared-only filter. */
WalkScope ScopeOfListing(const ListingState& state, const QString& folderId,
                         bool includeSubfolders);

/** Bounds of a walk: more is taken for a broken or hostile answer and stops the walk. */
inline constexpr int MaxWalkDepth = 64;
inline constexpr qint64 MaxFolderEntries = 100000;

/** One file (or, when asked for, folder) a walk found. */
struct WalkedFile
{
    QString path;        // relative to the walked folder: "工作/2012 年度报告/年报.pdf"
    QStringList columns; // its seven list row texts, as the window would show it
};

/** A folder or file left out of a walk that keeps going, and why. */
struct SkippedPath
{
    QString path;   // relative to the walked folder; a folder's ends in "/", the walked one is "./"
    QString reason; // what failed, as the user reads it
};

/** What a walk found, or why it stopped. */
struct WalkResult
{
    QList<WalkedFile> files; // in walk order: a folder's files, then each subfolder in turn
    QString failure;         // what to tell the user when the walk stopped; empty if it did not
    bool cancelled = false;
    bool folderMissing = false; // the service has no folder of the walked folder's id
    QList<SkippedPath> skipped; // with keepGoing: what was left out, folders first
    ExportCounts counts;        // how far it came
};

/** What a walk tells its caller as it goes; either may be empty. */
struct WalkListener
{
    /** The counts changed. */
    std::function<void()> report;
    /** The files of one listing page, as soon as the page is read (pages in the order they
     *  come, not in walk order). The caller may queue requests of its own in the walk's
     *  fetcher: they run beside the walk's, under the same limit. */
    std::function<void(const QList<WalkedFile>&)> filesFound;
};

/** Takes the page counts of `counts` from `fetcher`: every request given to it is a page known,
 *  every one settled a page fetched, so the pages fetched never run ahead of those known. */
void CountPages(ExportCounts& counts, const RetryingFetcher& fetcher);

/** Lists every page of the folder `scope` names (and of its subfolders when asked) through
 *  `fetcher`: the first page of a folder gives its count, then its other pages go together, and
 *  every subfolder is listed as soon as a page names it, all at once as far as the fetcher
 *  allows. The result is in walk order all the same, whatever order the answers come in. A
 *  folder met a second time is not walked again (a broken service naming one folder twice: it
 *  is walked where it was met first). Stops with a failure naming the folder when a page cannot
 *  be fetched or read, when a folder holds more than MaxFolderEntries entries or changes while
 *  it is listed (its count moves or a page comes short), or when folders nest deeper than
 *  MaxWalkDepth. `counts` grows as it goes (its pages as CountPages says, so with whatever else
 *  `fetcher` was given), and `listener` hears of it. */
WalkResult WalkFolder(const WalkScope& scope, RetryingFetcher& fetcher, ExportCounts& counts,
                      const WalkListener& listener = {});
