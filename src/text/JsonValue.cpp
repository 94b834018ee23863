#include "JSON.h"
#include "NumberText.h"

#include <cmath>
#include <limits>

namespace {
// Objects up to this size are searched member by member, which is faster than
// hashing for the small entries of a listing; bigger ones get an index.
constexpr qsizetype IndexThreshold = 16;

const JsonValue& emptyValue()
{
    static const JsonValue empty;
    return empty;
}

qint64 roundToInteger(double value)
{
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (value >= limit)
        return std::numeric_limits<qint64>::max();
    if (value <= -limit)
        return std::numeric_limits<qint64>::min();
    return std::llround(value);
}

NumberReading readText(const QString& text)
{
    return ReadNumberText(QStringView(text).trimmed());
}
} // namespace

JsonValue::JsonValue() = default;
JsonValue::~JsonValue() = default;
JsonValue::JsonValue(JsonValue&& other) noexcept = default;
JsonValue& JsonValue::operator=(JsonValue&& other) noexcept = default;

JsonValue::JsonValue(Data data) : m_data(std::move(data)) {}

JsonValue::JsonValue(const JsonValue& other)
    : m_data(std::visit(
          [](const auto& held) -> Data {
              using Held = std::decay_t<decltype(held)>;
              if constexpr (std::is_same_v<Held, std::unique_ptr<JsonObject>>)
                  return std::make_unique<JsonObject>(*held);
              else if constexpr (std::is_same_v<Held, std::unique_ptr<JsonArray>>)
                  return std::make_unique<JsonArray>(*held);
              else
                  return held;
          },
          other.m_data))
{
}

JsonValue& JsonValue::operator=(const JsonValue& other)
{
    if (this != &other)
        *this = JsonValue(other);
    return *this;
}

JsonValue JsonValue::null()
{
    return JsonValue(Data(std::in_place_type<std::nullptr_t>, nullptr));
}

JsonValue JsonValue::fromBool(bool value)
{
    return JsonValue(Data(std::in_place_type<bool>, value));
}

JsonValue JsonValue::fromInteger(qint64 value)
{
    return JsonValue(Data(std::in_place_type<qint64>, value));
}

JsonValue JsonValue::fromDouble(double value)
{
    return JsonValue(Data(std::in_place_type<double>, value));
}

JsonValue JsonValue::fromString(QString value)
{
    return JsonValue(Data(std::in_place_type<QString>, std::move(value)));
}

JsonValue JsonValue::fromObject(JsonObject object)
{
    return JsonValue(Data(std::make_unique<JsonObject>(std::move(object))));
}

JsonValue JsonValue::fromArray(JsonArray array)
{
    return JsonValue(Data(std::make_unique<JsonArray>(std::move(array))));
}

JsonKind JsonValue::kind() const
{
    return static_cast<JsonKind>(m_data.index());
}

bool JsonValue::toBool() const
{
    switch (kind()) {
    case JsonKind::Boolean:
        return std::get<bool>(m_data);
    case JsonKind::Integer:
    case JsonKind::Double:
    case JsonKind::String:
        return toDouble() != 0.0;
    default:
        return false;
    }
}

qint64 JsonValue::toInteger() const
{
    switch (kind()) {
    case JsonKind::Boolean:
        return std::get<bool>(m_data) ? 1 : 0;
    case JsonKind::Integer:
        return std::get<qint64>(m_data);
    case JsonKind::Double:
        return roundToInteger(std::get<double>(m_data));
    case JsonKind::String: {
        const NumberReading reading = readText(std::get<QString>(m_data));
        if (reading.status == NumberReading::Status::Integer)
            return reading.integer;
        return reading.status == NumberReading::Status::Double ? roundToInteger(reading.real) : 0;
    }
    default:
        return 0;
    }
}

double JsonValue::toDouble() const
{
    switch (kind()) {
    case JsonKind::Boolean:
        return std::get<bool>(m_data) ? 1.0 : 0.0;
    case JsonKind::Integer:
        return double(std::get<qint64>(m_data));
    case JsonKind::Double:
        return std::get<double>(m_data);
    case JsonKind::String: {
        const NumberReading reading = readText(std::get<QString>(m_data));
        if (reading.status == NumberReading::Status::Integer)
            return double(reading.integer);
        return reading.status == NumberReading::Status::Double ? reading.real : 0.0;
    }
    default:
        return 0.0;
    }
}

QString JsonValue::toString() const
{
    switch (kind()) {
    case JsonKind::Boolean:
        return std::get<bool>(m_data) ? QStringLiteral("true") : QStringLiteral("false");
    case JsonKind::Integer:
        return QString::number(std::get<qint64>(m_data));
    case JsonKind::Double:
        return PlainDecimal(std::get<double>(m_data));
    case JsonKind::String:
        return std::get<QString>(m_data);
    default:
        return QString();
    }
}

const JsonObject* JsonValue::object() const
{
    const auto* held = std::get_if<std::unique_ptr<JsonObject>>(&m_data);
    return held ? held->get() : nullptr;
}

const JsonArray* JsonValue::array() const
{
    const auto* held = std::get_if<std::unique_ptr<JsonArray>>(&m_data);
    return held ? held->get() : nullptr;
}

int JsonObject::Count() const
{
    return static_cast<int>(m_members.size());
}

const JsonValue& JsonObject::Item(const QString& key) const
{
    const qsizetype index = indexOf(key);
    return index < 0 ? emptyValue() : m_members[index].value;
}

QStringList JsonObject::keys() const
{
    QStringList keys;
    keys.reserve(m_members.size());
    for (const Member& member : m_members)
        keys.append(member.key);
    return keys;
}

bool JsonObject::insert(const QString& key, JsonValue value)
{
    if (indexOf(key) >= 0)
        return false;
    m_members.push_back({key, std::move(value)});
    try {
        updateIndex();
    } catch (...) {
        // Without memory for the index the member is not added; the index stays
        // either complete or unused, so lookups remain right.
        m_index.remove(m_members.back().key);
        m_members.pop_back();
        if (qsizetype(m_members.size()) <= IndexThreshold)
            m_index.clear();
        throw;
    }
    return true;
}

void JsonObject::updateIndex()
{
    const qsizetype last = qsizetype(m_members.size()) - 1;
    if (!m_index.isEmpty()) {
        m_index.insert(m_members[last].key, last);
    } else if (last >= IndexThreshold) {
        for (qsizetype i = 0; i <= last; ++i)
            m_index.insert(m_members[i].key, i);
    }
}

qsizetype JsonObject::indexOf(const QString& key) const
{
    if (!m_index.isEmpty())
        return m_index.value(key, -1);
    for (qsizetype i = 0; i < qsizetype(m_members.size()); ++i) {
        if (m_members[i].key == key)
            return i;
    }
    return -1;
}

int JsonArray::Count() const
{
    return static_cast<int>(m_items.size());
}

const JsonValue& JsonArray::Item(int i) const
{
    if (i < 1 || i > Count())
        return emptyValue();
    return m_items[i - 1];
}

void JsonArray::append(JsonValue value)
{
    m_items.push_back(std::move(value));
}
