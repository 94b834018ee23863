#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <utility>

/** Why a filter's value was refused. The command line and the window each say it in their own
 *  words, naming the value. */
enum class FilterProblem
{
    None,
    EmptyPattern,
    UnclosedClass, // a `[` without its `]`
    NotASize,      // not a number of bytes with an optional K, M, G or T: "12Q", "-5"
    SizeTooLarge,  // beyond what 64 bits hold
};

/** One pattern of a filter, matched against paths relative to the exported folder
 *  ("工作/2012 年度报告/年报.pdf": steps joined by "/", none at either end). `*` is any run
 *  of characters within one step, `**` any run across steps (and, as a step of its own, also
 *  no step: `a/` `**` `/b` matches "a/b"), `?` one character, `[...]` one character of a class
 *  (ranges such as `a-z`; `!` or `^` first negates; never "/"); `\` makes the next character
 *  plain. A pattern without "/" is matched against the last step alone, so `*.mkv` finds a
 *  file at any depth; a leading "/" anchors it to the folder instead. A trailing "/" makes it
 *  name folders. Case is ignored (Unicode case folding). Matching takes time proportional to
 *  the path's length times the pattern's, whatever the pattern: no backtracking. */
class PathGlob
{
public:
    /** The pattern as given. */
    const QString& text() const { return m_text; }
    /** Whether the pattern ended in "/": it then names folders and never files. */
    bool namesFolders() const { return m_namesFolders; }
    /** Whether `path` (a file's or, for a folder pattern, a folder's) matches. */
    bool matches(const QString& path) const;

private:
    friend std::optional<PathGlob> ParseGlob(const QString& text, FilterProblem& problem);

    // One character of the pattern, folded, or a wildcard.
    struct Token
    {
        enum class Kind
        {
            Character,
            AnyCharacter,
            Class,
            Star,       // any run within a step
            DoubleStar, // any run across steps
        };
        Kind kind = Kind::Character;
        char32_t character = 0;                      // Character
        QList<std::pair<char32_t, char32_t>> ranges; // Class: inclusive, folded
        bool negated = false;                        // Class
        bool skipsSlash =
            false; // DoubleStar as a step of its own: it and its "/" may match nothing

        bool accepts(char32_t c) const;
    };

    QString m_text;
    QList<Token> m_tokens;
    bool m_namesFolders = false;
    bool m_wholePath = false; // matched against the whole path, not the last step
};

/** The pattern `text`; nothing when it is none (empty, or a `[` never closed), with `problem`
 *  saying why. */
std::optional<PathGlob> ParseGlob(const QString& text, FilterProblem& problem);

/** The size `text` in bytes: a number, decimals allowed, with an optional suffix K, M, G or
 *  T in either case (powers of 1024: "1.5G" is 1610612736), rounded down to whole bytes.
 *  Nothing when it is none ("12Q", "-5", "") or too large, with `problem` saying why. */
std::optional<qint64> ParseSize(const QString& text, FilterProblem& problem);

/** Which files and folders a folder export or listing takes. A file is kept when its size lies
 *  within the bounds (inclusive), it matches at least one include (or none is given) and no
 *  exclude; a folder pattern matches a file through any folder the file lies in. A folder is
 *  walked unless a folder exclude matches it or it lies deeper than `maxDepth`. The default
 *  keeps every file and walks every folder. */
struct ExportFilter
{
    QList<PathGlob> includes;
    QList<PathGlob> excludes;
    std::optional<qint64> minSize;
    std::optional<qint64> maxSize;
    std::optional<int> maxDepth; // 0 the exported folder alone, 1 its subfolders too, …

    /** Whether it keeps every file and walks every folder. */
    bool isEmpty() const;
    /** Whether the file at `path` (relative to the exported folder) of `size` bytes is kept. */
    bool keepsFile(const QString& path, qint64 size) const;
    /** Whether the folder at `path`, `depth` steps below the exported folder, is walked (and
     *  listed). The exported folder itself (depth 0) always is. */
    bool walksFolder(const QString& path, int depth) const;
};
