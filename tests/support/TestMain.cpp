#include "PrivateHome.h"
#include "language/Language.h"

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
    // The user's own settings, caches, data and keyring stay untouched; the keyring tests'
    // script may name a bus of its own with a throwaway keyring in ZORBEL_TEST_BUS.
    const QTemporaryDir home;
    UsePrivateHome(home, qgetenv("ZORBEL_TEST_BUS"));
    // Programs a test starts get no language from the machine: the window speaks Chinese and
    // the command line English unless the test names one. The tests themselves run in Chinese,
    // in which the window's texts are the source texts.
    for (const char* languageVariable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(languageVariable);
    qputenv("LANG", "C.UTF-8");
    TestApplication app(argc, argv);
    UseLanguage(Language::Chinese);
    ::testing::InitGoogleTest(&argc, argv);
    // GoogleTest owns and deletes the listener.
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new FreshCacheFolder(home.filePath(QStringLiteral("cache"))));
    return RUN_ALL_TESTS();
}
