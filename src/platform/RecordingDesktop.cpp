#include "RecordingDesktop.h"

#include <QCoreApplication>
#include <QTextStream>

RecordingDesktop::RecordingDesktop(Echo echo) : m_echo(echo), m_replaced(&CurrentDesktop())
{
    SetDesktop(this);
}

RecordingDesktop::~RecordingDesktop()
{
    SetDesktop(m_replaced);
}

void RecordingDesktop::showMessage(const QString& text, const QString& title, Icon icon)
{
    messages.append({text, title, icon});
    print(
        QCoreApplication::translate("RecordingDesktop", "  message box [%1]: %2").arg(title, text));
}

void RecordingDesktop::showActionMessage(const QString& text, const QString& title,
                                         const QString& actionCaption,
                                         const std::function<void()>& action)
{
    messages.append({text, title, Icon::None, actionCaption, action});
    print(QCoreApplication::translate("RecordingDesktop", "  message box [%1] with [%2]: %3")
              .arg(title, actionCaption, text));
}

void RecordingDesktop::setClipboardText(const QString& text)
{
    clipboardTexts.append(text);
    print(QCoreApplication::translate("RecordingDesktop", "  clipboard: %1").arg(text));
}

void RecordingDesktop::shellOpen(const QString& target)
{
    openedTargets.append(target);
    print(QCoreApplication::translate("RecordingDesktop", "  open: %1").arg(target));
}

void RecordingDesktop::print(const QString& line) const
{
    if (m_echo == Echo::Off)
        return;
    QTextStream out(stdout);
    out << line << Qt::endl;
}
