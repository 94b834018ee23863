#pragma once

#include "ExportProgress.h"
#include "ExtractionFiles.h"
#include "browser/FileList.h"

#include <QString>
#include <optional>

/** The export's first step: resolves the ticked, unresolved file rows whose SHA1 the lasting
 *  store holds, fetches the download pages of the others and puts the SHA1 each holds in front
 *  of its row's standard-form text, keeping it in the store (see ExportTickedRows).
 *  Nothing when every page was fetched; else how the export ends (FetchFailed or Cancelled). */
std::optional<ExportOutcome> CompleteTickedSha1s(FileList& list, ExportProgress* progress);

/** "导出选中文件": completes the SHA1 of every ticked, unresolved file row, taking them from
 *  the store or fetching their download pages several at once (paced and retried as
 *  RetryingFetcher does), then appends one
 * section to each of the three export files of `account` (AppendExtractionSections). Every row
 * whose page was fetched keeps its SHA1, whatever else happens: when fetches fail, rows after the
 * first failing one may be resolved too. A failed fetch writes no file and shows one message, the
 * first failing row's, worded as the site request words it; an empty page writes no file and shows
 * none. `progress` (may be null, not owned) hears of the fetches when there are two or more, and
 * its Cancel stops the export. */
ExportOutcome ExportTickedRows(FileList& list, const QString& account,
                               ExportProgress* progress = nullptr);
