#pragma once

#include <QString>

class ExportProgress;
class FileList;

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

/** "复制选中文件的提取式": completes the SHA1s of the ticked rows as the export does (`progress`
 *  may be null), then puts on the clipboard the very section the export would append to the
 *  plain file. Copies nothing when a page could not be fetched or the user cancelled. */
void CopyTickedExtraction(FileList& list, ExportProgress* progress = nullptr);

/** Whether any row is ticked; the copy of the ticked rows is offered only then. */
bool AnyRowTicked(const FileList& list);
