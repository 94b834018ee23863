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
// log, and an empty cache folder of its own, so the SHA1 store one test fills
// is not the next one's. Runs before the test's fixture is built, so fixtures
// only set what they need.
class ProcessStateReset final : public ::testing::EmptyTestEventListener
{
public:
    explicit ProcessStateReset(QString cacheFolders) : m_cacheFolders(std::move(cacheFolders)) {}

private:
    void OnTestStart(const ::testing::TestInfo&) override
    {
        ResetServiceSettings();
        SetDesktop(nullptr);
        ResetParseErrors();
        const QString cache = m_cacheFolders + QStringLiteral("/%1").arg(++m_tests);
        QDir().mkpath(cache);
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache));
    }

    QString m_cacheFolders;
    int m_tests = 0;
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
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new ProcessStateReset(home.filePath(QStringLiteral("cache"))));
    return RUN_ALL_TESTS();
}
