#pragma once

#include "platform/Desktop.h"

#include <QList>

/** A Desktop that records what the program asked of it and shows nothing.
 *  Installs itself as the current desktop for its lifetime. */
class RecordingDesktop final : public Desktop
{
public:
    struct Message
    {
        QString text;
        QString title;
        Icon icon;
    };

    RecordingDesktop();
    ~RecordingDesktop() override;

    void showMessage(const QString& text, const QString& title, Icon icon) override;
    void setClipboardText(const QString& text) override;
    void shellOpen(const QString& target) override;

    QList<Message> messages;
    QList<QString> clipboardTexts;
    QList<QString> openedTargets;
};
