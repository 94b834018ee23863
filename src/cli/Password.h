#pragma once

#include <QString>
#include <optional>

/** The environment variable a command reads the password from. */
inline constexpr char PasswordVariable[] = "ZORBEL_PASSWORD";

/** The password for `account`, which never comes from the command line (the process list shows
 *  it): the variable ZORBEL_PASSWORD when it is set and not empty, else, when standard input is
 *  a terminal, typed there without echo after a prompt on standard error. Nothing when neither
 *  gives one; `problem` then tells the user why (a Ctrl+C at the prompt ends the program,
 * Interrupt.h). */
std::optional<QString> ReadPassword(const QString& account, QString& problem);
