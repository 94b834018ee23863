#include "ListingRequest.h"

#include "ListingState.h"
#include "service/endpoints.h"

#include <array>

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

QString CategoryCodeOf(CategoryOption option)
{
    static const std::array<QString, 7> codes{
        QStringLiteral("1"), QStringLiteral("2"),  QStringLiteral("3"),  QStringLiteral("4"),
        QStringLiteral("9"), QStringLiteral("30"), QStringLiteral("32"),
    };
    return codes.at(static_cast<std::size_t>(option));
}

const QList<SortChoice>& SortChoices()
{
    static const QList<SortChoice> choices{
        {QStringLiteral("按文件名顺序"), QStringLiteral("file_name&asc=1")},
        {QStringLiteral("按文件名倒序"), QStringLiteral("file_name&asc=0")},
        {QStringLiteral("时间从新到久"), QStringLiteral("user_ptime&asc=0")},
        {QStringLiteral("时间从久到新"), QStringLiteral("user_ptime&asc=1")},
        {QStringLiteral("文件从大到小"), QStringLiteral("file_size&asc=0")},
        {QStringLiteral("文件从小到大"), QStringLiteral("file_size&asc=1")},
    };
    return choices;
}
