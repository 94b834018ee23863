#include "JsonReader.h"

#include "HexDigits.h"
#include "NumberText.h"

#include <algorithm>
#include <new>

namespace {
constexpr qsizetype ContextLength = 20;

struct DepthGuard
{
    explicit DepthGuard(int& depth) : m_depth(depth) { ++m_depth; }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
    int& m_depth;
};

// Whether `c` is below 64 and its bit is set in `bits`.
constexpr bool inLowSet(char16_t c, quint64 bits)
{
    return c < 64 && (bits >> c & 1);
}

constexpr quint64 bitsOf(std::initializer_list<char16_t> characters)
{
    quint64 bits = 0;
    for (char16_t c : characters)
        bits |= quint64(1) << c;
    return bits;
}

bool isNumberCharacter(char16_t c)
{
    constexpr quint64 below64 =
        bitsOf({u'+', u'-', u'.', u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9'});
    return c < 64 ? inLowSet(c, below64) : c == u'e' || c == u'E';
}

bool isOrdinaryKeyCharacter(char16_t c)
{
    return !inLowSet(c, bitsOf({u'\r', u'\n', u'\t', u' ', u'"', u'\'', u':'}));
}

// What each escape character of a string stands for; 0 for none.
constexpr std::array<char16_t, 128> SimpleEscapes = [] {
    std::array<char16_t, 128> table{};
    for (char16_t c : {u'"', u'\\', u'/', u'\''})
        table[c] = c;
    table[u'b'] = u'\b';
    table[u'f'] = u'\f';
    table[u'n'] = u'\n';
    table[u'r'] = u'\r';
    table[u't'] = u'\t';
    return table;
}();

// Collects decoded text in a buffer that outlives it (kept for the whole
// parse); the buffer only grows.
class DecodedText
{
public:
    explicit DecodedText(std::vector<QChar>& buffer)
        : m_buffer(buffer), m_out(buffer.data()), m_end(buffer.data() + buffer.size())
    {
    }
    void put(QChar c)
    {
        if (m_out == m_end)
            grow();
        *m_out++ = c;
    }
    QStringView text() const { return QStringView(m_buffer.data(), m_out - m_buffer.data()); }

private:
    void grow()
    {
        const qsizetype used = m_out - m_buffer.data();
        m_buffer.resize(std::max<size_t>(256, 2 * m_buffer.size()));
        m_out = m_buffer.data() + used;
        m_end = m_buffer.data() + m_buffer.size();
    }

    std::vector<QChar>& m_buffer;
    QChar* m_out;
    QChar* m_end;
};

// Resolves the escape whose character is at `pos` (inside the text) by the
// escape table; gives the position after it.
qsizetype decodeEscape(const QChar* text, qsizetype pos, qsizetype length, DecodedText& decoded)
{
    const char16_t c = text[pos].unicode();
    if (c == u'u') {
        ++pos;
        const qsizetype end = std::min(pos + 4, length);
        char16_t resolved = 0;
        for (qsizetype i = pos; i < end; ++i) {
            const int digit = HexDigitValue(text[i].unicode());
            if (digit < 0)
                break;
            resolved = char16_t(resolved * 16 + digit);
        }
        decoded.put(QChar(resolved));
        return end; // four code units are passed whatever they held
    }
    const char16_t resolved = c < 128 ? SimpleEscapes[c] : 0;
    if (resolved == 0)
        return pos; // not an escape: the backslash is dropped and `c` is read as text
    decoded.put(QChar(resolved));
    return pos + 1;
}
} // namespace

JsonReader::JsonReader(const QString& text, BoundedLog& log)
    : m_texts(std::make_unique<JsonTexts>(text)), m_text(m_texts->parsed().data()),
      m_length(m_texts->parsed().size()), m_log(log)
{
}

JsonReader::~JsonReader() = default;

std::optional<JsonValue> JsonReader::readRoot()
{
    skipFiller();
    if (current() == u'{') {
        JsonValue root = readObject();
        root.m_payload.object->m_texts = std::move(m_texts);
        return root;
    }
    if (current() == u'[') {
        JsonValue root = readArray();
        root.m_payload.array->m_texts = std::move(m_texts);
        return root;
    }
    return std::nullopt;
}

void JsonReader::skipFillerRun()
{
    bool inComment = false;
    bool inBlock = false;
    bool pending = false;
    for (; m_pos < m_length; ++m_pos) {
        switch (m_text[m_pos].unicode()) {
        case u'\r':
        case u'\n':
            if (!inBlock)
                pending = inComment = false;
            break;
        case u'\t':
        case u' ':
        case u'(':
        case u')':
            break;
        case u'/':
            if (inBlock) {
                if (pending)
                    pending = inComment = inBlock = false;
            } else if (pending) {
                pending = false;
                inComment = true;
            } else {
                pending = true;
                inComment = false;
            }
            break;
        case u'*':
            if (pending) {
                pending = false;
                inComment = inBlock = true;
            } else {
                pending = true;
            }
            break;
        default:
            if (!inComment)
                return;
        }
    }
}

JsonValue JsonReader::readValue()
{
    skipFiller();
    switch (current()) {
    case u'{':
    case u'[':
        if (m_depth >= MaxDepth) {
            raise(Failure::TooDeep);
            return {};
        }
        return current() == u'{' ? readObject() : readArray();
    case u'"':
    case u'\'':
        return readString();
    case u't':
    case u'f':
        return JsonValue::fromBool(readBoolean());
    case u'n':
        return readNull();
    default:
        return readNumber();
    }
}

template <typename Read> void JsonReader::readMember(Read read)
{
    m_failure = Failure::None;
    m_raised = false;
    try {
        read();
    } catch (const std::bad_alloc&) {
        m_failure = Failure::OutOfMemory;
    }
    m_raised = false; // the container reading the member is where a raise stops
}

void JsonReader::raise(Failure failure)
{
    m_failure = failure;
    m_raised = true;
}

// Drops what a container left on a run when it ends, also when it is
// abandoned by an exception.
template <typename Run> struct RunMark
{
    RunMark(Run& run) : m_run(run), m_first(run.size()) {}
    ~RunMark() { m_run.erase(m_run.begin() + m_first, m_run.end()); }
    RunMark(const RunMark&) = delete;
    RunMark& operator=(const RunMark&) = delete;
    Run& m_run;
    const size_t m_first;
};

JsonValue JsonReader::readObject()
{
    if (!enterContainer(u'{', u"Invalid Object", &JsonReader::rest))
        return JsonValue::fromObject(JsonObject());
    const DepthGuard depth(m_depth);
    const RunMark mark(m_members);
    JsonObject::Index index;
    while (!atContainerEnd(u'}')) {
        Key key;
        readMember([&] {
            key = readKey();
            JsonValue value = readValue();
            if (!m_raised &&
                !JsonObject::addMember(m_members, mark.m_first, index, key, std::move(value)))
                raise(Failure::DuplicateKey);
        });
        if (m_failure != Failure::None) {
            logFailure(key);
            break;
        }
    }
    return JsonValue::fromObject(
        JsonObject::takeMembers(m_members, mark.m_first, std::move(index)));
}

JsonValue JsonReader::readArray()
{
    if (!enterContainer(u'[', u"Invalid Array", &JsonReader::upTo20))
        return JsonValue::fromArray(JsonArray());
    const DepthGuard depth(m_depth);
    const RunMark mark(m_items);
    while (!atContainerEnd(u']')) {
        const qsizetype memberStart = m_pos;
        readMember([&] {
            JsonValue value = readValue();
            if (!m_raised)
                m_items.push_back(std::move(value));
        });
        if (m_failure != Failure::None) {
            logFailure(upTo20());
            break;
        }
        // A bad literal or the end of the text reads nothing; going on would
        // read the same place forever.
        if (m_pos == memberStart) {
            logAtPosition(u"Unreadable array member", upTo20());
            break;
        }
    }
    return JsonValue::fromArray(JsonArray::takeItems(m_items, mark.m_first));
}

bool JsonReader::enterContainer(char16_t opening, QStringView problem, Context context)
{
    skipFiller();
    if (current() != opening) {
        // Callers enter at the bracket; this keeps the reader safe on its own.
        logAtPosition(problem, (this->*context)());
        return false;
    }
    ++m_pos;
    return true;
}

bool JsonReader::atContainerEnd(char16_t closing)
{
    skipFiller();
    if (current() == closing) {
        ++m_pos;
        return true;
    }
    if (current() == u',') {
        ++m_pos;
        skipFiller();
    }
    return false;
}

JsonReader::Key JsonReader::readKey()
{
    skipFiller();
    const int first = current();
    const bool quoted = first == u'"' || first == u'\'';
    const qsizetype textStart = quoted ? m_pos + 1 : m_pos;
    qsizetype end = textStart;
    while (end < m_length && isOrdinaryKeyCharacter(m_text[end].unicode()))
        ++end;
    const char16_t terminator = quoted ? char16_t(first) : u':';
    if (end == m_length || m_text[end] != terminator)
        return readKeyByRules();
    // A key of ordinary characters, quoted or not: the rules come down to
    // taking it as it stands.
    const Key key(m_text + textStart, end - textStart);
    m_pos = end + 1;
    if (quoted) {
        skipFiller();
        if (current() != u':') {
            logAtPosition(u"Invalid Key", key);
            return key;
        }
        ++m_pos;
    }
    return key;
}

JsonReader::Key JsonReader::readKeyByRules()
{
    m_keyBuffer.clear();
    bool inDouble = false;
    bool inSingle = false;
    while (m_pos < m_length) {
        const char16_t c = m_text[m_pos].unicode();
        if (isOrdinaryKeyCharacter(c)) {
            const qsizetype start = m_pos;
            while (m_pos < m_length && isOrdinaryKeyCharacter(m_text[m_pos].unicode()))
                ++m_pos;
            m_keyBuffer.append(m_text + start, m_pos - start);
            continue;
        }
        ++m_pos;
        if (c == u'"' || c == u'\'') {
            bool& inQuotes = c == u'"' ? inDouble : inSingle;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipFiller();
                if (current() != u':') {
                    const Key key = keyFromBuffer();
                    logAtPosition(u"Invalid Key", key);
                    return key;
                }
            }
        } else if (c == u':') {
            if (!inDouble && !inSingle)
                break;
            m_keyBuffer.append(QChar(c));
        }
        // Blanks are dropped, inside quotes as well.
    }
    return keyFromBuffer();
}

JsonValue JsonReader::readString()
{
    skipFiller();
    const QChar quote = m_text[m_pos];
    ++m_pos;
    const qsizetype start = m_pos;
    while (m_pos < m_length && m_text[m_pos] != quote && m_text[m_pos] != u'\\')
        ++m_pos;
    const QStringView plain(m_text + start, m_pos - start);
    if (m_pos == m_length || m_text[m_pos] == quote) {
        // Without escapes the value is a stretch of the text: nothing to copy.
        m_pos = std::min(m_pos + 1, m_length);
        return JsonValue::fromSlice(plain);
    }
    // Escaped text is decoded into a buffer kept for the whole parse, then
    // stored with the tree's texts.
    DecodedText decoded(m_decoded);
    for (QChar c : plain)
        decoded.put(c);
    while (m_pos < m_length) {
        const QChar c = m_text[m_pos++];
        if (c == quote)
            break;
        if (c != u'\\')
            decoded.put(c);
        else if (m_pos < m_length)
            m_pos = decodeEscape(m_text, m_pos, m_length, decoded);
    }
    return JsonValue::fromSlice(m_texts->store(decoded.text()));
}

JsonValue JsonReader::readNumber()
{
    skipFiller();
    const qsizetype start = m_pos;
    while (m_pos < m_length && isNumberCharacter(m_text[m_pos].unicode()))
        ++m_pos;
    if (m_pos == m_length)
        return {};
    const NumberReading reading = ReadNumberText(QStringView(m_text + start, m_pos - start));
    switch (reading.status) {
    case NumberReading::Status::Integer:
        return JsonValue::fromInteger(reading.integer);
    case NumberReading::Status::Double:
        return JsonValue::fromDouble(reading.real);
    case NumberReading::Status::OutOfRange:
        raise(Failure::Overflow);
        return {};
    case NumberReading::Status::Malformed:
        break;
    }
    raise(Failure::Conversion);
    return {};
}

bool JsonReader::readBoolean()
{
    skipFiller();
    if (startsWith(u"true")) {
        m_pos += 4;
        return true;
    }
    if (startsWith(u"false")) {
        m_pos += 5;
        return false;
    }
    logAtPosition(u"Invalid Boolean", rest());
    return false;
}

JsonValue JsonReader::readNull()
{
    skipFiller();
    if (startsWith(u"null")) {
        m_pos += 4;
        return JsonValue::null();
    }
    logAtPosition(u"Invalid null value", rest());
    return {};
}

bool JsonReader::startsWith(QStringView literal) const
{
    return rest().startsWith(literal);
}

QStringView JsonReader::rest() const
{
    return QStringView(m_text + m_pos, m_length - m_pos);
}

QStringView JsonReader::upTo20() const
{
    return rest().first(std::min(ContextLength, m_length - m_pos));
}

JsonReader::Key JsonReader::keyFromBuffer()
{
    return m_texts->store(QStringView(m_keyBuffer.constData(), m_keyBuffer.size()));
}

void JsonReader::logAtPosition(QStringView problem, QStringView context)
{
    if (!m_log.isOpen())
        return;
    m_log.addLine({problem, u" at position ", QString::number(m_pos + 1), u" : ", context});
}

void JsonReader::logFailure(QStringView context)
{
    if (!m_log.isOpen())
        return;
    QStringView description;
    switch (m_failure) {
    case Failure::Conversion:
        description = u"Number conversion failed";
        break;
    case Failure::Overflow:
        description = u"Number out of range";
        break;
    case Failure::DuplicateKey:
        description = u"Duplicate key";
        break;
    case Failure::OutOfMemory:
        description = u"Out of memory";
        break;
    case Failure::TooDeep:
        description = u"Nesting too deep";
        break;
    case Failure::None:
        return;
    }
    m_log.addLine({description, u": ", context});
}
