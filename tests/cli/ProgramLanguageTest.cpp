#include "DemoServiceFixture.h"
#include "ProgramRun.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

enum class Speech
{
    English,
    Chinese
};

/** How a run is told its language: the environment, and --lang at the end of the arguments. */
struct LanguageSetting
{
    const char* name;
    QList<std::pair<const char*, const char*>> environment;
    QStringList arguments;
    Speech speech;
};

enum class Service
{
    Running,
    Stopped, // a port nothing listens on any more: the connection is refused
};

/** One message of the command line, the same in every language: `pattern` finds its values
 *  ("%OUT%" stands for the export's folder). */
struct MessageCase
{
    const char* name;
    QStringList arguments;
    std::optional<QString> password;
    Service service;
    int exitCode;
    const char* pattern;
};

struct LanguageCase
{
    LanguageSetting setting;
    MessageCase message;
};

const QString Password = QStringLiteral("zorbel-demo");

const QRegularExpression Cjk(QStringLiteral("[\\x{3000}-\\x{303f}\\x{3040}-\\x{30ff}"
                                            "\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));

// What a Chinese line may hold in Latin letters: the program's and options' names, paths and
// addresses, quoted values, the values of --lang, names in capitals (ZORBEL_PASSWORD, SHA1), cid:
// and the libraries' own words in brackets.
const QRegularExpression AllowedLatin(QStringLiteral(
    "zorbel-extract|--?[a-z][a-z0-9-]*(=[A-Za-z0-9_./:-]*)?|https?://[A-Za-z0-9.:/_-]+|"
    "/[A-Za-z0-9_./~+-]*|\"[^\"]*\"|\\b(zh|en)\\b|\\b[A-Z][A-Z0-9_]+\\b|"
    "\\bcid:\\d+|\\([^)]*\\)|\\x{ff08}[^\\x{ff09}]*\\x{ff09}"));
const QRegularExpression LatinWord(QStringLiteral("[A-Za-z]{2,}"));

QString caseName(const LanguageCase& c)
{
    return QString::fromLatin1(c.message.name) + QString::fromLatin1(c.setting.name);
}

void PrintTo(const LanguageCase& c, std::ostream* out)
{
    *out << caseName(c).toStdString();
}

class ProgramLanguageTest : public DemoServiceFixture,
                            public ::testing::WithParamInterface<LanguageCase>
{
protected:
    ProgramRun run()
    {
        const LanguageCase& c = GetParam();
        QProcessEnvironment environment = ProgramEnvironment(c.message.password);
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            environment.remove(QString::fromLatin1(name));
        for (const auto& [name, value] : c.setting.environment)
            environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
        QStringList arguments = c.message.arguments;
        arguments.replaceInStrings(QStringLiteral("%OUT%"), out.path());
        const QString base = service.baseUrl();
        if (c.message.service == Service::Stopped)
            service.stop();
        arguments << QStringLiteral("--service=") + base << c.setting.arguments;
        QProcess process;
        StartProgram(process, arguments, environment);
        return EndOf(process);
    }

    QTemporaryDir out;
};

// Every line the command line says starts with its name and is in the run's language alone:
// --lang wins over the environment, which wins over English. Exit codes do not depend on it.
TEST_P(ProgramLanguageTest, SpeaksOneLanguageInOneVoice)
{
    const LanguageCase& c = GetParam();
    const ProgramRun ran = run();

    EXPECT_EQ(ran.exitCode, c.message.exitCode) << ran.err.constData();
    const QString said = QString::fromUtf8(ran.err);
    EXPECT_TRUE(said.contains(QRegularExpression(
        QString::fromUtf8(c.message.pattern)
            .replace(QStringLiteral("%OUT%"), QRegularExpression::escape(out.path())))))
        << said.toStdString();
    ASSERT_TRUE(said.endsWith(u'\n')) << said.toStdString();
    const QStringList lines = said.chopped(1).split(u'\n');
    for (const QString& line : lines) {
        ASSERT_TRUE(line.startsWith(QLatin1String("zorbel-extract: "))) << line.toStdString();
        if (c.setting.speech == Speech::English) {
            EXPECT_FALSE(line.contains(Cjk)) << line.toStdString();
        } else {
            EXPECT_TRUE(line.contains(Cjk)) << line.toStdString();
            const QString rest = QString(line).remove(AllowedLatin);
            EXPECT_FALSE(rest.contains(LatinWord)) << line.toStdString();
        }
    }
}

// The window's own refusals come before its application exists, or from Qt's fatal message
// after the command line's application has ended: both are said in the run's language.
TEST(ProgramWindowLanguageTest, WithoutAUsableDisplayTheWindowSaysWhyInTheRunsLanguage)
{
    for (const char* display : {"", ":987"}) {
        for (const Speech speech : {Speech::English, Speech::Chinese}) {
            QProcessEnvironment environment = ProgramEnvironment(std::nullopt);
            if (*display)
                environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
            QProcess process;
            StartProgram(process,
                         {speech == Speech::English ? QStringLiteral("--lang=en")
                                                    : QStringLiteral("--lang=zh")},
                         environment);
            const ProgramRun ran = EndOf(process);

            EXPECT_EQ(ran.exitCode, 1) << display;
            // Qt's own log lines about the display may come first; the last line is ours.
            const QString last = QString::fromUtf8(ran.err).trimmed().section(u'\n', -1);
            EXPECT_TRUE(last.startsWith(QLatin1String("zorbel-extract: "))) << last.toStdString();
            EXPECT_TRUE(last.contains(QLatin1String("--tour=<dir>"))) << last.toStdString();
            EXPECT_EQ(last.contains(Cjk), speech == Speech::Chinese) << last.toStdString();
        }
    }
}

const LanguageSetting Settings[] = {
    {"LangC", {{"LANG", "C"}}, {}, Speech::English},
    {"LangEnglish", {{"LANG", "en_US.UTF-8"}}, {}, Speech::English},
    {"LangChinese", {{"LANG", "zh_CN.UTF-8"}}, {}, Speech::Chinese},
    {"EnglishOverChinese", {{"LANG", "zh_CN.UTF-8"}}, {"--lang=en"}, Speech::English},
    {"ChineseOverEnglish",
     {{"LANG", "en_US.UTF-8"}, {"LC_ALL", "en_US.UTF-8"}},
     {"--lang", "zh"},
     Speech::Chinese},
};

const MessageCase Messages[] = {
    {"UsageError",
     {"ls", "--account=demo", "--parallel=99"},
     {},
     Service::Running,
     2,
     "--parallel.*\"99\".*\n.*\"zorbel-extract ls --help\""},
    {"ParserSuggestion",
     {"export", "--acount=demo"},
     {},
     Service::Running,
     2,
     "^zorbel-extract: [^\n]*--acount[^\n]*--account"},
    {"LanguageNotKnown",
     {"login", "--account=demo", "--lang=fr"},
     {},
     Service::Running,
     2,
     "--lang[^\n]*zh[^\n]*en[^\n]*\"fr\""},
    {"ExportSummary",
     {"export", "--account=demo", "--out=%OUT%", "cid:1011"},
     Password,
     Service::Running,
     0,
     "%OUT%[^\n]*\n$"},
    {"LoginWithoutKeyring",
     {"login", "--account=demo"},
     Password,
     Service::Running,
     1,
     "ZORBEL_PASSWORD"},
    {"ServiceRefused",
     {"ls", "--account=demo", "--quiet"},
     Password,
     Service::Stopped,
     1,
     "^zorbel-extract: [^\n]*\\((Failed to connect|Couldn't connect)[^)]*\\)\n$"},
};

std::vector<LanguageCase> languageCases()
{
    std::vector<LanguageCase> cases;
    for (const MessageCase& message : Messages) {
        for (const LanguageSetting& setting : Settings) {
            cases.push_back({setting, message});
        }
    }
    return cases;
}

std::string languageCaseName(const ::testing::TestParamInfo<LanguageCase>& info)
{
    return caseName(info.param).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Runs, ProgramLanguageTest, ::testing::ValuesIn(languageCases()),
                         languageCaseName);

} // namespace
