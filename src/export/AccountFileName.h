#pragma once

#include <QString>

/** True when `account` can name files in the working folder as it stands: no path separator,
 *  no drive colon, no "..", no control character and none of the characters that Windows file
 *  names may not hold (<>:"/\|?*). Anything else could place the export files elsewhere. */
bool CanNameExportFiles(const QString& account);

/** Tells the user (title "错误") that `account` cannot name the export files, and why. */
void ReportUnusableAccount(const QString& account);
