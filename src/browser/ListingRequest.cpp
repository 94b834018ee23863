#include "ListingRequest.h"

#include "ListingQuery.h"

#include <array>

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
        {QStringLiteral("时间从新到久"), NewestFirstOrder},
        {QStringLiteral("时间从久到新"), QStringLiteral("user_ptime&asc=1")},
        {QStringLiteral("文件从大到小"), QStringLiteral("file_size&asc=0")},
        {QStringLiteral("文件从小到大"), QStringLiteral("file_size&asc=1")},
    };
    return choices;
}
