#pragma once

#include "platform/Desktop.h"

#include <QString>

// The command line's one voice on standard error: every line it says starts with the program's
// name, and a line's first word loses its capital unless the word is an acronym (SHA1, HTTP,
// ZORBEL_SERVICE), so messages made for a window box read as the command line's own.

/** `message` as the command line says it, each of its lines in the voice; empty lines and a
 *  trailing line end are left out. */
QString InVoice(const QString& message);
/** Says `message` in the voice on standard error, ending the line. */
void Say(const QString& message);
/** Asks on standard error, in the voice, leaving the cursor after `prompt`. */
void Ask(const QString& prompt);

/** While it lives, the current desktop: the messages the window would show in a box are said
 *  in the voice, without the box's title; the clipboard and shell-open go to the desktop it
 *  replaced, which it makes current again when it ends. */
class VoiceDesktop final : public Desktop
{
public:
    VoiceDesktop();
    ~VoiceDesktop() override;
    VoiceDesktop(const VoiceDesktop&) = delete;
    VoiceDesktop& operator=(const VoiceDesktop&) = delete;

    void showMessage(const QString& text, const QString& title, Icon icon) override;
    void showActionMessage(const QString& text, const QString& title, const QString& actionCaption,
                           const std::function<void()>& action) override;
    void setClipboardText(const QString& text) override;
    void shellOpen(const QString& target) override;

private:
    Desktop& m_replaced;
};
