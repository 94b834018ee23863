#include "Subcommands.h"

#include "FolderLocation.h"
#include "Interrupt.h"
#include "ListingOutput.h"
#include "Password.h"
#include "ProgressLine.h"
#include "browser/Login.h"
#include "export/ExtractionFiles.h"
#include "export/FolderExport.h"
#include "platform/Desktop.h"
#include "service/endpoints.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr int Failed = 1;
constexpr int UsageError = 2;
constexpr int SomethingSkipped = 3;

int fail(const QString& problem, int exitCode = Failed)
{
    QTextStream(stderr) << "zorbel-extract: " << problem << Qt::endl;
    return exitCode;
}

// One line per path a keep-going walk left out; the exit code that says whether there were any.
int tellSkipped(const QList<SkippedPath>& skipped)
{
    QTextStream err(stderr);
    for (const SkippedPath& path : skipped)
        err << "zorbel-extract: skipped " << path.path << ": " << path.reason << Qt::endl;
    return skipped.isEmpty() ? 0 : SomethingSkipped;
}

/** The walk and how it goes, as both commands run it. */
class FolderCommand
{
public:
    explicit FolderCommand(const SubcommandOptions& options)
        : m_options(options), m_progress(options.quiet)
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
        m_progress.finish();
        if (!folderId) {
            exitCode = WasInterrupted() ? InterruptedExitCode : fail(problem);
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

    ProgressLine& progress() { return m_progress; }
    const RetryPolicy& policy() const { return m_policy; }

private:
    const SubcommandOptions& m_options;
    ProgressLine m_progress;
    RetryPolicy m_policy;
};

int listFolder(const SubcommandOptions& options)
{
    FolderCommand command(options);
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
        return InterruptedExitCode;
    if (!walk.failure.isEmpty()) {
        CurrentDesktop().showMessage(walk.failure, QStringLiteral("提示"),
                                     Desktop::Icon::Information);
        return Failed;
    }
    QFile out;
    const QByteArray text = FormatListing(walk.files, sha1s, options.sha1, options.format);
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(text) != text.size() || !out.flush())
        return fail(QStringLiteral("cannot write the listing: %1").arg(out.errorString()));
    return tellSkipped(walk.skipped);
}

int exportFolder(const SubcommandOptions& options)
{
    FolderCommand command(options);
    int exitCode = 0;
    const std::optional<WalkScope> scope = command.scope(exitCode);
    if (!scope)
        return exitCode;
    Sha1Cache sha1s;
    FolderExportReport report;
    const ExportOutcome outcome = ExportFolder(*scope, options.account, sha1s, &command.progress(),
                                               command.policy(), {}, &report);
    command.progress().finish();
    if (outcome == ExportOutcome::Cancelled || WasInterrupted())
        return InterruptedExitCode;
    if (outcome != ExportOutcome::Written)
        return Failed;
    exitCode = tellSkipped(report.skipped);
    if (!options.quiet) {
        QTextStream(stderr) << "zorbel-extract: wrote " << report.rowsWritten
                            << " rows to each of the three export files in "
                            << QDir::toNativeSeparators(QFileInfo(report.plainFile).path())
                            << Qt::endl;
    }
    return exitCode;
}

// The export files go into the working folder: make it the one asked for, before anything is
// sent, so a folder that cannot be used fails at once.
bool enterOutFolder(const QString& folder)
{
    if (folder.isEmpty())
        return true;
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        fail(QStringLiteral("cannot write into the folder \"%1\"").arg(folder));
        return false;
    }
    return true;
}

} // namespace

int RunSubcommand(const SubcommandOptions& options)
{
    CatchInterrupt();
    if (!options.serviceBase.isEmpty())
        SetServiceBase(options.serviceBase);
    SetTrustedCertificateFile(options.caFile);
    if (options.command == Subcommand::Export) {
        if (RefuseAccount(options.account))
            return Failed;
        if (!enterOutFolder(options.outFolder))
            return Failed;
    }

    QString problem;
    const std::optional<QString> password = ReadPassword(options.account, problem);
    if (!password)
        return fail(problem, UsageError);
    if (SignIn(options.account, *password) != LoginOutcome::SignedIn)
        return Failed;
    return options.command == Subcommand::List ? listFolder(options) : exportFolder(options);
}
