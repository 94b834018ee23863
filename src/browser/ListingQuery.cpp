#include "ListingQuery.h"

#include "service/endpoints.h"

namespace {

QString filesAddress(const ListingQuery& query)
{
    return WebApiAddress() + QStringLiteral("/files?aid=1&cid=") + query.folderId +
           QStringLiteral("&o=") + query.sortOrder + QStringLiteral("&offset=") + query.offset +
           QStringLiteral("&show_dir=1&limit=30&source=&format=json&type=&star=&is_share=") +
           (query.sharedOnly ? QLatin1Char('1') : QLatin1Char('0')) +
           QStringLiteral("&_t=1344257890616");
}

QString listsAddress(const ListingQuery& query)
{
    return WebApiAddress() + QStringLiteral("/lists?aid=") + query.categoryCode +
           QStringLiteral("&cid=") + query.folderId + QStringLiteral("&o=") + query.sortOrder +
           QStringLiteral("&offset=") + query.offset +
           QStringLiteral("&show_dir=1&limit=30&source=&format=json&_t=1326863372053");
}

} // namespace

bool UsesListsEndpoint(const QString& categoryCode)
{
    return categoryCode == QLatin1String("30") || categoryCode == QLatin1String("32");
}

QString ListingAddress(const ListingQuery& query)
{
    return UsesListsEndpoint(query.categoryCode) ? listsAddress(query) : filesAddress(query);
}
