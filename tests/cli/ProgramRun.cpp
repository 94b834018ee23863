#include "ProgramRun.h"

QProcessEnvironment ProgramEnvironment(const std::optional<QString>& password)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "ZORBEL_PASSWORD"})
        environment.remove(QString::fromLatin1(name));
    if (password)
        environment.insert(QStringLiteral("ZORBEL_PASSWORD"), *password);
    return environment;
}

void StartProgram(QProcess& process, const QStringList& arguments,
                  const QProcessEnvironment& environment, const QString& workingFolder)
{
    process.setProcessEnvironment(environment);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(ZORBEL_EXTRACT_PROGRAM), arguments);
    process.waitForStarted();
    process.closeWriteChannel();
}

ProgramRun EndOf(QProcess& process)
{
    ProgramRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

ProgramRun RunProgram(const QStringList& arguments, const std::optional<QString>& password,
                      const QString& workingFolder)
{
    QProcess process;
    StartProgram(process, arguments, ProgramEnvironment(password), workingFolder);
    return EndOf(process);
}
