#pragma once

#include <termios.h>

class CancelToken;

// Ctrl+C in a command. While work that can stop cleanly is under way (a watched token), the
// first SIGINT cancels it instead of ending the program in the middle of it, and a second one
// ends the program at once. At any other time (the password prompt, the sign-in) nothing has
// been written yet: the program ends at once, the terminal's echo given back first.

/** From now on SIGINT is caught as said above. */
void CatchInterrupt();

/** The token a caught SIGINT cancels (not owned; nullptr for none); cancelled at once when a
 *  SIGINT came before. */
void CancelOnInterrupt(CancelToken* token);

/** The terminal settings to put back before an interrupt ends the program (not owned; nullptr
 *  for none). */
void RestoreTerminalOnInterrupt(const termios* settings);

/** True once a SIGINT was caught. */
bool WasInterrupted();

/** The exit status of a command that a SIGINT stopped, as shells report one. */
inline constexpr int InterruptedExitCode = 130;
