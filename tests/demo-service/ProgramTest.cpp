#include "CaseName.h"
#include "DemoService.h"
#include "SelfSignedCertificate.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>

namespace {

const QString Program = QStringLiteral(DEMO_SERVICE_PROGRAM);

struct Stop
{
    const char* name;
    int signal;
};

class DemoServiceProgramStopTest : public ::testing::TestWithParam<Stop>
{
};

TEST_P(DemoServiceProgramStopTest, PrintsAddressAndAccountServesAndStopsCleanly)
{
    QProcess process;
    process.start(Program, {});
    ASSERT_TRUE(process.waitForStarted());
    QByteArray output;
    while (output.count('\n') < 3 && process.waitForReadyRead(10000))
        output += process.readAllStandardOutput();
    const QList<QByteArray> lines = output.split('\n');
    ASSERT_GE(lines.size(), 3) << output.constData();
    EXPECT_TRUE(lines[0].startsWith("http://127.0.0.1:")) << lines[0].constData();
    EXPECT_EQ(lines[1], "account: " + DemoService::account().toUtf8());
    EXPECT_EQ(lines[2], "password: " + DemoService::password().toUtf8());

    httplib::Client client(lines[0].toStdString());
    const httplib::Result login =
        client.Post("/?ac=login", "login[account]=demo&login[passwd]=zorbel-demo",
                    "application/x-www-form-urlencoded");
    ASSERT_TRUE(login);
    EXPECT_TRUE(login->has_header("Set-Cookie"));

    ::kill(pid_t(process.processId()), GetParam().signal);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Signals, DemoServiceProgramStopTest,
                         ::testing::Values(Stop{"Sigterm", SIGTERM}, Stop{"Sigint", SIGINT}),
                         CaseName());

TEST(DemoServiceProgramTest, ListensOnTheGivenPort)
{
    DemoService probe; // finds a free port, then gives it back
    ASSERT_TRUE(probe.start());
    const int port = probe.port();
    probe.stop();

    QProcess process;
    process.start(Program, {"--port", QString::number(port)});
    ASSERT_TRUE(process.waitForReadyRead(10000));
    EXPECT_EQ(process.readLine().trimmed(), QStringLiteral("http://127.0.0.1:%1").arg(port));
    process.terminate();
    EXPECT_TRUE(process.waitForFinished(10000));
}

struct BadStart
{
    QStringList arguments;
    int exitCode;
};

class DemoServiceProgramArgumentsTest : public ::testing::TestWithParam<BadStart>
{
};

TEST_P(DemoServiceProgramArgumentsTest, ExitsWithAMessage)
{
    QProcess process;
    process.start(Program, GetParam().arguments);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), GetParam().exitCode);
    EXPECT_FALSE(process.readAllStandardError().isEmpty());
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, DemoServiceProgramArgumentsTest,
    ::testing::Values(
        BadStart{{"--port"}, 2}, BadStart{{"--port", "x"}, 2}, BadStart{{"--port=70000"}, 2},
        BadStart{{"--verbose"}, 2}, BadStart{{"--tls-cert=cert.pem"}, 2},
        BadStart{{"--tls-key=key.pem"}, 2},
        BadStart{{"--tls-cert=/nonexistent/cert.pem", "--tls-key=/nonexistent/key.pem"}, 1}));

TEST(DemoServiceProgramTest, ServesHttpsWithTheGivenPair)
{
    const SelfSignedCertificate certificate;
    ASSERT_EQ(certificate.error().toStdString(), "");
    QProcess process;
    process.start(Program, {"--tls-cert=" + certificate.certificateFile(),
                            "--tls-key=" + certificate.keyFile()});
    ASSERT_TRUE(process.waitForReadyRead(10000));
    const QByteArray address = process.readLine().trimmed();
    ASSERT_TRUE(address.startsWith("https://127.0.0.1:")) << address.constData();

    httplib::Client client(address.toStdString());
    client.set_ca_cert_path(certificate.certificateFile().toStdString());
    const httplib::Result login =
        client.Post("/?ac=login", "login[account]=demo&login[passwd]=zorbel-demo",
                    "application/x-www-form-urlencoded");
    ASSERT_TRUE(login) << httplib::to_string(login.error());
    EXPECT_TRUE(login->has_header("Set-Cookie"));
    process.terminate();
    EXPECT_TRUE(process.waitForFinished(10000));
}

TEST(DemoServiceProgramTest, TakenPortIsReported)
{
    DemoService occupant;
    ASSERT_TRUE(occupant.start());
    QProcess process;
    process.start(Program, {QStringLiteral("--port=%1").arg(occupant.port())});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("cannot listen"));
}

} // namespace
