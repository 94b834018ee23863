#include "platform/Desktop.h"
#include "service/settings.h"
#include "text/JSON.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every test starts from the process state the program starts with: signed
// out, the built-in hosts and limits, no desktop installed, an empty parse
// log. Runs before the test's fixture is built, so fixtures only set what
// they need.
class ProcessStateReset final : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override
    {
        ResetServiceSettings();
        SetDesktop(nullptr);
        ResetParseErrors();
    }
};

} // namespace

// Every test binary runs with a QApplication on the offscreen platform, so
// window tests, clipboard and event loops work without a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests talk to their own servers on loopback, directly, whatever proxy the
    // machine's environment names; the tests of proxy use set these themselves.
    for (const char* proxyVariable : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy",
                                      "ALL_PROXY", "no_proxy", "NO_PROXY"})
        qunsetenv(proxyVariable);
    // The user's own settings, caches and data stay untouched: this process and every program
    // it starts find their homes in a folder of their own, removed at the end.
    const QTemporaryDir home;
    for (const auto& [variable, folder] : {std::pair{"HOME", ""},
                                           {"XDG_CONFIG_HOME", "config"},
                                           {"XDG_CACHE_HOME", "cache"},
                                           {"XDG_DATA_HOME", "data"}}) {
        const QString path = home.filePath(QString::fromLatin1(folder));
        QDir().mkpath(path);
        qputenv(variable, QFile::encodeName(path));
    }
    // Nor their keyring: no display to autolaunch a D-Bus from and no session bus, so the
    // keyring cannot be reached, unless the keyring tests' script started a bus of its own
    // with a throwaway keyring and named it in ZORBEL_TEST_BUS.
    qunsetenv("DISPLAY");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    if (const QByteArray bus = qgetenv("ZORBEL_TEST_BUS"); !bus.isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    // D-Bus looks for a session bus in the runtime folder when no address is named.
    const QString runtime = home.filePath(QStringLiteral("run"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ProcessStateReset);
    return RUN_ALL_TESTS();
}
