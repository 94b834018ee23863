#pragma once

#include <QChar>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class JsonValue;

// The rules that turn a listing response into rows: how the keyed form is
// recognised, the seven texts of a row (sizes in SizeText.h), folder names and
// video names.

/** The keys, in text order, of every member anywhere in a listing response whose
 *  key is made of decimal digits only (or is empty) and whose value is an object.
 *  Any key at all means the listing comes in the keyed form. */
QStringList DigitKeys(const QString& responseText);

/** Put in front of a folder's name in the list; a row whose name begins with it is a folder. */
inline constexpr QChar FolderMarker{u'\u25A0'};

/** The Shared column's texts: row data, which `ls` and the window's logic read as they are; the
 *  window shows them in the run's language (context "ListingRows"). */
inline constexpr const char* SharedText = QT_TRANSLATE_NOOP("ListingRows", "是");
inline constexpr const char* NotSharedText = QT_TRANSLATE_NOOP("ListingRows", "否");

/** Whether a row's name marks a folder. */
bool IsFolderName(const QString& rowName);

/** The seven column texts of the row for one listing entry: a folder when its
 *  "fid" is missing or empty, a file otherwise. Any value is accepted; what it
 *  lacks shows as empty text. */
QStringList FileRowTexts(const JsonValue& entry);

/** The size in bytes of the file a listed row holds, as the service sent it (the text between
 *  the first two "#" of its standard form, "#size#name", before a SHA1 is put in front). */
QString RowByteSizeText(const QStringList& row);

/** The rows of a listing's "data" in its own order: a list's items or an object's members. */
QList<QStringList> DataRows(const JsonValue& data);

/** The rows of the keyed form: the members of `data` under `keys`, in that order. */
QList<QStringList> KeyedRows(const JsonValue& data, const QStringList& keys);

/** Whether a row's name ends in one of the video extensions (.wmv .rm .mkv .flv
 *  .avi .rmvb), compared exactly, case included. */
bool IsVideoName(const QString& name);
