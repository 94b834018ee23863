#include "Voice.h"

#include <QStringList>
#include <QTextStream>

namespace {

const QString Speaker = QStringLiteral("zorbel-extract: ");

// A word of more than one letter written all in capitals is an acronym and keeps its case.
QString lowerFirstLetter(const QString& line)
{
    if (line.isEmpty() || !line.front().isUpper())
        return line;
    qsizetype end = 0;
    while (end < line.size() && line[end].unicode() < 0x80 &&
           (line[end].isLetterOrNumber() || line[end] == u'_'))
        ++end;
    const QString word = line.left(end);
    if (word.size() > 1 && word == word.toUpper())
        return line;
    return line.front().toLower() + line.mid(1);
}

} // namespace

QString InVoice(const QString& message)
{
    QStringList said;
    for (const QString& line : message.split(u'\n', Qt::SkipEmptyParts))
        said.append(Speaker + lowerFirstLetter(line));
    return said.join(u'\n');
}

void Say(const QString& message)
{
    QTextStream(stderr) << InVoice(message) << Qt::endl;
}

void Ask(const QString& prompt)
{
    QTextStream(stderr) << InVoice(prompt) << Qt::flush;
}

VoiceDesktop::VoiceDesktop() : m_replaced(CurrentDesktop())
{
    SetDesktop(this);
}

VoiceDesktop::~VoiceDesktop()
{
    SetDesktop(&m_replaced);
}

void VoiceDesktop::showMessage(const QString& text, const QString&, Icon)
{
    Say(text);
}

// Nobody can press the button: the message alone.
void VoiceDesktop::showActionMessage(const QString& text, const QString&, const QString&,
                                     const std::function<void()>&)
{
    Say(text);
}

void VoiceDesktop::setClipboardText(const QString& text)
{
    m_replaced.setClipboardText(text);
}

void VoiceDesktop::shellOpen(const QString& target)
{
    m_replaced.shellOpen(target);
}
