#include "JsonTestSupport.h"

#include <QStringList>

QString Describe(const JsonValue& value)
{
    switch (value.kind()) {
    case JsonKind::Empty:
        return QStringLiteral("E");
    case JsonKind::Null:
        return QStringLiteral("N");
    case JsonKind::Boolean:
        return value.toString();
    case JsonKind::Integer:
        return QStringLiteral("i:") + value.toString();
    case JsonKind::Double:
        return QStringLiteral("d:") + value.toString();
    case JsonKind::String:
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    case JsonKind::Object: {
        QStringList members;
        for (const QString& key : value.object()->keys())
            members.append(key + QLatin1Char('=') + Describe(value.object()->Item(key)));
        return QLatin1Char('{') + members.join(QLatin1Char(',')) + QLatin1Char('}');
    }
    case JsonKind::Array: {
        QStringList items;
        for (int i = 1; i <= value.array()->Count(); ++i)
            items.append(Describe(value.array()->Item(i)));
        return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    }
    return {};
}

QString Describe(const std::optional<JsonValue>& root)
{
    return root ? Describe(*root) : QStringLiteral("absent");
}

std::ostream& operator<<(std::ostream& out, const ParseCase& parseCase)
{
    return out << parseCase.name;
}

std::string ParseCaseName(const ::testing::TestParamInfo<ParseCase>& info)
{
    return info.param.name;
}
