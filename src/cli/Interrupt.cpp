#include "Interrupt.h"

#include "platform/CancelToken.h"

#include <atomic>
#include <csignal>
#include <signal.h>

namespace {

// Lock-free atomics: the only state a signal handler may touch.
std::atomic<bool> g_interrupted{false};
std::atomic<CancelToken*> g_token{nullptr};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<CancelToken*>::is_always_lock_free);

void onInterrupt(int)
{
    g_interrupted.store(true);
    if (CancelToken* token = g_token.load())
        token->cancel();
}

} // namespace

void CatchInterrupt()
{
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a terminal read waiting for a password returns, so the echo comes back.
    // SA_RESETHAND: the second Ctrl+C ends the program.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
}

void CancelOnInterrupt(CancelToken* token)
{
    g_token.store(token);
    if (token && g_interrupted.load())
        token->cancel();
}

bool WasInterrupted()
{
    return g_interrupted.load();
}
