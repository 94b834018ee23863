#include "Subcommands.h"

#include "AccountCommands.h"
#include "FolderLocation.h"
#include "Interrupt.h"
#include "ListingOutput.h"
#include "OutFolder.h"
#include "ProgressLine.h"
#include "Voice.h"
#include "browser/KeptLogin.h"
#include "export/ExtractionFiles.h"
#include "export/FolderExport.h"
#include "service/endpoints.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int Failed = FailedExitCode;
constexpr int SomethingSkipped = 3;

int fail(const QString& problem)
{
    return ReportProblem(problem);
}

int interrupted()
{
    return ReportProblem(InterruptedMessage(), InterruptedExitCode);
}

// One line per path a keep-going walk left out; the exit code that says whether there were any.
int tellSkipped(const QList<SkippedPath>& skipped)
{
    for (const SkippedPath& path : skipped)
        Say(QCoreApplication::translate("Subcommands", "skipped %1: %2")
                .arg(path.path, path.reason));
    return skipped.isEmpty() ? 0 : SomethingSkipped;
}

// Keeps the command's account signed in; a session that ends for good stops the run with
// one message, in place of what the refused request would say.
class CommandSession
{
public:
    explicit CommandSession(const QString& account)
        : m_kept([this, account] {
              m_ended = true;
              fail(EndedSessionProblem(account));
          })
    {
    }

    KeptLogin& kept() { return m_kept; }
    bool ended() const { return m_ended; }

private:
    KeptLogin m_kept;
    bool m_ended = false;
};

/** The walk and how it goes, as both commands run it. */
class FolderCommand
{
public:
    FolderCommand(const SubcommandOptions& options, const CommandSession& session)
        : m_options(options), m_session(session), m_progress(options.quiet)
    {
        m_policy.requestsInFlight = options.parallel;
        m_policy.requestsPerSecond = options.rate;
        CancelOnInterrupt(&m_progress.cancelToken());
    }
    ~FolderCommand() { CancelOnInterrupt(nullptr); }
    FolderCommand(const FolderCommand&) = delete;
    FolderCommand& operator=(const FolderCommand&) = delete;

    /** The scope of the folder the command names; nothing after telling why not. */
    std::optional<WalkScope> scope(int& exitCode)
    {
        QString problem;
        const std::optional<QString> folderId =
            ResolveFolder(m_options.folder, m_options.sortOrder, m_progress, m_policy, problem);
        if (!folderId) {
            m_progress.finish();
            exitCode = WasInterrupted()    ? interrupted()
                       : m_session.ended() ? Failed
                                           : fail(problem);
            return std::nullopt;
        }
        WalkScope scope;
        scope.query.sortOrder = m_options.sortOrder;
        scope.query.folderId = *folderId;
        scope.includeSubfolders = m_options.recursive;
        scope.filter = m_options.filter;
        scope.keepGoing = m_options.keepGoing;
        scope.refresh = m_options.refresh;
        return scope;
    }

    bool sessionEnded() const { return m_session.ended(); }
    ProgressLine& progress() { return m_progress; }
    const RetryPolicy& policy() const { return m_policy; }

private:
    const SubcommandOptions& m_options;
    const CommandSession& m_session;
    ProgressLine m_progress;
    RetryPolicy m_policy;
};

int listFolder(const SubcommandOptions& options, const CommandSession& session)
{
    FolderCommand command(options, session);
    int exitCode = 0;
    std::optional<WalkScope> scope = command.scope(exitCode);
    if (!scope)
        return exitCode;
    scope->includeFolderRows = true;
    Sha1Cache sha1s;
    const WalkResult walk =
        ListFolder(*scope, sha1s, options.sha1, &command.progress(), command.policy());
    command.progress().finish();
    if (walk.cancelled || WasInterrupted())
        return interrupted();
    if (command.sessionEnded())
        return Failed;
    if (walk.folderMissing)
        return fail(QCoreApplication::translate("Subcommands", "no folder with id %1")
                        .arg(scope->query.folderId));
    if (!walk.failure.isEmpty())
        return fail(walk.failure);
    QFile out;
    const QByteArray text = FormatListing(walk.files, sha1s, options.sha1, options.format);
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(text) != text.size() || !out.flush())
        return fail(QCoreApplication::translate("Subcommands", "cannot write the listing: %1")
                        .arg(out.errorString()));
    return tellSkipped(walk.skipped);
}

int exportFolder(const SubcommandOptions& options, const CommandSession& session)
{
    FolderCommand command(options, session);
    int exitCode = 0;
    const std::optional<WalkScope> scope = command.scope(exitCode);
    if (!scope)
        return exitCode;
    Sha1Cache sha1s;
    FolderExportReport report;
    const ExportOutcome outcome = ExportFolder(*scope, options.account, sha1s, &command.progress(),
                                               command.policy(), options.outFolder, &report);
    command.progress().finish();
    // An interrupt that came after the files were written did not stop the export.
    if (outcome == ExportOutcome::Cancelled ||
        (outcome != ExportOutcome::Written && WasInterrupted()))
        return interrupted();
    if (outcome != ExportOutcome::Written)
        return Failed;
    exitCode = tellSkipped(report.skipped);
    if (!options.quiet) {
        Say(QCoreApplication::translate("Subcommands",
                                        "wrote %1 rows to each of the three export files in %2")
                .arg(report.rowsWritten)
                .arg(QDir::toNativeSeparators(QFileInfo(report.plainFile).path())));
    }
    return exitCode;
}

// The export files' folder is checked and made before anything is sent, so a folder or file
// that cannot be written fails at once and no page is fetched in vain.
bool prepareOutFolder(const SubcommandOptions& options, OutFolder& outFolder)
{
    if (const QString problem = ExportFilesProblem(options.outFolder, options.account);
        !problem.isEmpty()) {
        fail(problem);
        return false;
    }
    if (!outFolder.make(options.outFolder)) {
        fail(QCoreApplication::translate("Subcommands", "cannot write into the folder \"%1\"")
                 .arg(options.outFolder));
        return false;
    }
    return true;
}

} // namespace

int ReportProblem(const QString& problem, int exitCode)
{
    Say(problem);
    return exitCode;
}

int RunSubcommand(const SubcommandOptions& options)
{
    CatchInterrupt();
    // Messages the window shows in a box are said in the command line's voice.
    const VoiceDesktop desktop;
    if (!options.serviceBase.isEmpty())
        SetServiceBase(options.serviceBase);
    SetTrustedCertificateFile(options.caFile);
    if (options.command == Subcommand::Login)
        return RunLogin(options);
    if (options.command == Subcommand::Logout)
        return RunLogout(options);
    OutFolder outFolder;
    if (options.command == Subcommand::Export) {
        if (RefuseAccount(options.account))
            return Failed;
        if (!prepareOutFolder(options, outFolder))
            return Failed;
    }
    // The sign-in comes before the walk's cancel hook, so a Ctrl+C during it ends the program.
    CommandSession session(options.account);
    if (const int exitCode = StartSession(options, session.kept()); exitCode != 0)
        return exitCode;
    return options.command == Subcommand::List ? listFolder(options, session)
                                               : exportFolder(options, session);
}
