#include "CommandLine.h"

#include "CommandLineOptions.h"
#include "Voice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
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
    return QCoreApplication::translate("CommandLine",
                                       "--service needs an address such as http://127.0.0.1:8123 "
                                       "or https://..., not \"%1\"")
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
        return QCoreApplication::translate("CommandLine", "--ca-file: cannot read \"%1\"")
            .arg(parser.value(caFile));
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
        return QCoreApplication::translate("CommandLine", "%1 needs a pattern, not \"%2\"")
            .arg(name, value);
    case FilterProblem::UnclosedClass:
        return QCoreApplication::translate("CommandLine",
                                           "%1: the [ in \"%2\" is never closed by a ]")
            .arg(name, value);
    case FilterProblem::NotASize:
        return QCoreApplication::translate("CommandLine",
                                           "%1 needs a size in bytes, or with K, M, G or T (such "
                                           "as 700M or 1.5G), not \"%2\"")
            .arg(name, value);
    case FilterProblem::SizeTooLarge:
        return QCoreApplication::translate("CommandLine",
                                           "%1: \"%2\" is more bytes than a file can have")
            .arg(name, value);
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

// How far apart two option names are: the letters to insert, remove, change or swap with a
// neighbour to turn one into the other.
qsizetype editDistance(const QString& a, const QString& b)
{
    QList<qsizetype> before(b.size() + 1);
    QList<qsizetype> previous(b.size() + 1);
    QList<qsizetype> current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype change = a[i - 1] == b[j - 1] ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

// An option name as typed on the command line.
QString dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

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

void CommandLine::addOption(const QCommandLineOption& option)
{
    m_parser->addOption(option);
    m_options.append(option);
}

// What the parser refused, found again in `arguments` and said in the words of the other usage
// errors: its own text is in Qt's words and Qt's catalog, not the command line's.
QString CommandLine::parseError(const QStringList& arguments) const
{
    const QStringList unknown = m_parser->unknownOptionNames();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(u'-') || argument.size() == 1)
            continue;
        const QString typed = argument.section(u'=', 0, 0);
        const QString name = typed.mid(typed.startsWith(QLatin1String("--")) ? 2 : 1);
        if (unknown.contains(name))
            return unknownOptionError(typed, name);
        const auto option =
            std::find_if(m_options.begin(), m_options.end(),
                         [&name](const QCommandLineOption& o) { return o.names().contains(name); });
        if (option == m_options.end())
            continue;
        const bool valueGiven = argument.size() > typed.size();
        if (option->valueName().isEmpty() && valueGiven)
            return tr("%1 takes no value, not \"%2\"").arg(typed, argument.mid(typed.size() + 1));
        // A value not given after "=" is the next argument, whatever it looks like.
        if (!option->valueName().isEmpty() && !valueGiven && ++i == arguments.size())
            return tr("%1 needs a value: %1=<%2>").arg(typed, option->valueName());
    }
    return m_parser->errorText();
}

// An unknown option, with the closest of the command's own when one is a slip of the keys
// away: a letter or two, fewer for short names.
QString CommandLine::unknownOptionError(const QString& typed, const QString& name) const
{
    qsizetype best = std::min<qsizetype>(2, name.size() / 3);
    QString closest;
    for (const QCommandLineOption& option : m_options) {
        for (const QString& known : option.names()) {
            const qsizetype distance = editDistance(name.toLower(), known);
            if (distance <= best && (closest.isEmpty() || distance < best)) {
                best = distance;
                closest = known;
            }
        }
    }
    if (closest.isEmpty())
        return tr("unknown option %1").arg(typed);
    return tr("unknown option %1; did you mean %2?").arg(typed, dashed(closest));
}

// Parses `arguments` with the options added; false when that ends the reading: a usage error,
// which it records, or a request for help.
bool CommandLine::parseOptions(const QStringList& arguments)
{
    if (!m_parser->parse(arguments)) {
        fail(parseError(arguments));
        return false;
    }
    // The language is taken before the parser runs; a value it could not take is named here.
    for (const QString& language : m_parser->values(LanguageOption)) {
        if (language != QLatin1String("zh") && language != QLatin1String("en")) {
            fail(tr("--lang needs zh or en, not \"%1\"").arg(language));
            return false;
        }
    }
    return !m_parser->isSet(HelpOption);
}

void CommandLine::readWindowOptions(const QStringList& arguments)
{
    QCommandLineParser& parser = *m_parser;
    m_usage = tr("Usage: %1 [--service=<url>] [--ca-file=<path>] [--tour=<dir>] [--lang=zh|en]\n"
                 "       %1 ls [options] [FOLDER]\n"
                 "       %1 export [options] [FOLDER]\n"
                 "       %1 login|logout --account=<name> [options]\n")
                  .arg(ProgramName);
    parser.setApplicationDescription(
        tr("Browse a Zorbel cloud drive and export its files in the standard extraction "
           "format.\n\n"
           "Without a command the window opens. The commands run without a display:\n"
           "  ls      list the entries of a folder, with SHA1s on request\n"
           "  export  write the three export files of a folder, as the window's folder export "
           "does\n"
           "  login   sign in once and keep the session in the OS keyring\n"
           "  logout  remove what the keyring keeps for an account\n"
           "\"%1 <command> --help\" shows a command's options.")
            .arg(ProgramName));
    for (const OptionText& option :
         {HelpOption, VersionOption, ServiceOption, CaFileOption, TourOption, LanguageOption})
        addOption(option);
    if (!parseOptions(arguments))
        return;
    if (parser.isSet(VersionOption)) {
        m_version = true;
        return;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(tr("unknown command \"%1\"; the commands are ls, export, login and logout")
                        .arg(parser.positionalArguments().first()));
    if (const QString error = readServiceOptions(parser, ServiceOption, CaFileOption,
                                                 m_window.serviceBase, m_window.caFile);
        !error.isEmpty())
        return fail(error);
    m_window.tourFolder = absolutePath(parser.value(TourOption));
    if (parser.isSet(TourOption) && m_window.tourFolder.isEmpty())
        return fail(tr("--tour needs a folder for the screenshots"));
    m_action = Action::OpenWindow;
}

void CommandLine::readSubcommandOptions(Subcommand command, const QStringList& arguments)
{
    QCommandLineParser& parser = *m_parser;
    const QString name = subcommandName(command);
    m_helpCommand = QStringLiteral("%1 %2 --help").arg(ProgramName, name);
    m_usage = tr("Usage: %1 %2 --account=<name> [options]%3\n")
                  .arg(ProgramName, name,
                       isFolderCommand(command) ? QStringLiteral(" [FOLDER]") : QString());
    for (const OptionText& option :
         {HelpOption, AccountOption, ServiceOption, CaFileOption, LanguageOption})
        addOption(option);
    QStringList rest = arguments;
    rest.removeAt(1);
    if (!isFolderCommand(command))
        return readAccountCommandOptions(command, rest);
    parser.setApplicationDescription(
        command == Subcommand::List
            ? tr("Lists the entries of FOLDER on standard output: path, size in bytes,\n"
                 "size text, pick code, time, shared, and with --sha1 the SHA1.\n"
                 "A folder's path ends in \"/\".")
            : tr("Appends one section with every file of FOLDER to each of the three\n"
                 "export files of the account (<account>.txt, <account>[贴吧+IE] .txt\n"
                 "and <account>[贴吧+Chrome] .txt), exactly as the window's folder\n"
                 "export does."));
    addOption(RecursiveOption);
    if (command == Subcommand::List) {
        addOption(Sha1Option);
        addOption(FormatOption);
    } else {
        addOption(OutOption);
    }
    for (const OptionText& option :
         {IncludeOption, ExcludeOption, MinSizeOption, MaxSizeOption, MaxDepthOption,
          KeepGoingOption, RefreshOption, ParallelOption, RateOption, SortOption, QuietOption})
        addOption(option);
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 tr("A path of folder names from the root, such as /电影/アニメ "
                                    "(default /), or a folder id such as cid:1002."),
                                 QStringLiteral("[FOLDER]"));

    if (!parseOptions(rest))
        return;
    if (readSubcommandValues(command))
        m_action = Action::RunSubcommand;
}

void CommandLine::readAccountCommandOptions(Subcommand command, const QStringList& arguments)
{
    QCommandLineParser& parser = *m_parser;
    parser.setApplicationDescription(
        command == Subcommand::Login
            ? tr("Signs in with the password of ZORBEL_PASSWORD or one typed on the\n"
                 "terminal, and keeps the session cookie in the OS keyring (with\n"
                 "--save-password the password too), so that ls and export need no\n"
                 "password. Exits 1 when no keyring can be used.")
            : tr("Removes the session and the password that the OS keyring keeps for the\n"
                 "account at the service; done also when it keeps none."));
    if (command == Subcommand::Login)
        addOption(SavePasswordOption);
    if (!parseOptions(arguments))
        return;
    if (!parser.positionalArguments().isEmpty())
        return fail(tr("%1 takes no FOLDER, not \"%2\"")
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
        fail(tr("%1 needs --account=<name> (or the environment variable %2)")
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
        fail(tr("--parallel needs a number from 1 to %1, not \"%2\"")
                 .arg(RequestsInFlightLimit)
                 .arg(parser.value(ParallelOption)));
        return false;
    }

    if (parser.isSet(RateOption)) {
        const QString rate = parser.value(RateOption);
        options.rate = rate.toDouble(&isNumber);
        if (!isNumber || !std::isfinite(options.rate) || options.rate <= 0) {
            fail(tr("--rate needs a positive number of requests per second, not \"%1\"").arg(rate));
            return false;
        }
    }

    const QString sort = parser.value(SortOption);
    const auto choice =
        std::find_if(SortChoices.begin(), SortChoices.end(),
                     [&](const SortChoice& c) { return sort == QLatin1String(c.name); });
    if (choice == SortChoices.end()) {
        fail(tr("--sort needs name, size or time, with or without -asc, not \"%1\"").arg(sort));
        return false;
    }
    options.sortOrder = choice->order;

    const QString format =
        command == Subcommand::List ? parser.value(FormatOption) : QStringLiteral("tsv");
    if (format != QLatin1String("tsv") && format != QLatin1String("json")) {
        fail(tr("--format needs tsv or json, not \"%1\"").arg(format));
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
            fail(tr("--out needs a folder"));
            return false;
        }
    }

    if (!readFilter())
        return false;

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        fail(tr("one FOLDER at most, not %1: \"%2\"")
                 .arg(positional.size())
                 .arg(positional.join(QStringLiteral("\" \""))));
        return false;
    }
    if (!positional.isEmpty())
        options.folder = positional.first();
    if (!isFolderArgument(options.folder)) {
        fail(tr("\"%1\" is no folder id: write cid: and the folder's digits, such as cid:1002")
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
        fail(tr("--min-size=%1 is above --max-size=%2, so no file could be taken")
                 .arg(parser.value(MinSizeOption), parser.value(MaxSizeOption)));
        return false;
    }
    if (!parser.isSet(MaxDepthOption))
        return true;
    const QString depthText = parser.value(MaxDepthOption);
    bool isNumber = false;
    const int depth = depthText.toInt(&isNumber);
    if (!isNumber || depth < 0) {
        fail(tr("--max-depth needs a number of folders, 0 or more, not \"%1\"").arg(depthText));
        return false;
    }
    if (!parser.isSet(RecursiveOption)) {
        fail(tr("--max-depth=%1 needs --recursive").arg(depthText));
        return false;
    }
    filter.maxDepth = depth;
    return true;
}

int CommandLine::print() const
{
    if (!m_error.isEmpty()) {
        Say(m_error);
        Say(tr("\"%1\" shows how to use it.").arg(m_helpCommand));
        return 2;
    }
    QTextStream out(stdout);
    if (m_version)
        out << ProgramName << ' ' << programVersion() << '\n';
    else
        out << m_usage << helpBody(*m_parser);
    return 0;
}
