#pragma once

#include <QByteArray>
#include <QStringView>

/** Text for files that GBK (code page 936) readers open: every character that GBK holds is
 *  written as GBK, every other one as its GB18030 four-byte sequence (which GBK readers skip
 *  and GB18030 readers restore), so no character turns into "?". A lone surrogate, which no
 *  encoding holds, is written as U+FFFD. Never fails; no byte-order mark. */
QByteArray EncodeGbkText(QStringView text);
