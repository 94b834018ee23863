#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <optional>

/** How a run of the real program ended. */
struct ProgramRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/** The program's environment for a test: no display of any kind, and ZORBEL_PASSWORD set to
 *  `password` (left out when there is none). */
QProcessEnvironment ProgramEnvironment(const std::optional<QString>& password);

/** Starts zorbel-extract with `arguments` and `environment`, in `workingFolder` (empty: the
 *  test's own); standard input is an empty pipe, never a terminal. */
void StartProgram(QProcess& process, const QStringList& arguments,
                  const QProcessEnvironment& environment, const QString& workingFolder = {});

/** Runs zorbel-extract to its end (at most a minute). */
ProgramRun RunProgram(const QStringList& arguments, const std::optional<QString>& password,
                      const QString& workingFolder = {});

/** The end of a process started with StartProgram. */
ProgramRun EndOf(QProcess& process);
