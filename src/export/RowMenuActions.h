#pragma once

#include "LinkResolution.h"
#include "browser/FileList.h"

#include <QString>

// What the file list's row menu and its copy key do with one file row. Entries that need the
// download page fetch it as a click on the row does (the row takes its SHA1, `fields` take its
// pick code and link), then copy or open through the current Desktop. A failed fetch has shown
// its message and does nothing more; a page without what is wanted says so under "提示".

/** "复制提取码": puts the row's pick code on the clipboard (nothing for a folder row). */
void CopyRowPickCode(const FileList& list, int row);

/** "复制 SHA1": the row's SHA1, resolving the row first when it has none yet: from the lasting
 *  store when it holds it (the pick code field takes the row's, the link field is cleared), else
 *  from the row's page. */
void CopyRowSha1(FileList& list, int row, LinkFields& fields);

/** "复制标准提取式" and the copy key: the row's standard-form text (SHA1#size#name), resolving
 *  the row first when it has no SHA1 yet, as CopyRowSha1 does. */
void CopyRowStandardForm(FileList& list, int row, LinkFields& fields);

/** "复制下载链接": fetches the row's download page and puts its download link on the clipboard. */
void CopyRowDownloadLink(FileList& list, int row, LinkFields& fields);

/** "打开下载链接": fetches the row's download page and opens its download link. */
void OpenRowDownloadLink(FileList& list, int row, LinkFields& fields);
