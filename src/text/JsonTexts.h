#pragma once

#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

/** The texts that the keys and string values of a tree point into: the text
 *  it was parsed from, and stored texts built while reading (decoded strings,
 *  keys with blanks dropped). Stored texts never move. Owned by the root
 *  container of the tree; throws only std::bad_alloc. */
class JsonTexts
{
public:
    explicit JsonTexts(const QString& parsed);

    QStringView parsed() const { return m_parsed; }
    /** A copy of `text` that lives as long as this object. */
    QStringView store(QStringView text);

private:
    QString m_parsed;
    std::vector<std::unique_ptr<char16_t[]>> m_blocks;
    qsizetype m_blockSize = 0;
    qsizetype m_blockUsed = 0;
};
