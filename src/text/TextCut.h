#pragma once

#include <QStringView>

/** The first `maxUnits` UTF-16 code units of `text`, one fewer where the cut would fall
 *  between the two halves of a surrogate pair: half a character is no text at all to a
 *  pattern engine, and shows as a stray box. */
inline QStringView LeftWholeCharacters(QStringView text, qsizetype maxUnits)
{
    if (text.size() <= maxUnits)
        return text;
    return text.left(text.at(maxUnits - 1).isHighSurrogate() ? maxUnits - 1 : maxUnits);
}
