#pragma once

#include <QString>
#include <QStringView>

/** Collects text for later use as one string. Capacity grows in whole chunks
 *  (ChunkSize code units, 8192 for a new builder) and is reported as such.
 *  Errors are thrown to the caller and leave the builder unchanged:
 *  std::out_of_range for an offset or range outside the built text (or
 *  negative), std::overflow_error for a size beyond 2^31 bytes,
 *  std::invalid_argument for a chunk size below 1 or an unknown compare mode.
 *  The builder owns its text; callers get copies. */
class cStringBuilder
{
public:
    int Length() const;
    int Capacity() const;
    int ChunkSize() const;
    void setChunkSize(int iChunkSize);

    /** A copy of the built text. */
    QString toString() const;
    /** Replaces the built text; an empty text also releases the buffer. */
    void setTheString(const QString& sThis);
    /** Empties the builder and releases the buffer; the chunk size stays. */
    void Clear();

    void AppendNL(const QString& sThis);
    void Append(const QString& sThis);
    void Append(QStringView sThis);
    void AppendByVal(QString sThis);

    /** Inserts before the code unit at 0-based `iIndex`; `Length()` appends. */
    void Insert(int iIndex, const QString& sThis);
    void InsertByVal(int iIndex, QString sThis);
    /** Removes `lLen` code units from 0-based `iIndex`. */
    void Remove(int iIndex, int lLen);

    /** 1-based position of `sToFind` at or after 1-based `lStartIndex`, 0 when
     *  absent. `compare` 0 compares code units exactly, 1 ignores case. */
    int Find(const QString& sToFind, int lStartIndex, int compare) const;

    /** Trims the spare room (Capacity - Length) to at most one chunk. */
    void HeapMinimize();

private:
    void growFor(qsizetype neededLength);

    // Holds exactly the built text. Its own storage grows geometrically, so
    // appending stays linear; m_capacity is the chunked capacity callers see.
    QString m_text;
    int m_chunkSize = 8192;
    int m_capacity = 0;
};
