#include "cStringBuilder.h"

#include <stdexcept>

namespace {
// Sizes are counted in bytes (two per code unit) within the signed 32-bit range.
constexpr qsizetype MaxCodeUnits = 0x7fffffff / 2;

void checkSizeFits(qsizetype codeUnits)
{
    if (codeUnits > MaxCodeUnits)
        throw std::overflow_error("string builder size exceeds 2^31 bytes");
}

[[noreturn]] void throwOutOfRange()
{
    throw std::out_of_range("subscript out of range");
}
} // namespace

int cStringBuilder::Length() const
{
    return static_cast<int>(m_text.size());
}

int cStringBuilder::Capacity() const
{
    return m_capacity;
}

int cStringBuilder::ChunkSize() const
{
    return m_chunkSize;
}

void cStringBuilder::setChunkSize(int iChunkSize)
{
    if (iChunkSize < 1)
        throw std::invalid_argument("chunk size must be at least 1");
    checkSizeFits(iChunkSize);
    m_chunkSize = iChunkSize;
}

QString cStringBuilder::toString() const
{
    return m_text;
}

void cStringBuilder::setTheString(const QString& sThis)
{
    if (sThis.isEmpty()) {
        Clear();
        return;
    }
    growFor(sThis.size());
    m_text = sThis;
}

void cStringBuilder::Clear()
{
    m_text = QString();
    m_capacity = 0;
}

void cStringBuilder::AppendNL(const QString& sThis)
{
    growFor(qsizetype(m_text.size()) + sThis.size() + 2);
    Append(sThis);
    Append(u"\r\n");
}

void cStringBuilder::Append(const QString& sThis)
{
    Append(QStringView(sThis));
}

void cStringBuilder::Append(QStringView sThis)
{
    if (sThis.isEmpty())
        return;
    growFor(m_text.size() + sThis.size());
    if (m_text.isEmpty())
        m_text = sThis.toString(); // exact size: most builders hold one piece
    else
        m_text.append(sThis);
}

void cStringBuilder::AppendByVal(QString sThis)
{
    Append(QStringView(sThis));
}

void cStringBuilder::Insert(int iIndex, const QString& sThis)
{
    if (iIndex < 0 || iIndex > m_text.size())
        throwOutOfRange();
    growFor(m_text.size() + sThis.size());
    m_text.insert(iIndex, sThis);
}

void cStringBuilder::InsertByVal(int iIndex, QString sThis)
{
    Insert(iIndex, sThis);
}

void cStringBuilder::Remove(int iIndex, int lLen)
{
    if (iIndex < 0 || lLen < 0 || qsizetype(iIndex) + lLen > m_text.size())
        throwOutOfRange();
    m_text.remove(iIndex, lLen);
}

int cStringBuilder::Find(const QString& sToFind, int lStartIndex, int compare) const
{
    if (compare != 0 && compare != 1)
        throw std::invalid_argument("compare must be 0 (exact) or 1 (ignore case)");
    const qsizetype start = lStartIndex < 1 ? 1 : lStartIndex;
    if (start > m_text.size())
        return 0;
    if (sToFind.isEmpty())
        return static_cast<int>(start);
    const auto sensitivity = compare == 0 ? Qt::CaseSensitive : Qt::CaseInsensitive;
    return static_cast<int>(m_text.indexOf(sToFind, start - 1, sensitivity) + 1);
}

void cStringBuilder::HeapMinimize()
{
    const qsizetype used = m_text.size();
    while (m_capacity - used > m_chunkSize)
        m_capacity -= m_chunkSize;
    m_text.squeeze();
}

void cStringBuilder::growFor(qsizetype neededLength)
{
    if (neededLength <= m_capacity)
        return;
    const qsizetype missing = neededLength - m_capacity;
    const qsizetype chunks = (missing + m_chunkSize - 1) / m_chunkSize;
    const qsizetype grown = m_capacity + chunks * m_chunkSize;
    checkSizeFits(grown);
    m_capacity = static_cast<int>(grown);
}
