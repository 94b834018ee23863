#pragma once

#include "browser/ListingQuery.h"
#include "export/ExportFilter.h"
#include "platform/HttpTransport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <memory>

/** What the window is opened with. */
struct WindowOptions
{
    QString serviceBase; // empty: the built-in hosts
    QString caFile;      // PEM certificates trusted for https besides the system's; empty: none
    QString tourFolder;  // empty: no tour, wait for the user
};

enum class Subcommand
{
    List,   // ls
    Export, // export
    Login,  // login: sign in once and keep the session in the keyring
    Logout, // logout: remove what the keyring keeps for the account
};

enum class OutputFormat
{
    Tsv,
    Json,
};

/** What a subcommand is run with, every value checked. */
struct SubcommandOptions
{
    Subcommand command = Subcommand::List;
    QString account;
    QString serviceBase;                  // empty: the built-in hosts
    QString caFile;                       // PEM certificates trusted for https besides the system's
    QString folder = QStringLiteral("/"); // a path of folder names or "cid:" and a folder id
    bool recursive = false;
    bool sha1 = false; // ls only
    OutputFormat format = OutputFormat::Tsv;
    QString outFolder;                    // export only; empty: the working folder
    int parallel = MaxRequestsInFlight;   // requests in flight at once, at most
    double rate = 0;                      // requests started per second, at most; 0: no limit
    QString sortOrder = NewestFirstOrder; // the listing's sort order value
    bool quiet = false;
    ExportFilter filter;       // which files are listed or exported, which folders walked
    bool keepGoing = false;    // leave out what fails for good, tell it, exit with 3
    bool refresh = false;      // fetch every download page again, whatever the store holds
    bool savePassword = false; // login only: keep the password in the keyring too
};

/** The environment variables that give defaults for --account and --service. */
inline constexpr char AccountVariable[] = "ZORBEL_ACCOUNT";
inline constexpr char ServiceVariable[] = "ZORBEL_SERVICE";

/** The program's command line: "zorbel-extract [--service=URL] [--ca-file=PATH] [--tour=DIR]"
 *  opens the window (each form also takes --lang=zh|en, which the program reads before this),
 * "zorbel-extract ls|export [options] [FOLDER]" and "zorbel-extract login|logout [options]" run a
 * subcommand without one. Reading it needs no application object, so the program can choose which
 * one to create; its texts are in the language of the application's translators when it is read,
 * and printing needs that application. */
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action
    {
        OpenWindow,
        RunSubcommand,
        Print, // help, version or a usage error: print() says it
    };

    explicit CommandLine(const QStringList& arguments);
    ~CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    Action action() const { return m_action; }
    const WindowOptions& windowOptions() const { return m_window; }
    const SubcommandOptions& subcommandOptions() const { return m_subcommand; }
    /** The usage error print() reports; empty when there is none. */
    const QString& usageError() const { return m_error; }

    /** Prints the help or version text to standard output, or the usage error to standard
     *  error in the command line's voice (Voice.h); returns the exit code: 0, or 2 for a usage
     *  error. */
    int print() const;

private:
    void readWindowOptions(const QStringList& arguments);
    void readSubcommandOptions(Subcommand command, const QStringList& arguments);
    bool readSubcommandValues(Subcommand command);
    bool readFilter();
    void readAccountCommandOptions(Subcommand command, const QStringList& arguments);
    bool readAccountAndService(Subcommand command);
    void fail(const QString& error);
    void addOption(const QCommandLineOption& option);
    QString parseError(const QStringList& arguments) const;
    QString unknownOptionError(const QString& typed, const QString& name) const;
    bool parseOptions(const QStringList& arguments);

    Action m_action = Action::Print;
    WindowOptions m_window;
    SubcommandOptions m_subcommand;
    std::unique_ptr<QCommandLineParser> m_parser;
    QList<QCommandLineOption> m_options; // those the parser knows
    QString m_usage;                     // the usage line of the help shown
    QString m_helpCommand;               // the command that shows the help of what was asked for
    QString m_error;                     // a usage error, when there is one
    bool m_version = false;
};
