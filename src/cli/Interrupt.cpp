#include "Interrupt.h"

#include "platform/CancelToken.h"

#include <atomic>
#include <csignal>
#include <signal.h>
#include <unistd.h>

namespace {

// Lock-free atomics: the only state a signal handler may touch.
std::atomic<bool> g_interrupted{false};
std::atomic<CancelToken*> g_token{nullptr};
std::atomic<const termios*> g_terminal{nullptr};
static_assert(std::atomic<bool>::is_always_lock_free &&
              std::atomic<CancelToken*>::is_always_lock_free &&
              std::atomic<const termios*>::is_always_lock_free);

// Only async-signal-safe calls here: tcsetattr, write and _exit are.
void onInterrupt(int)
{
    g_interrupted.store(true);
    if (CancelToken* token = g_token.load()) {
        token->cancel();
        return;
    }
    if (const termios* settings = g_terminal.load()) {
        tcsetattr(STDIN_FILENO, TCSANOW, settings);
        [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, "\n", 1);
    }
    _exit(InterruptedExitCode);
}

} // namespace

void CatchInterrupt()
{
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

void RestoreTerminalOnInterrupt(const termios* settings)
{
    g_terminal.store(settings);
}

bool WasInterrupted()
{
    return g_interrupted.load();
}
