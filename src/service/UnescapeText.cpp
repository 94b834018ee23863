#include "httpxml.h"
#include "text/HexDigits.h"

#include <algorithm>

namespace {

/** The value of `count` hexadecimal digits at `digits`, or -1 when one is not a digit. */
int hexRun(const QChar* digits, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const int digit = HexDigitValue(digits[i].unicode());
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

/** Where a scan over JSON text stands: inside a string or not, and whether the last
 *  character there was an escaping backslash. Only characters that stand in the text as
 *  they are shape it; decoded ones are always content. */
class JsonStringTracker
{
public:
    /** A decoded unit that would end or break the string it lands in. */
    bool breaksString(QChar unit) const
    {
        return m_inString && !m_escaping &&
               (unit == u'"' || unit == u'\\' || unit.unicode() < 0x20);
    }

    /** A decoded unit completes the escape a backslash began, or is plain content. */
    void passDecoded() { m_escaping = false; }

    void passLiteral(QChar c)
    {
        if (!m_inString)
            m_inString = c == u'"';
        else if (m_escaping)
            m_escaping = false;
        else if (c == u'\\')
            m_escaping = true;
        else if (c == u'"')
            m_inString = false;
    }

private:
    bool m_inString = false;
    bool m_escaping = false;
};

/** The decoded text, written in place. It starts as long as the input, which every escape
 *  but one shrinks; only a "%XX" control character inside a string grows (to "\u00XX"). */
class DecodedText
{
public:
    explicit DecodedText(qsizetype capacity) : m_text(capacity, Qt::Uninitialized)
    {
        m_write = m_text.data();
        m_end = m_write + capacity;
    }

    void put(QChar unit)
    {
        if (m_write == m_end)
            grow(1);
        *m_write++ = unit;
    }

    /** `unit` as the JSON escape that stands for it: \" \\ or \u00XX. */
    void putJsonEscape(QChar unit)
    {
        static constexpr char digits[] = "0123456789abcdef";
        if (m_end - m_write < 6)
            grow(6);
        *m_write++ = u'\\';
        if (unit == u'"' || unit == u'\\') {
            *m_write++ = unit;
            return;
        }
        for (const char c :
             {'u', '0', '0', digits[unit.unicode() >> 4], digits[unit.unicode() & 0xf]})
            *m_write++ = QLatin1Char(c);
    }

    QString finish() &&
    {
        m_text.truncate(m_write - m_text.constData());
        return std::move(m_text);
    }

private:
    void grow(qsizetype needed)
    {
        const qsizetype used = m_write - m_text.constData();
        m_text.resize(std::max(2 * m_text.size(), used + needed));
        m_write = m_text.data() + used;
        m_end = m_text.data() + m_text.size();
    }

    QString m_text;
    QChar* m_write = nullptr;
    QChar* m_end = nullptr;
};

} // namespace

QString UnescapeText(const QString& text)
{
    const qsizetype n = text.size();
    const QChar* in = text.constData();
    DecodedText out(n);
    JsonStringTracker strings;
    qsizetype i = 0;
    while (i < n) {
        int decoded = -1;
        qsizetype length = 0;
        if (in[i] == u'\\' && i + 6 <= n && in[i + 1] == u'u') {
            decoded = hexRun(in + i + 2, 4);
            length = 6;
        } else if (in[i] == u'%' && i + 3 <= n) {
            decoded = hexRun(in + i + 1, 2);
            length = 3;
        }
        if (decoded < 0) {
            out.put(in[i]);
            strings.passLiteral(in[i]);
            ++i;
            continue;
        }
        const QChar unit(static_cast<char16_t>(decoded));
        if (strings.breaksString(unit))
            out.putJsonEscape(unit);
        else
            out.put(unit);
        strings.passDecoded();
        i += length;
    }
    return std::move(out).finish();
}
