#include "JsonTexts.h"

#include <algorithm>

namespace {
constexpr qsizetype BlockSize = 16 * 1024; // code units

// Text without storage of its own (QString::fromRawData, literals) is copied,
// so that keys and string values never outlive what they point into.
QString owned(const QString& text)
{
    return text.capacity() == 0 && !text.isEmpty() ? QString(text.constData(), text.size()) : text;
}
} // namespace

JsonTexts::JsonTexts(const QString& parsed) : m_parsed(owned(parsed)) {}

QStringView JsonTexts::store(QStringView text)
{
    if (text.isEmpty())
        return {};
    if (m_blocks.empty() || m_blockSize - m_blockUsed < text.size()) {
        const qsizetype size = std::max(BlockSize, text.size());
        m_blocks.push_back(std::make_unique_for_overwrite<char16_t[]>(size_t(size)));
        m_blockSize = size;
        m_blockUsed = 0;
    }
    char16_t* stored = m_blocks.back().get() + m_blockUsed;
    std::copy(text.utf16(), text.utf16() + text.size(), stored);
    m_blockUsed += text.size();
    return QStringView(stored, text.size());
}
