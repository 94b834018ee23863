#include "BoundedLog.h"

namespace {
constexpr QStringView LineEnd = u"\r\n";
}

BoundedLog::BoundedLog(qsizetype maxCodeUnits) : m_maxCodeUnits(maxCodeUnits) {}

QStringView BoundedLog::closingLine()
{
    return u"Further problems were left out: the error log is full.\r\n";
}

void BoundedLog::addLine(std::initializer_list<QStringView> pieces)
{
    if (m_closed)
        return;
    qsizetype lineLength = LineEnd.size();
    for (QStringView piece : pieces)
        lineLength += piece.size();
    // Keep room for the closing line, so that the log as a whole stays in bounds.
    const qsizetype roomForLines = m_maxCodeUnits - closingLine().size();
    if (m_text.capacity() < m_maxCodeUnits)
        m_text.reserve(m_maxCodeUnits);
    if (m_text.size() + lineLength <= roomForLines) {
        for (QStringView piece : pieces)
            m_text.append(piece);
        m_text.append(LineEnd);
        return;
    }
    appendCut(pieces, roomForLines - m_text.size() - LineEnd.size());
    m_text.append(closingLine());
    m_closed = true;
}

void BoundedLog::appendCut(std::initializer_list<QStringView> pieces, qsizetype room)
{
    if (room <= 0)
        return;
    for (QStringView piece : pieces) {
        const QStringView kept = piece.first(std::min(piece.size(), room));
        m_text.append(kept);
        room -= kept.size();
        if (room == 0)
            break;
    }
    if (!m_text.isEmpty() && m_text.back().isHighSurrogate())
        m_text.chop(1); // never leave half of a surrogate pair
    m_text.append(LineEnd);
}

void BoundedLog::setText(const QString& text)
{
    m_text = text;
    m_closed = false;
}

void BoundedLog::clear()
{
    m_text = QString();
    m_closed = false;
}
