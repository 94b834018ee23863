#include "ListingPage.h"

#include "ListingRows.h"
#include "text/JSON.h"
#include "text/NumberText.h"

#include <cmath>

namespace {

std::optional<qint64> wholeCount(const JsonValue& count)
{
    const std::optional<double> number = StrictNumber(count.toString());
    if (!number || *number < 0 || std::floor(*number) != *number || *number > 1e15)
        return std::nullopt;
    return qint64(*number);
}

} // namespace

std::optional<ListingPage> ReadListingPage(const QString& responseText)
{
    const std::optional<JsonValue> root = ParseJson(responseText);
    if (!root || !ParseErrors().isEmpty())
        return std::nullopt;
    const JsonValue& data = root->member(QStringLiteral("data"));
    const std::optional<qint64> count = wholeCount(root->member(QStringLiteral("count")));
    if ((!data.array() && !data.object()) || !count)
        return std::nullopt;
    const QStringList keys = DigitKeys(responseText);
    return ListingPage{keys.isEmpty() ? DataRows(data) : KeyedRows(data, keys), *count};
}

bool SaysFolderMissing(const QString& responseText)
{
    const std::optional<JsonValue> root = ParseJson(responseText);
    if (!root || !root->object() || !ParseErrors().isEmpty())
        return false;
    const JsonValue& errorNumber = root->member(QStringLiteral("errNo"));
    return !root->member(QStringLiteral("state")).toBool() &&
           StrictNumber(errorNumber.toString()) == double(FolderMissingErrorNumber);
}
