#pragma once

#include "BoundedLog.h"
#include "JSON.h"

#include <QStringView>
#include <QVarLengthArray>
#include <array>
#include <optional>

class cStringBuilder;

/** Reads one lenient JSON text (a recursive descent over a shared position).
 *  Every problem becomes a line of `log`; a failure inside a member ends the
 *  enclosing containers, which return what they hold. Throws only
 *  std::bad_alloc when even the root cannot be built. One reader per text. */
class JsonReader
{
public:
    /** Containers nested deeper than this are a failure of their own. */
    static constexpr int MaxDepth = 512;

    JsonReader(QStringView text, BoundedLog& log);

    /** The root object or array; nothing when the first significant character
     *  is neither "{" nor "[" (the log is then left as it was). */
    std::optional<JsonValue> readRoot();

private:
    enum class Failure
    {
        None,
        Conversion,
        Overflow,
        DuplicateKey,
        OutOfMemory,
        TooDeep
    };

    void skipFiller();
    JsonValue readValue();
    JsonValue readObject();
    JsonValue readArray();
    using Context = QStringView (JsonReader::*)() const;
    bool enterContainer(char16_t opening, QStringView problem, Context context);
    bool atContainerEnd(char16_t closing);
    template <typename Read> void readMember(Read read);
    void raise(Failure failure);
    QString readKey();
    QString readString();
    void appendEscape(cStringBuilder& builder);
    JsonValue readNumber();
    bool readBoolean();
    JsonValue readNull();

    int current() const; // the code unit at the position, -1 at the end of the text
    bool startsWith(QStringView literal) const;
    QStringView rest() const;
    QStringView upTo20() const;
    QString keyFromBuffer();
    void logAtPosition(QStringView problem, QStringView context);
    void logFailure(QStringView context);

    const QChar* m_text;
    qsizetype m_length;
    qsizetype m_pos = 0; // 0-based; log lines show it 1-based
    int m_depth = 0;
    // The failure state: set by a raise, kept while nested containers return
    // to their parents, cleared when a container reads its next member.
    Failure m_failure = Failure::None;
    // A raise abandons the readers up to the container reading a member, so
    // the value being read is dropped; a nested container that ended on a
    // failure returns normally and its partial content is kept.
    bool m_raised = false;
    BoundedLog& m_log;
    QVarLengthArray<QChar, 64> m_keyBuffer;
    // Keys repeat from entry to entry; sharing the last one seen per slot
    // saves an allocation for each of them.
    std::array<QString, 256> m_recentKeys;
};
