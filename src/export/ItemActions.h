#pragma once

#include <QString>

// The small actions on the results of resolution and export. An empty input makes an action
// do nothing.

/** "复制" (Command14): replaces the clipboard's content with `downloadLink` (Text11). */
void CopyLink(const QString& downloadLink);

/** "下载" (Command15): opens `downloadLink` (Text11) with its default handler. */
void OpenLink(const QString& downloadLink);

/** "打开" (Command17): opens the plain export file of `account` (account + ".txt") with its
 *  default handler; an account that cannot name export files opens nothing and is reported as
 *  by the export. */
void OpenPlainExportFile(const QString& account);
