#include "CommandLineOptions.h"

#include "platform/HttpTransport.h"

#include <QCoreApplication>

const OptionText AccountOption{
    {QStringLiteral("account")},
    [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "The account to sign in with (required; default: the environment variable "
            "ZORBEL_ACCOUNT). The password comes from the environment variable ZORBEL_PASSWORD; "
            "without it ls and export use the session that login kept in the keyring, else the "
            "password is asked for on the terminal.");
    },
    QStringLiteral("name")};
const OptionText ServiceOption{
    {QStringLiteral("service")},
    [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "Talk to the service at <url> (e.g. http://127.0.0.1:8123 or https://...) instead of "
            "the built-in hosts (default for the commands: the environment variable "
            "ZORBEL_SERVICE).");
    },
    QStringLiteral("url")};
const OptionText SavePasswordOption{
    {QStringLiteral("save-password")}, [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "Keep the password in the keyring too, so that a session the service "
            "ends is renewed without asking; without it a kept password is removed.");
    }};
const OptionText CaFileOption{
    {QStringLiteral("ca-file")},
    [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "Trust the certificates in the PEM file <path> for https, besides the system's.");
    },
    QStringLiteral("path")};
const OptionText LanguageOption{
    {QStringLiteral("lang")},
    [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "Speak <lang>: zh for Chinese, en for English (default: the language that LANGUAGE, "
            "LC_ALL, LC_MESSAGES or LANG names first, else English for the commands and Chinese "
            "for the window).");
    },
    QStringLiteral("lang")};
const OptionText RecursiveOption{{QStringLiteral("recursive")}, [] {
                                     return QCoreApplication::translate(
                                         "CommandLineOptions",
                                         "Include every subfolder, depth first.");
                                 }};
const OptionText ParallelOption{
    {QStringLiteral("parallel")},
    [] {
        return QCoreApplication::translate(
                   "CommandLineOptions",
                   "Keep up to <n> requests in flight at once, 1 to %1 (default %2); fewer, for a "
                   "while, after the service answers 429 or 503.")
            .arg(RequestsInFlightLimit)
            .arg(MaxRequestsInFlight);
    },
    QStringLiteral("n"),
    QString::number(MaxRequestsInFlight)};
const OptionText RateOption{{QStringLiteral("rate")},
                            [] {
                                return QCoreApplication::translate(
                                    "CommandLineOptions",
                                    "Start at most <n> requests per second, evenly spaced; "
                                    "decimals such as 0.5 allowed (default: no limit).");
                            },
                            QStringLiteral("n")};
const OptionText SortOption{
    {QStringLiteral("sort")},
    [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "List in the order <order>: name, size or time, the last name, largest or newest "
            "first; with -asc appended (name-asc, size-asc, time-asc) the other way round "
            "(default time).");
    },
    QStringLiteral("order"),
    QStringLiteral("time")};
const OptionText QuietOption{{QStringLiteral("quiet")}, [] {
                                 return QCoreApplication::translate(
                                     "CommandLineOptions", "Show no progress on standard error.");
                             }};
const OptionText Sha1Option{{QStringLiteral("sha1")}, [] {
                                return QCoreApplication::translate(
                                    "CommandLineOptions",
                                    "Add each file's SHA1, read from its download "
                                    "page (several at once).");
                            }};
const OptionText KeepGoingOption{
    {QStringLiteral("keep-going")}, [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "Leave out a file whose download page, or a folder whose listing, still fails after "
            "its retries, write everything else, name each on standard error and exit with 3.");
    }};
const OptionText RefreshOption{
    {QStringLiteral("refresh")}, [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "Fetch every download page again instead of taking SHA1s from the "
            "store (~/.cache/zorbel-extract/), and update the store.");
    }};
const OptionText FormatOption{
    {QStringLiteral("format")},
    [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "Write <format>: tsv, tab-separated with a header line (default), or "
            "json, one array of objects.");
    },
    QStringLiteral("format"),
    QStringLiteral("tsv")};
const OptionText OutOption{
    {QStringLiteral("out")},
    [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "Write the three export files into <dir> (default: the working folder).");
    },
    QStringLiteral("dir")};
const OptionText IncludeOption{
    {QStringLiteral("include")},
    [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "Take only files whose path below FOLDER matches <glob>; repeatable, a file matching "
            "any one is taken. * matches within one folder name, ** across folders, ? one "
            "character, [...] one of a class; a glob without / matches the file name at any "
            "depth; one ending in / names folders, whose files it takes. Case is ignored.");
    },
    QStringLiteral("glob")};
const OptionText ExcludeOption{
    {QStringLiteral("exclude")},
    [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "Leave out files whose path matches <glob> (as for --include); "
            "repeatable. A glob ending in / names folders, which are then not "
            "listed at all.");
    },
    QStringLiteral("glob")};
const OptionText MinSizeOption{
    {QStringLiteral("min-size")},
    [] {
        return QCoreApplication::translate(
            "CommandLineOptions", "Take only files of at least <size>: bytes, or with K, M, G or T "
                                  "(powers of 1024), such as 700M or 1.5G.");
    },
    QStringLiteral("size")};
const OptionText MaxSizeOption{{QStringLiteral("max-size")},
                               [] {
                                   return QCoreApplication::translate(
                                       "CommandLineOptions", "Take only files of at most <size>.");
                               },
                               QStringLiteral("size")};
const OptionText MaxDepthOption{
    {QStringLiteral("max-depth")},
    [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "With --recursive, descend at most <n> folders below FOLDER (0: FOLDER alone).");
    },
    QStringLiteral("n")};
const OptionText TourOption{
    {QStringLiteral("tour")},
    [] {
        return QCoreApplication::translate(
            "CommandLineOptions",
            "Walk the window through the demo service's sample drive without waiting for input, "
            "save a screenshot of every step into <dir>, then exit (non-zero when a step went "
            "wrong). Runs offscreen when there is no display.");
    },
    QStringLiteral("dir")};
const OptionText HelpOption{
    {QStringLiteral("h"), QStringLiteral("help")},
    [] { return QCoreApplication::translate("CommandLineOptions", "Show this help."); }};
const OptionText VersionOption{{QStringLiteral("v"), QStringLiteral("version")}, [] {
                                   return QCoreApplication::translate(
                                       "CommandLineOptions", "Show the program's version.");
                               }};
