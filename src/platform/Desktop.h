#pragma once

#include <QString>
#include <functional>

/** The desktop facilities the program uses: message boxes, the clipboard and
 *  opening a target with its default handler. One instance is current for the
 *  whole process: the window installs the one on Qt Widgets, the commands one
 *  that says messages on standard error, tests and the tour a recording one. */
class Desktop
{
public:
    enum class Icon
    {
        None,
        Information
    };

    virtual ~Desktop();

    /** Shows a modal message with an OK button; returns when the user closed it. */
    virtual void showMessage(const QString& text, const QString& title, Icon icon) = 0;
    /** Shows a modal message with an OK button and a button `actionCaption`, which runs
     *  `action` and closes the message; returns when the message is closed. */
    virtual void showActionMessage(const QString& text, const QString& title,
                                   const QString& actionCaption,
                                   const std::function<void()>& action) = 0;
    /** Replaces the clipboard's content with plain text. */
    virtual void setClipboardText(const QString& text) = 0;
    /** Opens a web address or a file path with its default handler; the outcome is not reported. */
    virtual void shellOpen(const QString& target) = 0;
};

/** Makes `desktop` current (not owned); nullptr restores the fallback desktop. */
void SetDesktop(Desktop* desktop);
/** The current desktop: the one set last, else a fallback that writes every
 *  message, clipboard text and target to standard error, so that a program
 *  without windows loses none of them. */
Desktop& CurrentDesktop();
