#include "ListingAddress.h"

#include "ListingState.h"
#include "service/endpoints.h"

namespace {

bool usesListsEndpoint(const QString& categoryCode)
{
    return categoryCode == QLatin1String("30") || categoryCode == QLatin1String("32");
}

QString filesAddress(const ListingState& state)
{
    return WebApiAddress() + QStringLiteral("/files?aid=1&cid=") + state.folderId() +
           QStringLiteral("&o=") + state.sortOrder() + QStringLiteral("&offset=") + state.offset() +
           QStringLiteral("&show_dir=1&limit=30&source=&format=json&type=&star=&is_share=") +
           (state.sharedOnly() ? QLatin1Char('1') : QLatin1Char('0')) +
           QStringLiteral("&_t=1344257890616");
}

QString listsAddress(const ListingState& state)
{
    return WebApiAddress() + QStringLiteral("/lists?aid=") + state.categoryCode() +
           QStringLiteral("&cid=") + state.folderId() + QStringLiteral("&o=") + state.sortOrder() +
           QStringLiteral("&offset=") + state.offset() +
           QStringLiteral("&show_dir=1&limit=30&source=&format=json&_t=1326863372053");
}

} // namespace

QString ListingAddress(const ListingState& state)
{
    return usesListsEndpoint(state.categoryCode()) ? listsAddress(state) : filesAddress(state);
}
