#pragma once

#include <QByteArray>
#include <QString>

/** The charset named by a Content-Type value ("text/html; charset=GBK" -> "GBK"),
 *  without quotes; empty when it names none. */
QByteArray CharsetOf(const QByteArray& contentType);

/** Decodes a response body by the charset its Content-Type declares; UTF-8 when
 *  it declares none or one this system does not know. Never fails: bytes that
 *  are invalid in the charset become replacement characters. */
QString DecodeResponseText(const QByteArray& body, const QByteArray& contentType);
