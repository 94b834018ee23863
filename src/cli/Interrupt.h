#pragma once

#include <QString>
#include <termios.h>

class CancelToken;

// Ctrl+C in a command. While work that can stop cleanly is under way (a watched token), the
// first SIGINT cancels it instead of ending the program in the middle of it, and a second one
// ends the program at once. At any other time (the password prompt, the sign-in) nothing has
// been written yet: the program ends at once, the terminal's echo given back first, the folders
// the run created and left empty removed, saying InterruptedMessage().

/** From now on SIGINT is caught as said above. Call it once the run's language is in use. */
void CatchInterrupt();

/** What a command stopped by SIGINT says: that it was interrupted and wrote nothing. */
QString InterruptedMessage();

/** The folders, deepest first, that an interrupt ending the program removes while they are
 *  empty (a null-terminated list, not owned; nullptr for none); it stops at the first that
 *  stays. */
void RemoveOnInterrupt(const char* const* folders);

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
