#pragma once

#include <QString>

// Reading a download page: the file's SHA1 and the address of its preferred download button.
// Only the first MaxSearchedLength characters of a page are searched; a search that reaches
// the pattern engine's limits counts as finding nothing, so no page can stall the window.

/** Characters of a page that are searched (4 Mi UTF-16 code units); a real page is far smaller. */
inline constexpr qsizetype MaxSearchedLength = qsizetype(4) * 1024 * 1024;

/** The first run of 40 ASCII letters (A–Z, a–z) or digits (0–9), unchanged; empty when there is
 * none. */
QString FindSha1(const QString& page);

/** The address of the first download button when it is labelled "电信", else of the second
 *  button, else of the only one; empty when the page has none. */
QString PickDownloadLink(const QString& page);
