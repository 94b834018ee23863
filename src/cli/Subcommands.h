#pragma once

#include "CommandLine.h"

/** Runs `ls` or `export` as `options` say, on the calling thread of a QCoreApplication: reads
 *  the password, signs in, finds the folder, walks it (and fetches SHA1s) with progress on
 *  standard error, then prints the listing or writes the export files. Every message goes to
 *  standard error (a message the window shows in a box with its title). Returns the exit code:
 *  0 done, 1 failed (sign-in refused, a fetch failed after its retries, a missing folder, a
 *  write failed, an account that cannot name files), 2 no password, 3 done with --keep-going but
 *  something left out (each named on standard error), 130 stopped by Ctrl+C, which writes
 *  nothing. An export ends with one line naming the rows written and the files' folder, unless
 *  quiet. */
int RunSubcommand(const SubcommandOptions& options);
