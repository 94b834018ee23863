#pragma once

#include <QString>
#include <QStringView>
#include <initializer_list>

/** A text of lines, each ended by CR LF, that never grows beyond a fixed number
 *  of code units. Lines are kept whole while they fit; the line that would pass
 *  the bound is cut there and followed by one closing line, and from then on
 *  the log is closed: further lines are dropped (test `isOpen()` to skip
 *  building them). Reports no errors. */
class BoundedLog
{
public:
    explicit BoundedLog(qsizetype maxCodeUnits);

    bool isOpen() const { return !m_closed; }
    /** Appends the pieces as one line, plus CR LF. */
    void addLine(std::initializer_list<QStringView> pieces);
    /** Replaces the whole log by `text` as it is (no line end) and leaves it open. */
    void setText(const QString& text);
    void clear();
    const QString& text() const { return m_text; }

    static QStringView closingLine();

private:
    void appendCut(std::initializer_list<QStringView> pieces, qsizetype room);

    QString m_text;
    qsizetype m_maxCodeUnits;
    bool m_closed = false;
};
