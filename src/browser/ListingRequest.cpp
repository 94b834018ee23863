#include "ListingRequest.h"

#include "ListingQuery.h"

#include <QCoreApplication>
#include <array>
#include <utility>

QString CategoryCodeOf(CategoryOption option)
{
    static const std::array<QString, 7> codes{
        QStringLiteral("1"), QStringLiteral("2"),  QStringLiteral("3"),  QStringLiteral("4"),
        QStringLiteral("9"), QStringLiteral("30"), QStringLiteral("32"),
    };
    return codes.at(static_cast<std::size_t>(option));
}

QList<SortChoice> SortChoices()
{
    // Captions are translated at each call, so they follow the language in use.
    static const std::array<std::pair<const char*, QString>, 6> choices{{
        {QT_TRANSLATE_NOOP("ListingRequest", "按文件名顺序"), QStringLiteral("file_name&asc=1")},
        {QT_TRANSLATE_NOOP("ListingRequest", "按文件名倒序"), QStringLiteral("file_name&asc=0")},
        {QT_TRANSLATE_NOOP("ListingRequest", "时间从新到久"), NewestFirstOrder},
        {QT_TRANSLATE_NOOP("ListingRequest", "时间从久到新"), QStringLiteral("user_ptime&asc=1")},
        {QT_TRANSLATE_NOOP("ListingRequest", "文件从大到小"), QStringLiteral("file_size&asc=0")},
        {QT_TRANSLATE_NOOP("ListingRequest", "文件从小到大"), QStringLiteral("file_size&asc=1")},
    }};
    QList<SortChoice> translated;
    for (const auto& [caption, order] : choices)
        translated.append({QCoreApplication::translate("ListingRequest", caption), order});
    return translated;
}
