#include "JsonReader.h"

#include "NumberText.h"
#include "cStringBuilder.h"

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

bool isNumberCharacter(char16_t c)
{
    switch (c) {
    case u'+':
    case u'-':
    case u'.':
    case u'e':
    case u'E':
    case u'0':
    case u'1':
    case u'2':
    case u'3':
    case u'4':
    case u'5':
    case u'6':
    case u'7':
    case u'8':
    case u'9':
        return true;
    default:
        return false;
    }
}

bool isBlank(char16_t c)
{
    return c == u'\r' || c == u'\n' || c == u'\t' || c == u' ';
}

bool isOrdinaryKeyCharacter(char16_t c)
{
    return !isBlank(c) && c != u'"' && c != u'\'' && c != u':';
}

int hexDigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}
} // namespace

JsonReader::JsonReader(QStringView text, BoundedLog& log)
    : m_text(text.data()), m_length(text.size()), m_log(log)
{
}

std::optional<JsonValue> JsonReader::readRoot()
{
    skipFiller();
    if (current() == u'{')
        return readObject();
    if (current() == u'[')
        return readArray();
    return std::nullopt;
}

void JsonReader::skipFiller()
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
        return JsonValue::fromString(readString());
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

JsonValue JsonReader::readObject()
{
    JsonObject object;
    if (!enterContainer(u'{', u"Invalid Object", &JsonReader::rest))
        return JsonValue::fromObject(std::move(object));
    const DepthGuard depth(m_depth);
    while (!atContainerEnd(u'}')) {
        QString key;
        readMember([&] {
            key = readKey();
            JsonValue value = readValue();
            if (!m_raised && !object.insert(key, std::move(value)))
                raise(Failure::DuplicateKey);
        });
        if (m_failure != Failure::None) {
            logFailure(key);
            break;
        }
    }
    return JsonValue::fromObject(std::move(object));
}

JsonValue JsonReader::readArray()
{
    JsonArray array;
    if (!enterContainer(u'[', u"Invalid Array", &JsonReader::upTo20))
        return JsonValue::fromArray(std::move(array));
    const DepthGuard depth(m_depth);
    while (!atContainerEnd(u']')) {
        const qsizetype memberStart = m_pos;
        readMember([&] {
            JsonValue value = readValue();
            if (!m_raised)
                array.append(std::move(value));
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
    return JsonValue::fromArray(std::move(array));
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

QString JsonReader::readKey()
{
    skipFiller();
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
                    const QString key = keyFromBuffer();
                    logAtPosition(u"Invalid Key", key);
                    return key;
                }
            }
        } else if (c == u':') {
            if (!inDouble && !inSingle)
                return keyFromBuffer();
            m_keyBuffer.append(QChar(c));
        }
        // Blanks are dropped, inside quotes as well.
    }
    return keyFromBuffer();
}

QString JsonReader::readString()
{
    skipFiller();
    const QChar quote = m_text[m_pos];
    ++m_pos;
    cStringBuilder builder;
    while (m_pos < m_length) {
        const qsizetype runStart = m_pos;
        while (m_pos < m_length && m_text[m_pos] != quote && m_text[m_pos] != u'\\')
            ++m_pos;
        builder.Append(QStringView(m_text + runStart, m_pos - runStart));
        if (m_pos == m_length)
            break;
        ++m_pos;
        if (m_text[m_pos - 1] == quote)
            break;
        appendEscape(builder);
    }
    return builder.toString();
}

void JsonReader::appendEscape(cStringBuilder& builder)
{
    char16_t resolved = 0;
    switch (current()) {
    case u'"':
    case u'\\':
    case u'/':
    case u'\'':
        resolved = m_text[m_pos].unicode();
        break;
    case u'b':
        resolved = u'\b';
        break;
    case u'f':
        resolved = u'\f';
        break;
    case u'n':
        resolved = u'\n';
        break;
    case u'r':
        resolved = u'\r';
        break;
    case u't':
        resolved = u'\t';
        break;
    case u'u': {
        ++m_pos;
        const qsizetype end = std::min(m_pos + 4, m_length);
        int digit = 0;
        for (qsizetype i = m_pos; i < end && (digit = hexDigitValue(m_text[i].unicode())) >= 0; ++i)
            resolved = char16_t(resolved * 16 + digit);
        builder.Append(QStringView(&resolved, 1));
        // Four code units are passed whatever they held (no further than the end).
        m_pos = end;
        return;
    }
    default:
        // Not an escape: the backslash is dropped and this character is read as text.
        return;
    }
    builder.Append(QStringView(&resolved, 1));
    ++m_pos;
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

int JsonReader::current() const
{
    return m_pos < m_length ? m_text[m_pos].unicode() : -1;
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

QString JsonReader::keyFromBuffer()
{
    const QStringView key(m_keyBuffer.constData(), m_keyBuffer.size());
    if (key.isEmpty())
        return QString();
    QString& recent = m_recentKeys[qHash(key) % m_recentKeys.size()];
    if (recent != key)
        recent = key.toString();
    return recent;
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
