#pragma once

#include "CommandLine.h"

class KeptLogin;

/** `login`: reads the password as ls does, signs in, and keeps the session cookie in the
 *  keyring, with `savePassword` the password too (without it a kept password is removed).
 *  Returns the exit code: 0 done, 1 no keyring, refused or failed, 2 no password. */
int RunLogin(const SubcommandOptions& options);

/** `logout`: removes the session and the password the keyring keeps for the account at the
 *  service. Returns 0, also when none was kept, or 1 when the keyring cannot be used. */
int RunLogout(const SubcommandOptions& options);

/** Gives ls and export a session: the password of ZORBEL_PASSWORD signs in; else the session
 *  the keyring keeps is used without a request; else a kept password signs in; else the
 *  password typed on a terminal does. `kept` learns the account and a password to renew an
 *  ended session with. Returns 0 when a session is held, else the exit code (1 refused or
 *  failed, 2 no password) after saying why. */
int StartSession(const SubcommandOptions& options, KeptLogin& kept);

/** What ls and export say when the service ended the session and it could not be renewed. */
QString EndedSessionProblem(const QString& account);
