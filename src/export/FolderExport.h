#pragma once

#include "ExportProgress.h"
#include "ExtractionFiles.h"
#include "FolderWalk.h"
#include "RetryingFetcher.h"
#include "browser/FileList.h"

#include <QHash>
#include <QString>

/** SHA1s known in a session, by pick code: a later export fetches only what neither they nor
 *  the lasting store (Sha1Store) hold. */
using Sha1Cache = QHash<QString, QString>;

/** How a folder export that wrote its files went, for its summary. */
struct FolderExportReport
{
    int rowsWritten = 0;        // rows in each file's new section
    int filesFilteredOut = 0;   // files the walk found and the filter left out
    QList<SkippedPath> skipped; // with keepGoing: what was left out
    QString plainFile;          // the plain export file's absolute path
};

/** How many skipped paths the summary names; it counts the rest. */
inline constexpr int SummarySkippedShown = 10;

/** Walks the folder `scope` names (WalkFolder) and, with `findSha1s`, finds the SHA1 of every
 *  file not in `sha1s` in the lasting store (one look-up per listing page), or else from its
 *  download page, fetched as soon as the walk finds the file, beside the walk's own pages and
 *  under the same limits (`policy`), adding each one found to `sha1s` and the store whatever
 *  follows; with `scope.refresh` every page is fetched. With `scope.keepGoing` what fails for
 *  good is left out into the result's `skipped` instead. Pages that meet a transient failure
 *  are fetched again
 *  as `policy` says. `progress` (may be null, not owned) hears how far it has come and can
 *  cancel. Shows nothing: on a failure for good the result's failure names the folder or file
 *  and why, and it holds no files, as after a cancel. */
WalkResult ListFolder(const WalkScope& scope, Sha1Cache& sha1s, bool findSha1s,
                      ExportProgress* progress, const RetryPolicy& policy = {});

/** "导出当前目录": walks the folder `scope` names (WalkFolder), finds the SHA1 of every file as
 *  ListFolder does (the store first, then the download pages), then appends one section to each
 *  of the three export files of `account` in `folder` (empty: the working folder), as the
 *  ticked-rows export does: the files in walk
 *  order, each named by its path below the folder, its standard form keeping its own name.
 *  Listing and download pages that meet a time-out, a refused or cut-off connection, 429 or
 *  5xx are fetched again as `policy` says. Every SHA1 found goes into `sha1s`, whatever
 *  follows. When the walk or a fetch fails for good, one message ("提示") says which folder or
 *  file and why, and no file is written, unless `scope.keepGoing` leaves it out and goes on;
 *  with Cancel (through `progress`, which may be null and is not owned) nothing is written and
 *  nothing shown. Signed out: a message, no request. Shows no summary; `report` (may be null)
 *  receives one when the files were written. */
ExportOutcome ExportFolder(const WalkScope& scope, const QString& account, Sha1Cache& sha1s,
                           ExportProgress* progress, const RetryPolicy& policy = {},
                           const QString& folder = {}, FolderExportReport* report = nullptr);

/** The closing message of a folder export that wrote its files, "导出完成": rows written, files
 *  the filter left out, what was skipped (the first SummarySkippedShown paths and reasons, and
 *  the count) and the plain file's full path, with a button that opens its folder. */
void ShowFolderExportSummary(const FolderExportReport& report);

/** Resolves every unresolved row of `list` whose pick code `sha1s` knows (blue cell). */
void ResolveKnownRows(FileList& list, const Sha1Cache& sha1s);
