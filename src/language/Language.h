#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/** The language a run speaks: its own texts, the messages it shares and Qt's. */
enum class Language
{
    Chinese,
    English
};

/** The language a locale or language name such as "zh_CN.UTF-8", "en" or "en_GB:fr" names
 *  first: zh* is Chinese, en* English; nothing for any other, "C" or "POSIX". */
std::optional<Language> LanguageNamed(const QString& name);
/** The language of the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that names one. */
std::optional<Language> LanguageFromEnvironment();
/** The value given to --lang among `arguments` (the program's name first), the last one when
 *  given more than once; nothing when it is not given. */
std::optional<QString> LanguageArgument(const QStringList& arguments);
/** The run's language: the one --lang names, else the environment's, else `fallback`. */
Language RunLanguage(const QStringList& arguments, Language fallback);

/** Makes the current application translate into `language`: the program's own texts and Qt's
 *  (buttons, dialogs, the command-line parser), the latter when the system has them. Replaces
 *  what an earlier call installed. */
void UseLanguage(Language language);
