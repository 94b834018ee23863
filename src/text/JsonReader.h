#pragma once

#include "BoundedLog.h"
#include "JSON.h"
#include "JsonTexts.h"

#include <QStringView>
#include <QVarLengthArray>
#include <optional>
#include <vector>

/** Reads one lenient JSON text (a recursive descent over a shared position).
 *  Every problem becomes a line of `log`; a failure inside a member ends the
 *  enclosing containers, which return what they hold. Throws only
 *  std::bad_alloc when even the root cannot be built. One reader per text. */
class JsonReader
{
public:
    /** Containers nested deeper than this are a failure of their own. */
    static constexpr int MaxDepth = 512;

    JsonReader(const QString& text, BoundedLog& log);
    ~JsonReader();

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

    // A key as read: a stretch of the text or of a stored text.
    using Key = QStringView;

    void skipFiller()
    {
        if (m_pos < m_length && !mayStartFiller(m_text[m_pos].unicode()))
            return;
        skipFillerRun();
    }
    static bool mayStartFiller(char16_t c)
    {
        // CR, LF, TAB, SPACE, "(", ")", "*" and "/"
        constexpr quint64 starts = 1ull << 9 | 1ull << 10 | 1ull << 13 | 1ull << 32 | 1ull << 40 |
                                   1ull << 41 | 1ull << 42 | 1ull << 47;
        return c < 64 && (starts >> c & 1);
    }
    void skipFillerRun();

    JsonValue readValue();
    JsonValue readObject();
    JsonValue readArray();
    using Context = QStringView (JsonReader::*)() const;
    bool enterContainer(char16_t opening, QStringView problem, Context context);
    bool atContainerEnd(char16_t closing);
    template <typename Read> void readMember(Read read);
    void raise(Failure failure);
    Key readKey();
    Key readKeyByRules();
    JsonValue readString();
    JsonValue readNumber();
    bool readBoolean();
    JsonValue readNull();

    int current() const { return m_pos < m_length ? m_text[m_pos].unicode() : -1; }
    bool startsWith(QStringView literal) const;
    QStringView rest() const;
    QStringView upTo20() const;
    Key keyFromBuffer();
    void logAtPosition(QStringView problem, QStringView context);
    void logFailure(QStringView context);

    std::unique_ptr<JsonTexts> m_texts; // handed to the root when reading ends
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

    // Members and items of the open containers, innermost last; a container
    // takes its own run when it ends, so each gets storage of its exact size.
    JsonObject::Members m_members;
    std::vector<JsonValue> m_items;

    QVarLengthArray<QChar, 64> m_keyBuffer;
    std::vector<QChar> m_decoded; // room for the text of an escaped string
};
