#pragma once

#include "browser/FileList.h"

#include <QString>

// The small actions on the rows and on the results of resolution and export. An empty input
// makes an action do nothing.

/** "全选" changed to `ticked`: every row of the list takes that tick state. */
void Check1(FileList& list, bool ticked);

/** "复制": replaces the clipboard's content with `downloadLink` (Text11). */
void Command14(const QString& downloadLink);

/** "下载": opens `downloadLink` (Text11) with its default handler. */
void Command15(const QString& downloadLink);

/** "打开": opens the plain export file of `account` (account + ".txt") with its default handler;
 *  an account that cannot name export files opens nothing and is reported as by the export. */
void Command17(const QString& account);
