#pragma once

#include "ExportProgress.h"
#include "browser/FileList.h"

#include <QString>

/** How an export ended. Every ending other than Written has left the files untouched, except
 *  WriteFailed, where the files written before the failing one keep their new section. */
enum class ExportOutcome
{
    Written,         // each of the three files received one section
    NoAccount,       // the account text is empty: nothing done, nothing shown
    UnusableAccount, // the account cannot name files: message "错误" shown, no request
    FetchFailed,     // a download page could not be fetched (the request showed its message)
    Cancelled,       // the user cancelled while pages were being fetched
    WriteFailed,     // a file could not be opened or written: message "提示" shown
};

/** "导出选中文件": completes the SHA1 of every ticked, unresolved file row (one page fetch each,
 *  in list order; rows resolved stay resolved whatever follows), then appends one section to
 *  each of the three export files of `account` in the working folder, each built in memory
 *  first and written with one write, in GBK with GB18030 for what GBK lacks. `progress` (may be
 *  null, not owned) hears of the fetches when there are two or more. */
ExportOutcome ExportTickedRows(FileList& list, const QString& account,
                               ExportProgress* progress = nullptr);
