#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

// The options of the command line, for the window and the commands (CommandLine picks those of
// each).

/** An option of the command line. Its description is made each time the option is, in the run's
 *  language: the translations are installed long after static initialisation. */
struct OptionText
{
    QStringList names;
    QString (*description)();
    QString valueName = {};
    QString defaultValue = {};

    // Implicit, so that the parser takes it wherever it takes an option.
    operator QCommandLineOption() const
    {
        return QCommandLineOption(names, description(), valueName, defaultValue);
    }
};

extern const OptionText AccountOption;
extern const OptionText ServiceOption;
extern const OptionText SavePasswordOption;
extern const OptionText CaFileOption;
extern const OptionText LanguageOption;
extern const OptionText RecursiveOption;
extern const OptionText ParallelOption;
extern const OptionText RateOption;
extern const OptionText SortOption;
extern const OptionText QuietOption;
extern const OptionText Sha1Option;
extern const OptionText KeepGoingOption;
extern const OptionText RefreshOption;
extern const OptionText FormatOption;
extern const OptionText OutOption;
extern const OptionText IncludeOption;
extern const OptionText ExcludeOption;
extern const OptionText MinSizeOption;
extern const OptionText MaxSizeOption;
extern const OptionText MaxDepthOption;
extern const OptionText TourOption;
extern const OptionText HelpOption;
extern const OptionText VersionOption;
