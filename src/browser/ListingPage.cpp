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

QList<QStringList> entryRows(const JsonValue& data, const QString& responseText)
{
    QList<QStringList> rows;
    if (const QStringList keys = DigitKeys(responseText); !keys.isEmpty()) {
        for (const QString& key : keys)
            rows.append(FileRowTexts(data.member(key)));
    } else if (const JsonArray* array = data.array()) {
        for (int position = 1; position <= array->Count(); ++position)
            rows.append(FileRowTexts(array->Item(position)));
    } else if (const JsonObject* object = data.object()) {
        const QStringList keys = object->keys();
        for (const QString& key : keys)
            rows.append(FileRowTexts(object->Item(key)));
    }
    return rows;
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
    return ListingPage{entryRows(data, responseText), *count};
}
