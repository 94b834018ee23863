#pragma once

#include <QElapsedTimer>
#include <chrono>
#include <functional>
#include <memory>

/** What a wait shows once it has lasted WaitPromptDelay: a small window-modal dialog with a
 *  Cancel button, made by the window layer (SetWaitPromptMaker) and closed when destroyed. */
class WaitPrompt
{
public:
    virtual ~WaitPrompt();
    /** Whether the user asked to end the wait (Cancel or Esc). */
    virtual bool cancelRequested() const = 0;
};

using WaitPromptMaker = std::function<std::unique_ptr<WaitPrompt>()>;

/** How long a wait goes on before it shows its prompt. */
inline constexpr std::chrono::milliseconds WaitPromptDelay{1000};

/** Installs what waits on the GUI thread show after WaitPromptDelay; an empty maker shows
 *  nothing (the default). */
void SetWaitPromptMaker(WaitPromptMaker maker);

/** Keeps the program's windows alive while the calling thread drives network work itself:
 *  create one before the work, call pump() at least every few tens of milliseconds, let it go
 *  after. On the GUI thread of a QGuiApplication it shows a busy cursor and pump() handles the
 *  pending events, paint included, but holds user input back unless `deliverInput` (a caller
 *  that shows a modal dialog with a Cancel button asks for it); anywhere else it does nothing.
 *  A wait that holds input back shows the installed prompt once it has lasted WaitPromptDelay;
 *  from then on input reaches the prompt (the modal prompt keeps it from the windows below),
 *  and cancelled() tells whether the user ended the wait. */
class ResponsiveWait
{
public:
    explicit ResponsiveWait(bool deliverInput = false);
    ~ResponsiveWait();
    ResponsiveWait(const ResponsiveWait&) = delete;
    ResponsiveWait& operator=(const ResponsiveWait&) = delete;

    void pump();
    /** Whether the user ended the wait through its prompt. */
    bool cancelled() const;

private:
    bool m_onGuiThread;
    bool m_deliverInput;
    QElapsedTimer m_waited;
    std::unique_ptr<WaitPrompt> m_prompt;
};
