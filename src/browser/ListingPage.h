#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

/** One listing answer read for work beyond the window (a whole-folder walk): its entries as
 *  list rows, in the order the window would show them, and the folder's total count. */
struct ListingPage
{
    QList<QStringList> rows; // the seven column texts of each entry (FileRowTexts)
    qint64 count = 0;        // the answer's "count": entries of the whole listed folder
};

/** Reads a listing answer of either form (a "data" list or object, or entries under digit
 *  keys). Nothing when the text is no listing: not JSON, a parse problem, no "data", or a
 *  "count" that is not a whole number of zero or more. */
std::optional<ListingPage> ReadListingPage(const QString& responseText);

/** The service's error number for a folder id that names no folder. */
inline constexpr qint64 FolderMissingErrorNumber = 20006;

/** True when `responseText` is the service's refusal to list a folder it does not have: a JSON
 *  object with "state" false and the error number FolderMissingErrorNumber in "errNo". */
bool SaysFolderMissing(const QString& responseText);
