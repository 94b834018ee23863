#pragma once

#include "browser/FileList.h"

#include <QColor>
#include <QString>

/** The window's two link fields: the pick code field `Text10` and the download link field
 *  `Text11`. The window copies its fields in, runs an action and copies them back. */
struct LinkFields
{
    QString pickCode;     // Text10
    QString downloadLink; // Text11
};

/** The colour of a standard-form cell once its SHA1 is known: pure blue. */
inline const QColor ResolvedColour{0, 0, 255};

/** True when `standardForm` still lacks the SHA1 (it begins with "#"). */
bool IsUnresolved(const QString& standardForm);

/** Puts `sha1` in front of `row`'s standard-form text and colours that one cell blue. */
void ResolveRowSha1(FileList& list, int row, const QString& sha1);

/** What a row's download page gave: whether it was fetched and the download link it offers. */
struct RowPage
{
    bool fetched =
        false; // false: the request failed and has shown its message, or the page was empty
    QString downloadLink; // empty when the page has no download button
};

/** Fetches `row`'s download page as a click on an unresolved row does: the row takes the SHA1
 *  the page holds, which the lasting store keeps; once the row has its SHA1 its pick code goes into
 * `fields`, and a download link found goes there too. A resolved row is fetched all the same, for
 * its link. */
RowPage FetchRowPage(FileList& list, int row, LinkFields& fields);

/** The click on a row: a resolved row or a folder only shows its pick code and clears the link;
 *  an unresolved file row fetches its download page, takes its SHA1 and pick code when the page
 *  holds a SHA1, and its download link when the page has a button. A failed fetch changes
 *  nothing (the request has shown its message). Nothing happens without a selected row. */
void ResolveSelectedRow(FileList& list, LinkFields& fields);

/** "获取" (Command13): fetches the download page of the pick code in `fields` (also an empty one)
 * and takes its download link when the page has a button. Touches no row. */
void FetchLinkOfPickCode(LinkFields& fields);
