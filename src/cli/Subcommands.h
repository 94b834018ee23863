#pragma once

#include "CommandLine.h"

/** Exit codes of the commands besides 0. */
inline constexpr int FailedExitCode = 1;
inline constexpr int UsageExitCode = 2;

/** Says `problem` on standard error in the command line's voice (Voice.h); returns `exitCode`. */
int ReportProblem(const QString& problem, int exitCode = FailedExitCode);

/** Runs `login` or `logout` (AccountCommands.h), or `ls` or `export` as `options` say, on the
 *  calling thread of a QCoreApplication: gets a session (StartSession), finds the folder, walks
 *  it (and fetches SHA1s) with progress on standard error, then prints the listing or writes
 *  the export files. Every message goes to standard error in the command line's voice (a message
 *  the window shows in a box without its title). Returns the exit code: 0 done, 1 failed (sign-in
 * refused, a session the service ended that could not be renewed, a fetch failed after its retries,
 * a missing folder, a write failed, an account that cannot name files), 2 no password, 3 done with
 * --keep-going but something left out (each named on standard error), 130 stopped by Ctrl+C, which
 * writes nothing and says so. An export ends with one line naming the rows written and the files'
 * folder, unless quiet. */
int RunSubcommand(const SubcommandOptions& options);
