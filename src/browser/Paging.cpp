#include "Paging.h"

#include "ListingState.h"
#include "text/NumberText.h"

#include <algorithm>

namespace {

constexpr double PageSize = ListingState::PageSize;

/** `text` moved by `step`, or nothing when `text` is not a number. */
std::optional<QString> shifted(const QString& text, double step)
{
    const std::optional<double> value = StrictNumber(text);
    if (!value)
        return std::nullopt;
    return PlainDecimal(*value + step);
}

} // namespace

std::optional<QString> FirstPageOffset(const QString& offset, const QString& totalCount)
{
    if (offset.isEmpty() || totalCount.isEmpty())
        return std::nullopt;
    return QStringLiteral("0");
}

std::optional<QString> PreviousPageOffset(const QString& offset, const QString& totalCount)
{
    const double position = LeadingNumber(offset);
    if (!totalCount.isEmpty() && position >= PageSize)
        return shifted(offset, -PageSize);
    if (position > 0)
        return QStringLiteral("0");
    return std::nullopt;
}

std::optional<QString> NextPageOffset(const QString& offset, const QString& totalCount)
{
    const double position = LeadingNumber(offset);
    const double total = LeadingNumber(totalCount);
    if (offset.isEmpty() || total <= PageSize || position >= total || total <= position + PageSize)
        return std::nullopt;
    return shifted(offset, PageSize);
}

std::optional<QString> LastPageOffset(const QString& offset, const QString& totalCount)
{
    if (offset.isEmpty() || totalCount.isEmpty())
        return std::nullopt;
    const std::optional<double> total = StrictNumber(totalCount);
    if (!total)
        return std::nullopt;
    return PlainDecimal(std::max(*total - PageSize, 0.0));
}
