#include "Interrupt.h"

#include "Voice.h"
#include "platform/CancelToken.h"

#include <QByteArray>
#include <QCoreApplication>
#include <atomic>
#include <csignal>
#include <signal.h>
#include <unistd.h>

namespace {

// Lock-free atomics: the only state a signal handler may touch.
std::atomic<bool> g_interrupted{false};
std::atomic<CancelToken*> g_token{nullptr};
std::atomic<const termios*> g_terminal{nullptr};
std::atomic<const char* const*> g_folders{nullptr};
static_assert(std::atomic<bool>::is_always_lock_free &&
              std::atomic<CancelToken*>::is_always_lock_free &&
              std::atomic<const termios*>::is_always_lock_free &&
              std::atomic<const char* const*>::is_always_lock_free);
// The line the handler writes, translated before it is installed: it may not make one.
QByteArray g_interruptedLine;

void writeError(const char* text, std::size_t size)
{
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, text, size);
}

// Only async-signal-safe calls here: tcsetattr, rmdir, write and _exit are.
void onInterrupt(int)
{
    g_interrupted.store(true);
    if (CancelToken* token = g_token.load()) {
        token->cancel();
        return;
    }
    if (const termios* settings = g_terminal.load()) {
        tcsetattr(STDIN_FILENO, TCSANOW, settings);
        writeError("\n", 1);
    }
    // rmdir removes a folder only while it is empty.
    for (const char* const* folder = g_folders.load(); folder && *folder && rmdir(*folder) == 0;
         ++folder) {
    }
    writeError(g_interruptedLine.constData(), std::size_t(g_interruptedLine.size()));
    _exit(InterruptedExitCode);
}

} // namespace

void CatchInterrupt()
{
    g_interruptedLine = (InVoice(InterruptedMessage()) + u'\n').toLocal8Bit();
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    // SA_RESETHAND: after a cancel, the second Ctrl+C ends the program.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
}

void CancelOnInterrupt(CancelToken* token)
{
    g_token.store(token);
    if (token && g_interrupted.load())
        token->cancel();
}

QString InterruptedMessage()
{
    return QCoreApplication::translate("Interrupt", "interrupted; nothing was written");
}

void RemoveOnInterrupt(const char* const* folders)
{
    g_folders.store(folders);
}

void RestoreTerminalOnInterrupt(const termios* settings)
{
    g_terminal.store(settings);
}

bool WasInterrupted()
{
    return g_interrupted.load();
}
