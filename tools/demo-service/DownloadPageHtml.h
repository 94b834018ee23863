#pragma once

#include "DemoDrive.h"

#include <QByteArray>

/** The main site's download page for `file`, as UTF-8 HTML: its name, size and upload time,
 *  its SHA1 when the drive gives one, then its download buttons. */
QByteArray RenderDownloadPage(const DemoFile& file);

/** The page for a pick code the drive does not know: no SHA1, no buttons. */
QByteArray RenderMissingFilePage();
