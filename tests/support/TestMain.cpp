#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One main for every test binary, built once per kind of application: a Qt Core application
// where no test needs more, which starts fastest, a Gui one for the busy cursor and a Widgets
// one for the window. The state a test starts from is reset by the listeners the binary links
// (see ResetBeforeEachTest.h).
#if defined(ZORBEL_TEST_WIDGETS)
#include <QApplication>
using TestApplication = QApplication;
#elif defined(ZORBEL_TEST_GUI)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

namespace {

// Each test gets an empty cache folder of its own, so the SHA1 store one test fills is not the
// next one's.
class FreshCacheFolder final : public ::testing::EmptyTestEventListener
{
public:
    explicit FreshCacheFolder(QString parent) : m_parent(std::move(parent)) {}

private:
    void OnTestStart(const ::testing::TestInfo&) override
    {
        const QString cache = m_parent + QStringLiteral("/%1").arg(++m_tests);
        QDir().mkpath(cache);
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache));
    }

    QString m_parent;
    int m_tests = 0;
};

} // namespace

int main(int argc, char** argv)
{
    // The offscreen platform lets window tests, the clipboard and event loops work without a
    // display, here and in every program a test starts.
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
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // GoogleTest owns and deletes the listener.
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new FreshCacheFolder(home.filePath(QStringLiteral("cache"))));
    return RUN_ALL_TESTS();
}
