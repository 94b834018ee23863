#pragma once

class CancelToken;

// Ctrl+C in a command: the first SIGINT cancels the work cleanly instead of ending the program
// in the middle of it; a second one ends the program at once, as SIGINT does by default.

/** From now on the first SIGINT is caught: it is remembered and cancels the watched token. */
void CatchInterrupt();

/** The token a caught SIGINT cancels (not owned; nullptr for none); cancelled at once when the
 *  SIGINT came before. */
void CancelOnInterrupt(CancelToken* token);

/** True once a SIGINT was caught. */
bool WasInterrupted();

/** The exit status of a command that a SIGINT stopped, as shells report one. */
inline constexpr int InterruptedExitCode = 130;
