#pragma once

#include "Desktop.h"

#include <QList>
#include <QString>

/** A Desktop for unattended runs (tests, the tour): it shows nothing and waits
 *  for nobody, but keeps every message, clipboard text and opened target in
 *  order, and with `echo` also prints each to standard output. Makes itself
 *  current for its lifetime and then restores the desktop it replaced. */
class RecordingDesktop final : public Desktop
{
public:
    enum class Echo
    {
        Off,
        ToStandardOutput
    };

    struct Message
    {
        QString text;
        QString title;
        Icon icon;
        QString actionCaption{};           // empty for a message with OK alone
        std::function<void()> action = {}; // what its button does; a test may run it
    };

    explicit RecordingDesktop(Echo echo = Echo::Off);
    ~RecordingDesktop() override;
    RecordingDesktop(const RecordingDesktop&) = delete;
    RecordingDesktop& operator=(const RecordingDesktop&) = delete;

    void showMessage(const QString& text, const QString& title, Icon icon) override;
    void showActionMessage(const QString& text, const QString& title, const QString& actionCaption,
                           const std::function<void()>& action) override;
    void setClipboardText(const QString& text) override;
    void shellOpen(const QString& target) override;

    QList<Message> messages;
    QList<QString> clipboardTexts;
    QList<QString> openedTargets;

private:
    void print(const QString& line) const;

    Echo m_echo;
    Desktop* m_replaced;
};
