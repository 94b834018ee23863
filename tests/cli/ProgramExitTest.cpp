#include "CaseName.h"
#include "DemoServiceFixture.h"
#include "ProgramRun.h"

#include <QRegularExpression>
#include <chrono>

using namespace std::chrono_literals;

namespace {

const QString Password = QStringLiteral("zorbel-demo");

enum class Stream
{
    Out,
    Err
};

struct ExitCase
{
    const char* name;
    QStringList arguments; // a command's get --service= the demo service
    std::optional<QString> password;
    int exitCode;
    Stream stream;
    const char* pattern; // what that stream says
};

class ProgramExitTest : public DemoServiceFixture, public ::testing::WithParamInterface<ExitCase>
{
};

// Help, version and every command run without a display; the window without one says what
// to do instead. Each way of failing has its own exit code and a message naming the fault; the
// command line's other usage errors are the parser's own table test.
TEST_P(ProgramExitTest, ExitsWithItsCodeAndSaysWhy)
{
    const ExitCase& c = GetParam();
    QStringList arguments = c.arguments;
    if (!arguments.isEmpty() && !arguments[0].startsWith(u'-'))
        arguments.append(QStringLiteral("--service=") + service.baseUrl());

    const ProgramRun run = RunProgram(arguments, c.password);

    EXPECT_EQ(run.exitCode, c.exitCode) << run.err.constData();
    const QString said = QString::fromUtf8(c.stream == Stream::Out ? run.out : run.err);
    EXPECT_TRUE(said.contains(QRegularExpression(QString::fromUtf8(c.pattern))))
        << said.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramExitTest,
    ::testing::Values(
        ExitCase{"Help",
                 {"--help"},
                 {},
                 0,
                 Stream::Out,
                 "zorbel-extract ls .*\n.*zorbel-extract export"},
        ExitCase{"ListHelp",
                 {"ls", "--help"},
                 {},
                 0,
                 Stream::Out,
                 "ls --account=<name>(.|\n)*--sha1(.|\n)*--format"},
        ExitCase{"ExportHelp", {"export", "-h"}, {}, 0, Stream::Out, "--out <dir>"},
        ExitCase{"Version", {"--version"}, {}, 0, Stream::Out, "^zorbel-extract \\d+\\.\\d+\n$"},
        ExitCase{"WindowWithoutDisplay",
                 {},
                 {},
                 1,
                 Stream::Err,
                 "^zorbel-extract: no display.*--tour.*ls and export[^\n]*\n$"},
        ExitCase{"UnknownCommand", {"lss"}, {}, 2, Stream::Err, "unknown command \"lss\""},
        ExitCase{"NoPassword",
                 {"ls", "--account=demo"},
                 {},
                 2,
                 Stream::Err,
                 "no password: set the environment variable ZORBEL_PASSWORD"},
        ExitCase{"LoginRefused",
                 {"ls", "--account=demo"},
                 QStringLiteral("wrong"),
                 1,
                 Stream::Err,
                 "^Error: Sign-in failed! Check the account and the password\n$"},
        ExitCase{"MissingStep",
                 {"ls", "--account=demo", "--quiet", "/我的文档/工作/nope/x"},
                 Password,
                 1,
                 Stream::Err,
                 "^zorbel-extract: no folder \"nope\" in \"/我的文档/工作\"\n$"},
        ExitCase{"LoginHelp", {"login", "--help"}, {}, 0, Stream::Out, "--save-password"},
        ExitCase{"LoginTakesNoFolder",
                 {"login", "--account=demo", "/a"},
                 Password,
                 2,
                 Stream::Err,
                 "login takes no FOLDER"},
        // The suite runs without a D-Bus session: no keyring, and login says what to do instead.
        ExitCase{"LoginWithoutKeyring",
                 {"login", "--account=demo"},
                 Password,
                 1,
                 Stream::Err,
                 "^zorbel-extract: no OS keyring to keep the session in: .*ZORBEL_PASSWORD"},
        ExitCase{"LogoutWithoutKeyring",
                 {"logout", "--account=demo"},
                 {},
                 1,
                 Stream::Err,
                 "cannot remove what is kept for demo: the keyring cannot be used"},
        ExitCase{"UnusableAccount",
                 {"export", "--account=../demo"},
                 Password,
                 1,
                 Stream::Err,
                 "^Error: The account cannot name the export files"}),
    CaseName());

// Nothing is sent without a password: the refusal comes before the sign-in.
TEST_F(ProgramExitTest, WithoutAPasswordNothingIsSent)
{
    const ProgramRun run =
        RunProgram({"export", "--account=demo", "--service=" + service.baseUrl()}, std::nullopt);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(service.requests().isEmpty());
}

// A listing the service keeps failing is tried again as the retries allow, then the command
// fails with the window's message and writes nothing.
TEST_F(ProgramExitTest, FetchFailingAfterItsRetriesExitsWithOne)
{
    DemoService::Fault busy;
    busy.status = 503;
    busy.retryAfter = "0";
    service.setFault(DemoService::Endpoint::Files, busy);

    const ProgramRun run = RunProgram(
        {"ls", "--account=demo", "--quiet", "cid:1001", "--service=" + service.baseUrl()},
        Password);

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QRegularExpression(
        QStringLiteral("^\\S+: Cannot read .*503.*still failing after several retries"))))
        << run.err.constData();
    EXPECT_EQ(listingTargets().size(), 4) << "one try and three more";
}

} // namespace
