#include "language/Language.h"

#include "ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace {

struct EnvironmentCase
{
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    std::optional<Language> expected;
};

// The first variable that names Chinese or English decides; C, POSIX and other languages
// pass the choice on.
TEST(RunLanguageTest, FirstVariableNamingALanguageDecides)
{
    const std::optional<Language> none;
    const EnvironmentCase cases[] = {
        {"", "", "", "", none},
        {"", "", "", "C", none},
        {"", "POSIX", "", "C.UTF-8", none},
        {"", "", "", "zh_CN.UTF-8", Language::Chinese},
        {"", "", "", "en_US.UTF-8", Language::English},
        {"", "", "zh_TW.UTF-8", "en_US.UTF-8", Language::Chinese},
        {"", "en_GB.UTF-8", "zh_CN.UTF-8", "zh_CN.UTF-8", Language::English},
        {"zh_CN:en", "en_US.UTF-8", "", "", Language::Chinese},
        {"fr_FR", "C", "", "en_US.UTF-8", Language::English},
        {"de", "", "", "fr_FR.UTF-8", none},
    };
    for (const EnvironmentCase& c : cases) {
        const ScopedEnvironment language("LANGUAGE", c.language);
        const ScopedEnvironment lcAll("LC_ALL", c.lcAll);
        const ScopedEnvironment lcMessages("LC_MESSAGES", c.lcMessages);
        const ScopedEnvironment lang("LANG", c.lang);
        EXPECT_EQ(LanguageFromEnvironment(), c.expected)
            << c.language << " | " << c.lcAll << " | " << c.lcMessages << " | " << c.lang;
    }
}

// --lang=zh|en wins over the environment, in any of the parser's spellings; any other value
// leaves the choice to the environment (the command line then reports it).
TEST(RunLanguageTest, LangOptionWinsOverTheEnvironment)
{
    const ScopedEnvironment lang("LANG", "zh_CN.UTF-8");
    const struct
    {
        QStringList arguments;
        Language expected;
    } cases[] = {
        {{"zorbel-extract", "ls", "--lang=en"}, Language::English},
        {{"zorbel-extract", "--lang", "en"}, Language::English},
        {{"zorbel-extract", "-lang=en", "export"}, Language::English},
        {{"zorbel-extract", "--lang=en", "--lang=zh"}, Language::Chinese},
        {{"zorbel-extract", "--lang=fr"}, Language::Chinese},
        {{"zorbel-extract", "--", "--lang=en"}, Language::Chinese},
        {{"zorbel-extract", "ls"}, Language::Chinese},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunLanguage(c.arguments, Language::English), c.expected)
            << c.arguments.join(u' ').toStdString();
    const ScopedEnvironment noLang("LANG", "C");
    EXPECT_EQ(RunLanguage({"zorbel-extract"}, Language::English), Language::English);
    EXPECT_EQ(RunLanguage({"zorbel-extract"}, Language::Chinese), Language::Chinese);
}

} // namespace
