#include "RecordingDesktop.h"

RecordingDesktop::RecordingDesktop()
{
    SetDesktop(this);
}

RecordingDesktop::~RecordingDesktop()
{
    SetDesktop(nullptr);
}

void RecordingDesktop::showMessage(const QString& text, const QString& title, Icon icon)
{
    messages.append({text, title, icon});
}

void RecordingDesktop::setClipboardText(const QString& text)
{
    clipboardTexts.append(text);
}

void RecordingDesktop::shellOpen(const QString& target)
{
    openedTargets.append(target);
}
