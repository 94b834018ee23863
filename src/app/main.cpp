#include "AppIcon.h"
#include "QtDesktop.h"
#include "WindowMemory.h"
#include "cli/CommandLine.h"
#include "cli/Subcommands.h"
#include "cli/Voice.h"
#include "frmTest.h"
#include "language/Language.h"
#include "platform/HttpTransport.h"
#include "service/endpoints.h"
#include "tour/Tour.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdlib>

namespace {

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Qt ends the program with abort() when its platform cannot start (a display that is named but
// cannot be reached); say what to do instead and end with status 1. The message is translated
// beforehand, while the command line's application and its translators live: %1 is Qt's.
QtMessageHandler g_qtMessageHandler = nullptr;
QString g_unusablePlatformMessage;

void reportUnusablePlatform(QtMsgType type, const QMessageLogContext& context,
                            const QString& message)
{
    if (type != QtFatalMsg) {
        g_qtMessageHandler(type, context, message);
        return;
    }
    Say(g_unusablePlatformMessage.arg(message.section(QLatin1Char('\n'), 0, 0)));
    std::_Exit(1);
}

// Whether the window has a platform to open on, saying what to do instead when it has none; a
// tour without a display runs offscreen.
bool choosePlatform(const WindowOptions& options)
{
    const QString advice = QCoreApplication::translate(
        "main", "use --tour=<dir> to walk the window offscreen, or the commands ls and export, "
                "which need no display (zorbel-extract --help)");
    g_unusablePlatformMessage =
        QCoreApplication::translate("main", "cannot open the window (%1); %2")
            .arg(QStringLiteral("%1"), advice);
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || hasDisplay())
        return true;
    if (options.tourFolder.isEmpty()) {
        Say(QCoreApplication::translate("main", "no display to open the window on; %1")
                .arg(advice));
        return false;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

int openWindow(int argc, char** argv, const WindowOptions& options, Language language)
{
    g_qtMessageHandler = qInstallMessageHandler(reportUnusablePlatform);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_qtMessageHandler);
    UseLanguage(language);
    QApplication::setApplicationName(QStringLiteral("zorbel-extract"));
    QApplication::setWindowIcon(MakeAppIcon());
    if (!options.serviceBase.isEmpty())
        SetServiceBase(options.serviceBase);
    SetTrustedCertificateFile(options.caFile);

    QtDesktop desktop;
    SetDesktop(&desktop);
    frmTest window;
    // The tour walks the window as it starts, and leaves no memory behind.
    if (!options.tourFolder.isEmpty()) {
        window.show();
        Tour tour(window, options.tourFolder);
        return tour.run() ? 0 : 1;
    }
    WindowMemory memory(window);
    memory.restore();
    window.show();
    const int exitCode = QApplication::exec();
    memory.save();
    return exitCode;
}

} // namespace

// The command line is read on Qt Core, which needs no display and translates its messages; the
// window gets an application of its own after that one has ended. Without a language named, the
// window speaks Chinese and the command line English.
int main(int argc, char** argv)
{
    InitializeHttpTransport();
    const QStringList arguments = argumentsOf(argc, argv);
    WindowOptions windowOptions;
    {
        const QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("zorbel-extract"));
        UseLanguage(RunLanguage(arguments, Language::English));
        const CommandLine commandLine(arguments);
        if (commandLine.action() == CommandLine::Action::RunSubcommand)
            return RunSubcommand(commandLine.subcommandOptions());
        if (commandLine.action() != CommandLine::Action::OpenWindow)
            return commandLine.print();
        windowOptions = commandLine.windowOptions();
        if (!choosePlatform(windowOptions))
            return 1;
    }
    return openWindow(argc, argv, windowOptions, RunLanguage(arguments, Language::Chinese));
}
