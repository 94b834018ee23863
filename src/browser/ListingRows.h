#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

class JsonValue;

/** Put in front of a folder's name in the list; a row whose name begins with it is a folder. */
inline constexpr QChar FolderMarker{u'\u25A0'};

/** Whether a row's name marks a folder. */
bool IsFolderName(const QString& rowName);

/** The seven column texts of the row for one listing entry: a folder when its
 *  "fid" is missing or empty, a file otherwise. Any value is accepted; what it
 *  lacks shows as empty text. */
QStringList FileRowTexts(const JsonValue& entry);

/** Whether a "sh" value means shared: true, a non-zero number (also as text), or
 *  the text "true" in any case. */
bool IsSharedFlag(const JsonValue& value);
