#pragma once

#include "ExportProgress.h"
#include "ExtractionFiles.h"
#include "FolderWalk.h"
#include "RetryingFetcher.h"
#include "browser/FileList.h"

#include <QHash>
#include <QString>

/** SHA1s found during the session, by pick code: a later export fetches only what is missing. */
using Sha1Cache = QHash<QString, QString>;

/** Walks the folder `scope` names (WalkFolder) and, with `findSha1s`, finds the SHA1 of every
 *  file not in `sha1s` from its download page, fetched as soon as the walk finds the file, beside
 *  the walk's own pages and under the same limits (`policy`), adding each one found to `sha1s`
 *  whatever follows. Pages that meet a transient failure are fetched again
 *  as `policy` says. `progress` (may be null, not owned) hears how far it has come and can
 *  cancel. Shows nothing: on a failure for good the result's failure names the folder or file
 *  and why, and it holds no files, as after a cancel. */
WalkResult ListFolder(const WalkScope& scope, Sha1Cache& sha1s, bool findSha1s,
                      ExportProgress* progress, const RetryPolicy& policy = {});

/** "导出当前目录": walks the folder `scope` names (WalkFolder), finds the SHA1 of every file not
 *  in `sha1s` from its download page (several at once), then appends one section to each of
 *  the three export files of `account` in `folder` (empty: the working folder), as the
 *  ticked-rows export does: the files in walk
 *  order, each named by its path below the folder, its standard form keeping its own name.
 *  Listing and download pages that meet a time-out, a refused or cut-off connection, 429 or
 *  5xx are fetched again as `policy` says. Every SHA1 found goes into `sha1s`, whatever
 *  follows. When the walk or a fetch fails for good, one message ("提示") says which folder or
 *  file and why, and no file is written; so with Cancel (through `progress`, which may be null
 *  and is not owned), without a message. Signed out: a message, no request. */
ExportOutcome ExportFolder(const WalkScope& scope, const QString& account, Sha1Cache& sha1s,
                           ExportProgress* progress, const RetryPolicy& policy = {},
                           const QString& folder = {});

/** Resolves every unresolved row of `list` whose pick code `sha1s` knows (blue cell). */
void ResolveKnownRows(FileList& list, const Sha1Cache& sha1s);
