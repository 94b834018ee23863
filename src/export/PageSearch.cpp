#include "PageSearch.h"

#include "text/TextCut.h"

#include <QRegularExpression>

namespace {

// A match may not take more steps than this. One step is one character passed by a lazy
// repetition, so the limit lets a search run across a whole searched text twice over, and
// only a hostile page ever reaches it.
const QString MatchLimit = QStringLiteral("(*LIMIT_MATCH=%1)").arg(2 * MaxSearchedLength);

// Spelled out and matched case-sensitively: with case folding, letters such as U+212A
// KELVIN SIGN and U+017F LONG S would count as K and S.
const QString Sha1Pattern = QStringLiteral("[0-9A-Za-z]{40}");
// A download button, split where its address ends. The address cannot hold a double quote
// (it closes the attribute), so an ordinary link before the buttons never runs on into a
// button's address.
const QString ButtonStart = QStringLiteral(R"re(<a\shref="(http://[^"]*?))re");
const QString ButtonTail =
    QStringLiteral(R"re("\sclass="btn"\starget="_blank">([\w\W]{2})下载</a>)re");

const QString PreferredLine = QStringLiteral("电信");

QRegularExpression
compiled(const QString& pattern,
         QRegularExpression::PatternOptions options = QRegularExpression::CaseInsensitiveOption)
{
    QRegularExpression expression(MatchLimit + pattern,
                                  options | QRegularExpression::MultilineOption);
    expression.optimize();
    return expression;
}

const QRegularExpression& sha1Expression()
{
    static const QRegularExpression expression =
        compiled(Sha1Pattern, QRegularExpression::NoPatternOption);
    return expression;
}

const QRegularExpression& buttonExpression()
{
    static const QRegularExpression expression = compiled(ButtonStart + ButtonTail);
    return expression;
}

const QRegularExpression& buttonTailExpression()
{
    static const QRegularExpression expression = compiled(ButtonTail);
    return expression;
}

QStringView searchedPart(const QString& page)
{
    return LeftWholeCharacters(page, MaxSearchedLength);
}

// Every button match ends with a button tail, so cutting the text after the last tail keeps
// every match while leaving no button start behind it. Without that, each unclosed
// `<a href="http://` after the last tail would be scanned to the end of the page in vain,
// which takes time quadratic in the page's length.
QStringView upToLastButtonTail(QStringView text)
{
    qsizetype end = 0;
    for (qsizetype from = 0;;) {
        const QRegularExpressionMatch tail = buttonTailExpression().match(text, from);
        if (!tail.hasMatch())
            break;
        end = tail.capturedEnd();
        from = end;
    }
    return text.left(end);
}

} // namespace

QString FindSha1(const QString& page)
{
    const QRegularExpressionMatch match = sha1Expression().match(searchedPart(page));
    return match.hasMatch() ? match.captured() : QString();
}

QString PickDownloadLink(const QString& page)
{
    const QStringView text = upToLastButtonTail(searchedPart(page));
    const QRegularExpressionMatch first = buttonExpression().match(text);
    if (!first.hasMatch())
        return QString();
    if (first.captured(2) == PreferredLine)
        return first.captured(1);
    const QRegularExpressionMatch second = buttonExpression().match(text, first.capturedEnd());
    return second.hasMatch() ? second.captured(1) : first.captured(1);
}
