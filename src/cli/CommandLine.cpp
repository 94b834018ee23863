#include "CommandLine.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <QUrl>
#include <array>
#include <cmath>

namespace {

const QString ProgramName = QStringLiteral("zorbel-extract");

// The service is reached over HTTP or HTTPS at a host and an optional port.
bool isServiceBase(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty() && (url.path().isEmpty() || url.path() == QLatin1String("/")) &&
           !url.hasQuery();
}

QString serviceBaseError(const QString& base)
{
    return QStringLiteral("--service needs an address such as http://127.0.0.1:8123 or "
                          "https://..., not \"%1\"")
        .arg(base);
}

// A path of the command line as it reads from the folder the program was started in, so that a
// later change of the working folder does not change what it names; empty stays empty.
QString absolutePath(const QString& path)
{
    return path.isEmpty() ? path : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// The service's address and the certificates trusted for it, as given; a usage error or empty.
QString readServiceOptions(const QCommandLineParser& parser, const QCommandLineOption& service,
                           const QCommandLineOption& caFile, QString& base, QString& caFilePath)
{
    base = parser.value(service);
    if (parser.isSet(service) && !isServiceBase(base))
        return serviceBaseError(base);
    caFilePath = absolutePath(parser.value(caFile));
    if (parser.isSet(caFile) &&
        !(QFileInfo(caFilePath).isFile() && QFileInfo(caFilePath).isReadable()))
        return QStringLiteral("--ca-file: cannot read \"%1\"").arg(parser.value(caFile));
    return {};
}

struct SortChoice
{
    const char* name;
    QLatin1String order; // the listing's sort order value
};

// Without "-asc" the largest, newest or last name comes first, as the window's default does.
constexpr std::array<SortChoice, 6> SortChoices{{
    {"name", QLatin1String("file_name&asc=0")},
    {"name-asc", QLatin1String("file_name&asc=1")},
    {"size", QLatin1String("file_size&asc=0")},
    {"size-asc", QLatin1String("file_size&asc=1")},
    {"time", NewestFirstOrder},
    {"time-asc", QLatin1String("user_ptime&asc=1")},
}};

// A folder is "cid:" and a folder id, or a path of names from the root.
bool isFolderArgument(const QString& folder)
{
    static const QRegularExpression folderId(QStringLiteral("^cid:[0-9]+$"));
    return !folder.startsWith(QLatin1String("cid:")) || folderId.match(folder).hasMatch();
}

struct SubcommandName
{
    Subcommand command;
    const char* name;
};

constexpr std::array<SubcommandName, 4> SubcommandNames{{
    {Subcommand::List, "ls"},
    {Subcommand::Export, "export"},
    {Subcommand::Login, "login"},
    {Subcommand::Logout, "logout"},
}};

QString subcommandName(Subcommand command)
{
    const auto named =
        std::find_if(SubcommandNames.begin(), SubcommandNames.end(),
                     [command](const SubcommandName& entry) { return entry.command == command; });
    return QLatin1String(named->name);
}

bool isFolderCommand(Subcommand command)
{
    return command == Subcommand::List || command == Subcommand::Export;
}

// The value of `option`, or when it is not given that of the environment variable `variable`.
QString valueOrDefault(const QCommandLineParser& parser, const QCommandLineOption& option,
                       const char* variable)
{
    return parser.isSet(option) ? parser.value(option) : qEnvironmentVariable(variable);
}

// What is wrong with `value`, given to `option`, in a sentence that names it.
QString filterValueError(const QCommandLineOption& option, const QString& value,
                         FilterProblem problem)
{
    const QString name = QStringLiteral("--") + option.names().constFirst();
    switch (problem) {
    case FilterProblem::EmptyPattern:
        return QStringLiteral("%1 needs a pattern, not \"%2\"").arg(name, value);
    case FilterProblem::UnclosedClass:
        return QStringLiteral("%1: the [ in \"%2\" is never closed by a ]").arg(name, value);
    case FilterProblem::NotASize:
        return QStringLiteral("%1 needs a size in bytes, or with K, M, G or T (such as 700M or "
                              "1.5G), not \"%2\"")
            .arg(name, value);
    case FilterProblem::SizeTooLarge:
        return QStringLiteral("%1: \"%2\" is more bytes than a file can have").arg(name, value);
    case FilterProblem::None:
        break;
    }
    return {};
}

// Help text without the parser's own usage line, which cannot name a subcommand.
QString helpBody(const QCommandLineParser& parser)
{
    return parser.helpText().section(QLatin1Char('\n'), 1);
}

const QCommandLineOption AccountOption(
    QStringLiteral("account"),
    QStringLiteral("The account to sign in with (required; default: the environment variable "
                   "ZORBEL_ACCOUNT). The password comes from the environment variable "
                   "ZORBEL_PASSWORD; without it ls and export use the session that login kept "
                   "in the keyring, else the password is asked for on the terminal."),
    QStringLiteral("name"));
const QCommandLineOption ServiceOption(
    QStringLiteral("service"),
    QStringLiteral("Talk to the service at <url> (e.g. http://127.0.0.1:8123 or https://...) "
                   "instead of the built-in hosts (default for the commands: the environment "
                   "variable ZORBEL_SERVICE)."),
    QStringLiteral("url"));
const QCommandLineOption SavePasswordOption(
    QStringLiteral("save-password"),
    QStringLiteral("Keep the password in the keyring too, so that a session the service ends "
                   "is renewed without asking; without it a kept password is removed."));
const QCommandLineOption CaFileOption(
    QStringLiteral("ca-file"),
    QStringLiteral("Trust the certificates in the PEM file <path> for https, besides the "
                   "system's."),
    QStringLiteral("path"));
const QCommandLineOption RecursiveOption(QStringLiteral("recursive"),
                                         QStringLiteral("Include every subfolder, depth first."));
const QCommandLineOption ParallelOption(
    QStringLiteral("parallel"),
    QStringLiteral("Keep up to <n> requests in flight at once, 1 to %1 (default %2); fewer, for a "
                   "while, after the service answers 429 or 503.")
        .arg(RequestsInFlightLimit)
        .arg(MaxRequestsInFlight),
    QStringLiteral("n"), QString::number(MaxRequestsInFlight));
const QCommandLineOption
    RateOption(QStringLiteral("rate"),
               QStringLiteral("Start at most <n> requests per second, evenly spaced; decimals "
                              "such as 0.5 allowed (default: no limit)."),
               QStringLiteral("n"));
const QCommandLineOption SortOption(
    QStringLiteral("sort"),
    QStringLiteral("List in the order <order>: name, size or time, the last name, largest or "
                   "newest first; with -asc appended (name-asc, size-asc, time-asc) the other way "
                   "round (default time)."),
    QStringLiteral("order"), QStringLiteral("time"));
const QCommandLineOption QuietOption(QStringLiteral("quiet"),
                                     QStringLiteral("Show no progress on standard error."));
const QCommandLineOption Sha1Option(
    QStringLiteral("sha1"),
    QStringLiteral("Add each file's SHA1, read from its download page (several at once)."));
const QCommandLineOption KeepGoingOption(
    QStringLiteral("keep-going"),
    QStringLiteral("Leave out a file whose download page, or a folder whose listing, still fails "
                   "after its retries, write everything else, name each on standard error and "
                   "exit with 3."));
const QCommandLineOption RefreshOption(
    QStringLiteral("refresh"),
    QStringLiteral("Fetch every download page again instead of taking SHA1s from the store "
                   "(~/.cache/zorbel-extract/), and update the store."));
const QCommandLineOption FormatOption(
    QStringLiteral("format"),
    QStringLiteral("Write <format>: tsv, tab-separated with a header line (default), or json, "
                   "one array of objects."),
    QStringLiteral("format"), QStringLiteral("tsv"));
const QCommandLineOption OutOption(
    QStringLiteral("out"),
    QStringLiteral("Write the three export files into <dir> (default: the working folder)."),
    QStringLiteral("dir"));
const QCommandLineOption IncludeOption(
    QStringLiteral("include"),
    QStringLiteral("Take only files whose path below FOLDER matches <glob>; repeatable, a file "
                   "matching any one is taken. * matches within one folder name, ** across "
                   "folders, ? one character, [...] one of a class; a glob without / matches "
                   "the file name at any depth; one ending in / names folders, whose files "
                   "it takes. Case is ignored."),
    QStringLiteral("glob"));
const QCommandLineOption ExcludeOption(
    QStringLiteral("exclude"),
    QStringLiteral("Leave out files whose path matches <glob> (as for --include); repeatable. A "
                   "glob ending in / names folders, which are then not listed at all."),
    QStringLiteral("glob"));
const QCommandLineOption MinSizeOption(
    QStringLiteral("min-size"),
    QStringLiteral("Take only files of at least <size>: bytes, or with K, M, G or T (powers of "
                   "1024), such as 700M or 1.5G."),
    QStringLiteral("size"));
const QCommandLineOption MaxSizeOption(QStringLiteral("max-size"),
                                       QStringLiteral("Take only files of at most <size>."),
                                       QStringLiteral("size"));
const QCommandLineOption MaxDepthOption(
    QStringLiteral("max-depth"),
    QStringLiteral("With --recursive, descend at most <n> folders below FOLDER (0: FOLDER alone)."),
    QStringLiteral("n"));
const QCommandLineOption TourOption(
    QStringLiteral("tour"),
    QStringLiteral("Walk the window through the demo service's sample drive without waiting for "
                   "input, save a screenshot of every step into <dir>, then exit (non-zero when a "
                   "step went wrong). Runs offscreen when there is no display."),
    QStringLiteral("dir"));
const QCommandLineOption HelpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Show this help."));
const QCommandLineOption VersionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                       QStringLiteral("Show the program's version."));

// The program's version, as --version shows it.
QString programVersion()
{
    return QStringLiteral(ZORBEL_VERSION);
}

} // namespace

CommandLine::CommandLine(const QStringList& arguments)
    : m_parser(std::make_unique<QCommandLineParser>()),
      m_helpCommand(ProgramName + QStringLiteral(" --help"))
{
    m_parser->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QString first = arguments.value(1);
    const auto named =
        std::find_if(SubcommandNames.begin(), SubcommandNames.end(),
                     [&first](const SubcommandName& entry) { return first == entry.name; });
    if (named != SubcommandNames.end())
        readSubcommandOptions(named->command, arguments);
    else
        readWindowOptions(arguments);
}

CommandLine::~CommandLine() = default;

void CommandLine::fail(const QString& error)
{
    m_action = Action::Print;
    m_error = error;
}

void CommandLine::readWindowOptions(const QStringList& arguments)
{
    QCommandLineParser& parser = *m_parser;
    m_usage =
        QStringLiteral("Usage: %1 [--service=<url>] [--ca-file=<path>] [--tour=<dir>]\n"
                       "       %1 ls [options] [FOLDER]\n"
                       "       %1 export [options] [FOLDER]\n")
            .arg(ProgramName) +
        QStringLiteral("       %1 login|logout --account=<name> [options]\n").arg(ProgramName);
    parser.setApplicationDescription(
        QStringLiteral("Browse a Zorbel cloud drive and export its files in the standard "
                       "extraction format.\n\n"
                       "Without a command the window opens. The commands run without a display:\n"
                       "  ls      list the entries of a folder, with SHA1s on request\n"
                       "  export  write the three export files of a folder, as the window's "
                       "folder export does\n"
                       "  login   sign in once and keep the session in the OS keyring\n"
                       "  logout  remove what the keyring keeps for an account\n"
                       "\"%1 <command> --help\" shows a command's options.")
            .arg(ProgramName));
    parser.addOption(HelpOption);
    parser.addOption(VersionOption);
    parser.addOption(ServiceOption);
    parser.addOption(CaFileOption);
    parser.addOption(TourOption);
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(HelpOption))
        return;
    if (parser.isSet(VersionOption)) {
        m_version = true;
        return;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unknown command \"%1\"; the commands are ls, export, login and "
                                   "logout")
                        .arg(parser.positionalArguments().first()));
    if (const QString error = readServiceOptions(parser, ServiceOption, CaFileOption,
                                                 m_window.serviceBase, m_window.caFile);
        !error.isEmpty())
        return fail(error);
    m_window.tourFolder = absolutePath(parser.value(TourOption));
    if (parser.isSet(TourOption) && m_window.tourFolder.isEmpty())
        return fail(QStringLiteral("--tour needs a folder for the screenshots"));
    m_action = Action::OpenWindow;
}

void CommandLine::readSubcommandOptions(Subcommand command, const QStringList& arguments)
{
    QCommandLineParser& parser = *m_parser;
    const QString name = subcommandName(command);
    m_helpCommand = QStringLiteral("%1 %2 --help").arg(ProgramName, name);
    m_usage = QStringLiteral("Usage: %1 %2 --account=<name> [options]%3\n")
                  .arg(ProgramName, name,
                       isFolderCommand(command) ? QStringLiteral(" [FOLDER]") : QString());
    parser.addOption(HelpOption);
    parser.addOption(AccountOption);
    parser.addOption(ServiceOption);
    parser.addOption(CaFileOption);
    QStringList rest = arguments;
    rest.removeAt(1);
    if (!isFolderCommand(command))
        return readAccountCommandOptions(command, rest);
    parser.setApplicationDescription(
        command == Subcommand::List
            ? QStringLiteral(
                  "Lists the entries of FOLDER on standard output: path, size in bytes,\n"
                  "size text, pick code, time, shared, and with --sha1 the SHA1.\n"
                  "A folder's path ends in \"/\".")
            : QStringLiteral("Appends one section with every file of FOLDER to each of the three\n"
                             "export files of the account (<account>.txt, <account>[贴吧+IE] .txt\n"
                             "and <account>[贴吧+Chrome] .txt), exactly as the window's folder\n"
                             "export does."));
    parser.addOption(RecursiveOption);
    if (command == Subcommand::List) {
        parser.addOption(Sha1Option);
        parser.addOption(FormatOption);
    } else {
        parser.addOption(OutOption);
    }
    for (const QCommandLineOption& option :
         {IncludeOption, ExcludeOption, MinSizeOption, MaxSizeOption, MaxDepthOption})
        parser.addOption(option);
    parser.addOption(KeepGoingOption);
    parser.addOption(RefreshOption);
    parser.addOption(ParallelOption);
    parser.addOption(RateOption);
    parser.addOption(SortOption);
    parser.addOption(QuietOption);
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QStringLiteral("A path of folder names from the root, such as /电影/アニメ (default /), "
                       "or a folder id such as cid:1002."),
        QStringLiteral("[FOLDER]"));

    if (!parser.parse(rest))
        return fail(parser.errorText());
    if (parser.isSet(HelpOption))
        return;
    if (readSubcommandValues(command))
        m_action = Action::RunSubcommand;
}

void CommandLine::readAccountCommandOptions(Subcommand command, const QStringList& arguments)
{
    QCommandLineParser& parser = *m_parser;
    parser.setApplicationDescription(
        command == Subcommand::Login
            ? QStringLiteral("Signs in with the password of ZORBEL_PASSWORD or one typed on the\n"
                             "terminal, and keeps the session cookie in the OS keyring (with\n"
                             "--save-password the password too), so that ls and export need no\n"
                             "password. Exits 1 when no keyring can be used.")
            : QStringLiteral("Removes the session and the password that the OS keyring keeps for "
                             "the\naccount at the service; done also when it keeps none."));
    if (command == Subcommand::Login)
        parser.addOption(SavePasswordOption);
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(HelpOption))
        return;
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("%1 takes no FOLDER, not \"%2\"")
                        .arg(subcommandName(command), parser.positionalArguments().first()));
    m_subcommand.savePassword = command == Subcommand::Login && parser.isSet(SavePasswordOption);
    if (readAccountAndService(command))
        m_action = Action::RunSubcommand;
}

bool CommandLine::readAccountAndService(Subcommand command)
{
    const QCommandLineParser& parser = *m_parser;
    SubcommandOptions& options = m_subcommand;
    options.command = command;
    options.account = valueOrDefault(parser, AccountOption, AccountVariable);
    if (options.account.isEmpty()) {
        fail(QStringLiteral("%1 needs --account=<name> (or the environment variable %2)")
                 .arg(subcommandName(command), QLatin1String(AccountVariable)));
        return false;
    }
    if (const QString error = readServiceOptions(parser, ServiceOption, CaFileOption,
                                                 options.serviceBase, options.caFile);
        !error.isEmpty()) {
        fail(error);
        return false;
    }
    if (!parser.isSet(ServiceOption) && qEnvironmentVariableIsSet(ServiceVariable)) {
        options.serviceBase = qEnvironmentVariable(ServiceVariable);
        if (!isServiceBase(options.serviceBase)) {
            fail(QStringLiteral("%1: ").arg(QLatin1String(ServiceVariable)) +
                 serviceBaseError(options.serviceBase));
            return false;
        }
    }
    return true;
}

bool CommandLine::readSubcommandValues(Subcommand command)
{
    const QCommandLineParser& parser = *m_parser;
    SubcommandOptions& options = m_subcommand;
    if (!readAccountAndService(command))
        return false;

    bool isNumber = false;
    options.parallel = parser.value(ParallelOption).toInt(&isNumber);
    if (!isNumber || options.parallel < 1 || options.parallel > RequestsInFlightLimit) {
        fail(QStringLiteral("--parallel needs a number from 1 to %1, not \"%2\"")
                 .arg(RequestsInFlightLimit)
                 .arg(parser.value(ParallelOption)));
        return false;
    }

    if (parser.isSet(RateOption)) {
        const QString rate = parser.value(RateOption);
        options.rate = rate.toDouble(&isNumber);
        if (!isNumber || !std::isfinite(options.rate) || options.rate <= 0) {
            fail(QStringLiteral("--rate needs a positive number of requests per second, not "
                                "\"%1\"")
                     .arg(rate));
            return false;
        }
    }

    const QString sort = parser.value(SortOption);
    const auto choice =
        std::find_if(SortChoices.begin(), SortChoices.end(),
                     [&](const SortChoice& c) { return sort == QLatin1String(c.name); });
    if (choice == SortChoices.end()) {
        fail(QStringLiteral("--sort needs name, size or time, with or without -asc, not \"%1\"")
                 .arg(sort));
        return false;
    }
    options.sortOrder = choice->order;

    const QString format =
        command == Subcommand::List ? parser.value(FormatOption) : QStringLiteral("tsv");
    if (format != QLatin1String("tsv") && format != QLatin1String("json")) {
        fail(QStringLiteral("--format needs tsv or json, not \"%1\"").arg(format));
        return false;
    }
    options.format = format == QLatin1String("json") ? OutputFormat::Json : OutputFormat::Tsv;

    options.recursive = parser.isSet(RecursiveOption);
    options.sha1 = command == Subcommand::List && parser.isSet(Sha1Option);
    options.quiet = parser.isSet(QuietOption);
    options.keepGoing = parser.isSet(KeepGoingOption);
    options.refresh = parser.isSet(RefreshOption);
    if (command == Subcommand::Export) {
        options.outFolder = absolutePath(parser.value(OutOption));
        if (parser.isSet(OutOption) && options.outFolder.isEmpty()) {
            fail(QStringLiteral("--out needs a folder"));
            return false;
        }
    }

    if (!readFilter())
        return false;

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        fail(QStringLiteral("one FOLDER at most, not %1: \"%2\"")
                 .arg(positional.size())
                 .arg(positional.join(QStringLiteral("\" \""))));
        return false;
    }
    if (!positional.isEmpty())
        options.folder = positional.first();
    if (!isFolderArgument(options.folder)) {
        fail(QStringLiteral("\"%1\" is no folder id: write cid: and the folder's digits, such as "
                            "cid:1002")
                 .arg(options.folder));
        return false;
    }
    return true;
}

bool CommandLine::readFilter()
{
    const QCommandLineParser& parser = *m_parser;
    ExportFilter& filter = m_subcommand.filter;
    FilterProblem problem = FilterProblem::None;
    for (const auto& [option, globs] : {std::pair(&IncludeOption, &filter.includes),
                                        std::pair(&ExcludeOption, &filter.excludes)}) {
        for (const QString& text : parser.values(*option)) {
            const std::optional<PathGlob> glob = ParseGlob(text, problem);
            if (!glob) {
                fail(filterValueError(*option, text, problem));
                return false;
            }
            globs->append(*glob);
        }
    }
    for (const auto& [option, bound] :
         {std::pair(&MinSizeOption, &filter.minSize), std::pair(&MaxSizeOption, &filter.maxSize)}) {
        if (!parser.isSet(*option))
            continue;
        *bound = ParseSize(parser.value(*option), problem);
        if (!*bound) {
            fail(filterValueError(*option, parser.value(*option), problem));
            return false;
        }
    }
    if (filter.minSize && filter.maxSize && *filter.minSize > *filter.maxSize) {
        fail(QStringLiteral("--min-size=%1 is above --max-size=%2, so no file could be taken")
                 .arg(parser.value(MinSizeOption), parser.value(MaxSizeOption)));
        return false;
    }
    if (!parser.isSet(MaxDepthOption))
        return true;
    const QString depthText = parser.value(MaxDepthOption);
    bool isNumber = false;
    const int depth = depthText.toInt(&isNumber);
    if (!isNumber || depth < 0) {
        fail(QStringLiteral("--max-depth needs a number of folders, 0 or more, not \"%1\"")
                 .arg(depthText));
        return false;
    }
    if (!parser.isSet(RecursiveOption)) {
        fail(QStringLiteral("--max-depth=%1 needs --recursive").arg(depthText));
        return false;
    }
    filter.maxDepth = depth;
    return true;
}

int CommandLine::print() const
{
    if (!m_error.isEmpty()) {
        QTextStream(stderr) << ProgramName << ": " << m_error << "\n\"" << m_helpCommand
                            << "\" shows how to use it.\n";
        return 2;
    }
    QTextStream out(stdout);
    if (m_version)
        out << ProgramName << ' ' << programVersion() << '\n';
    else
        out << m_usage << helpBody(*m_parser);
    return 0;
}
