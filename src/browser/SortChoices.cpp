#include "SortChoices.h"

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
