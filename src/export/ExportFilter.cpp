#include "ExportFilter.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <vector>

namespace {

QList<char32_t> foldedCharacters(QStringView text)
{
    const QList<uint> folded = text.toString().toCaseFolded().toUcs4();
    return {folded.begin(), folded.end()};
}

// Whether `glob` matches the file at `path`: the file itself, or for a folder pattern one of
// the folders it lies in.
bool matchesFile(const PathGlob& glob, const QString& path)
{
    if (!glob.namesFolders())
        return glob.matches(path);
    for (qsizetype slash = path.indexOf(u'/'); slash >= 0; slash = path.indexOf(u'/', slash + 1)) {
        if (glob.matches(path.left(slash)))
            return true;
    }
    return false;
}

} // namespace

bool PathGlob::Token::accepts(char32_t c) const
{
    switch (kind) {
    case Kind::Character:
        return c == character;
    case Kind::AnyCharacter:
        return c != u'/';
    case Kind::Class:
        return c != u'/' &&
               negated != std::any_of(ranges.begin(), ranges.end(), [c](const auto& range) {
                   return range.first <= c && c <= range.second;
               });
    case Kind::Star:
    case Kind::DoubleStar:
        break;
    }
    return false;
}

bool PathGlob::matches(const QString& path) const
{
    const QList<char32_t> subject = foldedCharacters(
        m_wholePath ? QStringView(path) : QStringView(path).mid(path.lastIndexOf(u'/') + 1));
    // The set of pattern positions the subject read so far can have reached, all at once, so
    // that no choice is ever taken back. A position is Entered when reached from before it,
    // Stayed when only a wildcard's own repetition holds it there.
    enum Reach : char
    {
        Unreached,
        Stayed,
        Entered,
    };
    using Kind = Token::Kind;
    const qsizetype end = m_tokens.size();
    std::vector<char> reached(std::size_t(end) + 1), next(reached.size());
    const auto passWildcards = [&](std::vector<char>& states) {
        for (qsizetype i = 0; i < end; ++i) {
            const auto at = std::size_t(i);
            if (states[at] == Unreached)
                continue;
            const Token& token = m_tokens[i];
            if (token.kind == Kind::Star || token.kind == Kind::DoubleStar)
                states[at + 1] = Entered;
            // Only a `**` step that has matched nothing may skip its "/" too.
            if (token.skipsSlash && states[at] == Entered)
                states[at + 2] = Entered;
        }
    };
    reached[0] = Entered;
    passWildcards(reached);
    for (const char32_t c : subject) {
        std::fill(next.begin(), next.end(), Unreached);
        bool any = false;
        for (qsizetype i = 0; i < end; ++i) {
            if (reached[std::size_t(i)] == Unreached)
                continue;
            const Token& token = m_tokens[i];
            const bool stays =
                token.kind == Kind::DoubleStar || (token.kind == Kind::Star && c != u'/');
            if (stays) {
                next[std::size_t(i)] = std::max(next[std::size_t(i)], char(Stayed));
                any = true;
            } else if (token.accepts(c)) {
                next[std::size_t(i) + 1] = Entered;
                any = true;
            }
        }
        if (!any)
            return false;
        passWildcards(next);
        reached.swap(next);
    }
    return reached[std::size_t(end)] != Unreached;
}

std::optional<PathGlob> ParseGlob(const QString& text, FilterProblem& problem)
{
    using Kind = PathGlob::Token::Kind;
    PathGlob glob;
    glob.m_text = text;
    QStringView body = text;
    glob.m_namesFolders = body.endsWith(u'/');
    if (glob.m_namesFolders)
        body.chop(1);
    glob.m_wholePath = body.contains(u'/');
    if (body.startsWith(u'/'))
        body = body.mid(1);
    if (body.isEmpty()) {
        problem = FilterProblem::EmptyPattern;
        return std::nullopt;
    }
    const QList<char32_t> chars = foldedCharacters(body);
    const qsizetype size = chars.size();
    // The character at `i`, or the one after it when `i` holds a "\".
    const auto plain = [&](qsizetype& i) {
        if (chars[i] == u'\\' && i + 1 < size)
            ++i;
        return chars[i];
    };
    for (qsizetype i = 0; i < size; ++i) {
        PathGlob::Token token;
        if (chars[i] == u'*') {
            const bool stepStart = i == 0 || chars[i - 1] == u'/';
            token.kind = Kind::Star;
            while (i + 1 < size && chars[i + 1] == u'*') {
                token.kind = Kind::DoubleStar;
                ++i;
            }
            token.skipsSlash =
                token.kind == Kind::DoubleStar && stepStart && i + 1 < size && chars[i + 1] == u'/';
        } else if (chars[i] == u'?') {
            token.kind = Kind::AnyCharacter;
        } else if (chars[i] == u'[') {
            token.kind = Kind::Class;
            qsizetype j = i + 1;
            token.negated = j < size && (chars[j] == u'!' || chars[j] == u'^');
            if (token.negated)
                ++j;
            // A "]" right after the opening (and its negation) is a member, not the end.
            for (bool first = true; j < size && (first || chars[j] != u']'); ++j, first = false) {
                const char32_t low = plain(j);
                const bool isRange = j + 2 < size && chars[j + 1] == u'-' && chars[j + 2] != u']';
                if (isRange)
                    j += 2;
                token.ranges.append({low, isRange ? plain(j) : low});
            }
            if (j >= size) {
                problem = FilterProblem::UnclosedClass;
                return std::nullopt;
            }
            i = j;
        } else {
            token.character = plain(i);
        }
        glob.m_tokens.append(token);
    }
    return glob;
}

std::optional<qint64> ParseSize(const QString& text, FilterProblem& problem)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]+)(\\.[0-9]+)?([KMGT]?)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        problem = FilterProblem::NotASize;
        return std::nullopt;
    }
    const QString unit = match.captured(3).toUpper();
    const int shift = unit.isEmpty() ? 0 : 10 * int(QStringLiteral("KMGT").indexOf(unit) + 1);
    bool isNumber = false;
    const qint64 whole = match.captured(1).toLongLong(&isNumber);
    if (!isNumber || whole > (std::numeric_limits<qint64>::max() >> shift)) {
        problem = FilterProblem::SizeTooLarge;
        return std::nullopt;
    }
    // The fraction adds less than one unit, so the sum stays within range.
    const double fraction =
        match.captured(2).isEmpty() ? 0.0 : ("0" + match.captured(2)).toDouble();
    return (whole << shift) + qint64(fraction * double(qint64(1) << shift));
}

bool ExportFilter::isEmpty() const
{
    return includes.isEmpty() && excludes.isEmpty() && !minSize && !maxSize && !maxDepth;
}

bool ExportFilter::keepsFile(const QString& path, qint64 size) const
{
    if ((minSize && size < *minSize) || (maxSize && size > *maxSize))
        return false;
    const auto matchesPath = [&](const PathGlob& glob) { return matchesFile(glob, path); };
    if (!includes.isEmpty() && std::none_of(includes.begin(), includes.end(), matchesPath))
        return false;
    return std::none_of(excludes.begin(), excludes.end(), matchesPath);
}

bool ExportFilter::walksFolder(const QString& path, int depth) const
{
    if (depth == 0)
        return true;
    if (maxDepth && depth > *maxDepth)
        return false;
    return std::none_of(excludes.begin(), excludes.end(), [&](const PathGlob& glob) {
        return glob.namesFolders() && glob.matches(path);
    });
}
