#pragma once

#include "ExtractionFormat.h"

#include <QList>
#include <QString>
#include <optional>

/** How an export ended. Every ending other than Written has left the files untouched, except
 *  WriteFailed, where the files written before the failing one keep their new section. */
enum class ExportOutcome
{
    Written,         // each of the three files received one section
    NoAccount,       // the account text is empty: nothing done, nothing shown
    UnusableAccount, // the account cannot name files: message "错误" shown, no request
    FetchFailed,     // a page could not be fetched or read: one message shown (or none for an
                     // empty download page)
    Cancelled,       // the user cancelled while pages were being fetched
    WriteFailed,     // a file could not be opened or written: message "提示" shown
};

/** Nothing when `account` can name the three export files; otherwise how an export for it
 *  ends: NoAccount for an empty one (nothing shown), UnusableAccount after telling the user. */
std::optional<ExportOutcome> RefuseAccount(const QString& account);

/** Appends one section of `rows` to each of the three export files of `account` in `folder`
 *  (empty: the working folder), each built in memory first and written with one write, in GBK
 *  with GB18030 for what GBK lacks. A file that cannot be written is cut back to its old end
 *  and named in a message ("提示"), with the files written before it. */
ExportOutcome AppendExtractionSections(const QString& account, const QList<ExportRow>& rows,
                                       const QString& folder = {});

/** The closing words of a message about an export that stopped before writing anything. */
QString NothingWrittenText();
