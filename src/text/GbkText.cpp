#include "GbkText.h"

#include <QStringEncoder>
#include <optional>

namespace {

constexpr char16_t ReplacementCharacter = u'\uFFFD';

bool hasSurrogate(QStringView text)
{
    for (const QChar c : text) {
        if (c.isSurrogate())
            return true;
    }
    return false;
}

// Length of the code point at `i`: 2 for a valid surrogate pair, else 1.
qsizetype codePointLength(QStringView text, qsizetype i)
{
    const bool pair =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    return pair ? 2 : 1;
}

// Encodes one code point at a time. The GBK encoder's error flag stays set once raised, so a
// fresh one replaces it after each character it could not hold. It is built in place: a moved
// encoder would report its errors to the state it was moved from.
class MixedEncoder
{
public:
    void append(QStringView codePoint, QByteArray& out)
    {
        if (codePoint.size() == 1 && codePoint[0].isSurrogate()) {
            out += m_gb18030.encode(QStringView(&ReplacementCharacter, 1));
            return;
        }
        if (codePoint.size() == 1) {
            const QByteArray gbk = m_gbk->encode(codePoint);
            if (!m_gbk->hasError()) {
                out += gbk;
                return;
            }
            m_gbk.emplace("GBK");
        }
        out += m_gb18030.encode(codePoint);
    }

private:
    std::optional<QStringEncoder> m_gbk{std::in_place, "GBK"};
    QStringEncoder m_gb18030{"GB18030"};
};

} // namespace

QByteArray EncodeGbkText(QStringView text)
{
    // GBK holds no character outside the Basic Multilingual Plane, so text without surrogates
    // that encodes without error is all GBK.
    if (!hasSurrogate(text)) {
        QStringEncoder gbk("GBK");
        QByteArray bytes = gbk.encode(text);
        if (!gbk.hasError())
            return bytes;
    }
    QByteArray bytes;
    MixedEncoder encoder;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = codePointLength(text, i);
        encoder.append(text.mid(i, length), bytes);
        i += length;
    }
    return bytes;
}
