#include "cli/CommandLine.h"

#include "CaseName.h"
#include "ScopedEnvironment.h"
#include "language/Language.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QStringList withProgramName(QStringList arguments)
{
    arguments.prepend(QStringLiteral("zorbel-extract"));
    return arguments;
}

// The command line's texts are English at their source; the test binary speaks Chinese.
class CommandLineTest : public ::testing::Test
{
protected:
    void SetUp() override { UseLanguage(Language::English); }
    void TearDown() override { UseLanguage(Language::Chinese); }
};

TEST_F(CommandLineTest, WithoutACommandOpensTheWindowWithItsOptions)
{
    const CommandLine line(
        withProgramName({"--service=http://127.0.0.1:8123", "--tour", "/tmp/t"}));
    ASSERT_EQ(line.action(), CommandLine::Action::OpenWindow);
    EXPECT_EQ(line.windowOptions().serviceBase, "http://127.0.0.1:8123");
    EXPECT_EQ(line.windowOptions().tourFolder, "/tmp/t");
}

TEST_F(CommandLineTest, AnAddressThatIsNoServiceBaseIsAUsageError)
{
    for (const char* base : {"127.0.0.1:8123", "ftp://127.0.0.1", "http://127.0.0.1/api"}) {
        const CommandLine window(withProgramName({QStringLiteral("--service=") + base}));
        const CommandLine list(
            withProgramName({"ls", "--account=a", QStringLiteral("--service=") + base}));
        EXPECT_EQ(window.action(), CommandLine::Action::Print) << base;
        EXPECT_EQ(list.action(), CommandLine::Action::Print) << base;
    }
}

TEST_F(CommandLineTest, HttpsServiceAndAReadableCaFileAreTaken)
{
    const QString caFile = QCoreApplication::applicationFilePath();
    const CommandLine window(withProgramName(
        {"--service=https://127.0.0.1:8443", QStringLiteral("--ca-file=") + caFile}));
    ASSERT_EQ(window.action(), CommandLine::Action::OpenWindow);
    EXPECT_EQ(window.windowOptions().serviceBase, "https://127.0.0.1:8443");
    EXPECT_EQ(window.windowOptions().caFile, caFile);
    const CommandLine list(
        withProgramName({"ls", "--account=a", QStringLiteral("--ca-file=") + caFile}));
    ASSERT_EQ(list.action(), CommandLine::Action::RunSubcommand);
    EXPECT_EQ(list.subcommandOptions().caFile, caFile);
}

TEST_F(CommandLineTest, AnUnreadableCaFileIsAUsageError)
{
    const QString missing = QCoreApplication::applicationFilePath() + QStringLiteral(".missing");
    EXPECT_EQ(CommandLine(withProgramName({QStringLiteral("--ca-file=") + missing})).action(),
              CommandLine::Action::Print);
    EXPECT_EQ(CommandLine(withProgramName(
                              {"export", "--account=a", QStringLiteral("--ca-file=") + missing}))
                  .action(),
              CommandLine::Action::Print);
}

struct SubcommandCase
{
    const char* name;
    QStringList arguments;
    SubcommandOptions expected;
};

class SubcommandLineTest : public ::testing::TestWithParam<SubcommandCase>
{
};

TEST_P(SubcommandLineTest, ReadsEveryOption)
{
    const CommandLine line(withProgramName(GetParam().arguments));
    ASSERT_EQ(line.action(), CommandLine::Action::RunSubcommand);
    const SubcommandOptions& read = line.subcommandOptions();
    const SubcommandOptions& expected = GetParam().expected;
    EXPECT_EQ(read.command, expected.command);
    EXPECT_EQ(read.account, expected.account);
    EXPECT_EQ(read.serviceBase, expected.serviceBase);
    EXPECT_EQ(read.folder, expected.folder);
    EXPECT_EQ(read.recursive, expected.recursive);
    EXPECT_EQ(read.sha1, expected.sha1);
    EXPECT_EQ(read.format, expected.format);
    EXPECT_EQ(read.outFolder, expected.outFolder);
    EXPECT_EQ(read.parallel, expected.parallel);
    EXPECT_EQ(read.rate, expected.rate);
    EXPECT_EQ(read.sortOrder, expected.sortOrder);
    EXPECT_EQ(read.quiet, expected.quiet);
    EXPECT_EQ(read.savePassword, expected.savePassword);
}

SubcommandOptions options(Subcommand command, const char* account)
{
    SubcommandOptions options;
    options.command = command;
    options.account = QString::fromUtf8(account);
    return options;
}

SubcommandOptions with(SubcommandOptions options, void (*change)(SubcommandOptions&))
{
    change(options);
    return options;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SubcommandLineTest,
    ::testing::Values(
        SubcommandCase{"ListDefaults", {"ls", "--account=demo"}, options(Subcommand::List, "demo")},
        SubcommandCase{"ListEverything",
                       {"ls", "--account", "张三", "/电影/アニメ", "--recursive", "--sha1",
                        "--format=json", "--parallel=16", "--rate=2.5", "--sort=size-asc",
                        "--quiet", "--service=http://127.0.0.1:9"},
                       with(options(Subcommand::List, "张三"),
                            [](SubcommandOptions& o) {
                                o.folder = "/电影/アニメ";
                                o.recursive = o.sha1 = o.quiet = true;
                                o.format = OutputFormat::Json;
                                o.parallel = 16;
                                o.rate = 2.5;
                                o.sortOrder = "file_size&asc=1";
                                o.serviceBase = "http://127.0.0.1:9";
                            })},
        SubcommandCase{"ExportToAFolder",
                       {"export", "cid:1002", "--account=demo", "--out=/tmp/x", "--sort=name",
                        "--parallel=1", "--rate", "0.25"},
                       with(options(Subcommand::Export, "demo"),
                            [](SubcommandOptions& o) {
                                o.folder = "cid:1002";
                                o.outFolder = "/tmp/x";
                                o.sortOrder = "file_name&asc=0";
                                o.parallel = 1;
                                o.rate = 0.25;
                            })},
        SubcommandCase{"OldestFirst",
                       {"ls", "--account=demo", "--sort=time-asc"},
                       with(options(Subcommand::List, "demo"),
                            [](SubcommandOptions& o) { o.sortOrder = "user_ptime&asc=1"; })},
        SubcommandCase{
            "LoginSavingThePassword",
            {"login", "--account=demo", "--save-password", "--service=http://127.0.0.1:9"},
            with(options(Subcommand::Login, "demo"),
                 [](SubcommandOptions& o) {
                     o.savePassword = true;
                     o.serviceBase = "http://127.0.0.1:9";
                 })},
        SubcommandCase{
            "Logout", {"logout", "--account=张三"}, options(Subcommand::Logout, "张三")}),
    CaseName());

// A rate must be a positive number: anything else is a usage error naming the value.
TEST_F(CommandLineTest, RateThatIsNoPositiveNumberIsAUsageError)
{
    for (const char* rate : {"0", "-2", "0.0", "fast", "1/s", "nan", "inf", ""}) {
        for (const char* command : {"ls", "export"}) {
            const CommandLine line(withProgramName(
                {command, "--account=a", QStringLiteral("--rate=") + QString::fromUtf8(rate)}));
            EXPECT_EQ(line.action(), CommandLine::Action::Print) << command << " " << rate;
            EXPECT_TRUE(line.usageError().contains(
                QStringLiteral("--rate needs a positive number of requests per second, not \"%1\"")
                    .arg(QString::fromUtf8(rate))))
                << line.usageError().toStdString();
        }
    }
}

TEST_F(CommandLineTest, ReadsTheFilterOfBothCommands)
{
    for (const char* command : {"ls", "export"}) {
        const CommandLine line(withProgramName(
            {command, "--account=a", "--recursive", "--include=*.mkv", "--include=工作/",
             "--exclude=临时/", "--min-size=1.5k", "--max-size=2G", "--max-depth=0"}));
        ASSERT_EQ(line.action(), CommandLine::Action::RunSubcommand) << command;
        const ExportFilter& filter = line.subcommandOptions().filter;
        ASSERT_EQ(filter.includes.size(), 2);
        EXPECT_EQ(filter.includes[1].text(), "工作/");
        ASSERT_EQ(filter.excludes.size(), 1);
        EXPECT_TRUE(filter.excludes[0].namesFolders());
        EXPECT_EQ(filter.minSize, 1536);
        EXPECT_EQ(filter.maxSize, qint64(2) << 30);
        EXPECT_EQ(filter.maxDepth, 0);
    }
    EXPECT_TRUE(
        CommandLine(withProgramName({"ls", "--account=a"})).subcommandOptions().filter.isEmpty());
}

struct UsageErrorCase
{
    const char* name;
    QStringList arguments;
    const char* message; // what the error says, naming the value
};

class UsageErrorTest : public CommandLineTest, public ::testing::WithParamInterface<UsageErrorCase>
{
};

// Each usage error names its fault and ends the program with 2 before anything is sent.
TEST_P(UsageErrorTest, IsPrintedWithExitCodeTwo)
{
    const CommandLine line(withProgramName(GetParam().arguments));
    ASSERT_EQ(line.action(), CommandLine::Action::Print);
    EXPECT_TRUE(line.usageError().contains(QString::fromUtf8(GetParam().message)))
        << line.usageError().toStdString();
    EXPECT_EQ(line.print(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageErrorTest,
    ::testing::Values(
        UsageErrorCase{"UnknownCommand", {"lss"}, "unknown command \"lss\""},
        UsageErrorCase{"NoAccount", {"ls"}, "ls needs --account=<name>"},
        UsageErrorCase{"OptionOfTheOtherCommand",
                       {"export", "--account=demo", "--sha1"},
                       "unknown option --sha1"},
        UsageErrorCase{"TooManyInFlight",
                       {"ls", "--account=demo", "--parallel=17"},
                       "--parallel needs a number from 1 to 16"},
        UsageErrorCase{"RateOfZero",
                       {"export", "--account=demo", "--rate=0"},
                       "--rate needs a positive number of requests per second, not \"0\""},
        UsageErrorCase{"UnknownSort",
                       {"ls", "--account=demo", "--sort=newest"},
                       "--sort needs name, size or time"},
        UsageErrorCase{"UnknownFormat",
                       {"ls", "--account=demo", "--format=xml"},
                       "--format needs tsv or json"},
        UsageErrorCase{"TwoFolders", {"ls", "--account=demo", "/a", "/b"}, "one FOLDER at most"},
        UsageErrorCase{
            "BadFolderId", {"ls", "--account=demo", "cid:12a"}, "\"cid:12a\" is no folder id"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Filters, UsageErrorTest,
    ::testing::Values(
        UsageErrorCase{"UnclosedClass",
                       {"ls", "--account=a", "--include=*.mkv", "--include=年[度"},
                       "--include: the [ in \"年[度\" is never closed"},
        UsageErrorCase{"EmptyPattern",
                       {"export", "--account=a", "--exclude="},
                       "--exclude needs a pattern, not \"\""},
        UsageErrorCase{"UnknownUnit", {"ls", "--account=a", "--min-size=12Q"}, "not \"12Q\""},
        UsageErrorCase{"NegativeSize", {"export", "--account=a", "--max-size=-5"}, "not \"-5\""},
        UsageErrorCase{"SizeBeyond64Bits",
                       {"ls", "--account=a", "--max-size=9000000T"},
                       "--max-size: \"9000000T\" is more bytes than a file can have"},
        UsageErrorCase{"MinAboveMax",
                       {"ls", "--account=a", "--min-size=2G", "--max-size=1G"},
                       "--min-size=2G is above --max-size=1G"},
        UsageErrorCase{"DepthWithoutRecursive",
                       {"export", "--account=a", "--max-depth=1"},
                       "--max-depth=1 needs --recursive"},
        UsageErrorCase{"NegativeDepth",
                       {"ls", "--account=a", "--recursive", "--max-depth=-1"},
                       "--max-depth needs a number of folders, 0 or more, not \"-1\""},
        UsageErrorCase{"DepthNoNumber",
                       {"ls", "--account=a", "--recursive", "--max-depth=two"},
                       "not \"two\""}),
    CaseName());

// The parser's refusals read as the other usage errors; an unknown option names the command's
// closest one when it is a slip of the keys away, and --lang takes zh or en alone.
TEST_F(CommandLineTest, ParserErrorsAreWordedAsTheOthers)
{
    const struct
    {
        QStringList arguments;
        const char* error;
    } cases[] = {
        {{"ls", "--acount=demo"}, "unknown option --acount; did you mean --account?"},
        {{"export", "--account=a", "--quite"}, "unknown option --quite; did you mean --quiet?"},
        {{"ls", "-Recursive", "--account=a"},
         "unknown option -Recursive; did you mean --recursive?"},
        {{"--servce=http://127.0.0.1:1"}, "unknown option --servce; did you mean --service?"},
        {{"logout", "--account=a", "--save-pasword"}, "unknown option --save-pasword"},
        {{"ls", "--account=a", "-x"}, "unknown option -x"},
        {{"ls", "--account"}, "--account needs a value: --account=<name>"},
        {{"ls", "--account=a", "--recursive=yes"}, "--recursive takes no value, not \"yes\""},
        {{"ls", "--account=a", "--lang=fr"}, "--lang needs zh or en, not \"fr\""},
        {{"--lang", "zh", "--lang", "EN"}, "--lang needs zh or en, not \"EN\""},
    };
    for (const auto& c : cases) {
        const CommandLine line(withProgramName(c.arguments));
        EXPECT_EQ(line.action(), CommandLine::Action::Print) << c.error;
        EXPECT_EQ(line.usageError(), QString::fromUtf8(c.error));
    }
    EXPECT_EQ(CommandLine(withProgramName({"--lang=zh"})).action(),
              CommandLine::Action::OpenWindow);
    EXPECT_EQ(CommandLine(withProgramName({"login", "--account=a", "--lang", "en"})).action(),
              CommandLine::Action::RunSubcommand);
}

// ZORBEL_ACCOUNT and ZORBEL_SERVICE stand in for options not given; a given option wins.
TEST_F(CommandLineTest, EnvironmentGivesAccountAndServiceDefaults)
{
    const ScopedEnvironment account(AccountVariable, "张三");
    const ScopedEnvironment service(ServiceVariable, "http://127.0.0.1:7");
    for (const char* command : {"ls", "export", "login", "logout"}) {
        const CommandLine defaults(withProgramName({QString::fromLatin1(command)}));
        ASSERT_EQ(defaults.action(), CommandLine::Action::RunSubcommand) << command;
        EXPECT_EQ(defaults.subcommandOptions().account, "张三") << command;
        EXPECT_EQ(defaults.subcommandOptions().serviceBase, "http://127.0.0.1:7") << command;

        const CommandLine given(withProgramName(
            {QString::fromLatin1(command), "--account=demo", "--service=http://127.0.0.1:8"}));
        EXPECT_EQ(given.subcommandOptions().account, "demo") << command;
        EXPECT_EQ(given.subcommandOptions().serviceBase, "http://127.0.0.1:8") << command;
    }
    const ScopedEnvironment badService(ServiceVariable, "127.0.0.1:7");
    EXPECT_EQ(CommandLine(withProgramName({"logout"})).action(), CommandLine::Action::Print);
}

} // namespace
