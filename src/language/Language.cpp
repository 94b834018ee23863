#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>
#include <memory>

namespace {

const QString LanguageOptionName = QStringLiteral("lang");

QString catalogSuffix(Language language)
{
    return language == Language::Chinese ? QStringLiteral("zh_CN") : QStringLiteral("en");
}

// Installed translators live as long as the application that uses them; one set per run.
std::array<std::unique_ptr<QTranslator>, 2> g_translators;

} // namespace

std::optional<Language> LanguageNamed(const QString& name)
{
    // LANGUAGE holds a list in order of preference; the first entry decides.
    const QString first = name.section(u':', 0, 0).toLower();
    if (first.startsWith(QLatin1String("zh")))
        return Language::Chinese;
    if (first.startsWith(QLatin1String("en")))
        return Language::English;
    return std::nullopt;
}

std::optional<Language> LanguageFromEnvironment()
{
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const std::optional<Language> named = LanguageNamed(qEnvironmentVariable(variable)))
            return named;
    }
    return std::nullopt;
}

std::optional<QString> LanguageArgument(const QStringList& arguments)
{
    std::optional<QString> value;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        // The command line reads single-dash words as long options too.
        if (argument.startsWith(QLatin1String("--")))
            argument.remove(0, 1);
        if (argument == u'-' + LanguageOptionName) {
            if (i + 1 < arguments.size())
                value = arguments[++i];
        } else if (argument.startsWith(u'-' + LanguageOptionName + u'=')) {
            value = argument.mid(LanguageOptionName.size() + 2);
        }
    }
    return value;
}

Language RunLanguage(const QStringList& arguments, Language fallback)
{
    // --lang takes exactly "zh" or "en"; the command line reports any other value.
    if (const std::optional<QString> given = LanguageArgument(arguments)) {
        if (*given == QLatin1String("zh"))
            return Language::Chinese;
        if (*given == QLatin1String("en"))
            return Language::English;
    }
    return LanguageFromEnvironment().value_or(fallback);
}

void UseLanguage(Language language)
{
    for (std::unique_ptr<QTranslator>& translator : g_translators) {
        if (translator)
            QCoreApplication::removeTranslator(translator.get());
        translator = std::make_unique<QTranslator>();
    }
    const QString suffix = catalogSuffix(language);
    if (g_translators[0]->load(QStringLiteral(":/i18n/zorbel_") + suffix))
        QCoreApplication::installTranslator(g_translators[0].get());
    // Qt's own texts come from the system's catalogs; without them Qt speaks English.
    if (g_translators[1]->load(QStringLiteral("qtbase_") + suffix,
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(g_translators[1].get());
}
