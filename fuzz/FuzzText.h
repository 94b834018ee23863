#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

/** A fuzz input as text: raw UTF-16LE code units (lone surrogates included) when it starts
 *  with the UTF-16LE byte order mark, else UTF-8 as the transport decodes an answer. */
inline QString FuzzText(const std::uint8_t* data, std::size_t size)
{
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        QString text(qsizetype(size - 2) / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(char16_t(data[2 + 2 * i] | data[3 + 2 * i] << 8));
        return text;
    }
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}
