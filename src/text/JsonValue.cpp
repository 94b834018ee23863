#include "JSON.h"
#include "JsonTexts.h"
#include "NumberText.h"

#include <QHashFunctions>
#include <algorithm>
#include <bit>
#include <cmath>
#include <iterator>
#include <limits>

namespace {
// Objects up to this size are searched member by member, which beats any
// table for the entries of a listing.
constexpr qsizetype LinearSearchLimit = 32;

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

NumberReading readNumberText(QStringView text)
{
    return ReadNumberText(text.trimmed());
}

bool sameText(QStringView a, QStringView b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

// One of 64 bits for a key: a cheap hash, good enough to rule most keys out.
quint64 keyBit(QStringView key)
{
    quint32 hash = 2166136261u;
    for (QChar c : key)
        hash = (hash ^ c.unicode()) * 16777619u;
    return quint64(1) << ((hash ^ hash >> 16) & 63);
}

template <typename T> std::vector<T> takeFrom(std::vector<T>& run, size_t first)
{
    std::vector<T> taken(std::make_move_iterator(run.begin() + first),
                         std::make_move_iterator(run.end()));
    run.erase(run.begin() + first, run.end());
    return taken;
}
} // namespace

JsonValue::JsonValue() = default;

JsonValue::~JsonValue()
{
    release();
}

JsonValue::JsonValue(const JsonValue& other)
    : m_storage(other.m_storage), m_payload(other.m_payload)
{
    switch (m_storage) {
    case Storage::Slice: // a copy owns its text
        m_storage = Storage::Text;
        m_payload.text = new QString(other.m_payload.slice.data, other.m_payload.slice.size);
        break;
    case Storage::Text:
        m_payload.text = new QString(*other.m_payload.text);
        break;
    case Storage::Object:
        m_payload.object = new JsonObject(*other.m_payload.object);
        break;
    case Storage::Array:
        m_payload.array = new JsonArray(*other.m_payload.array);
        break;
    default:
        break;
    }
}

JsonValue& JsonValue::operator=(const JsonValue& other)
{
    if (this != &other)
        *this = JsonValue(other);
    return *this;
}

JsonValue::JsonValue(JsonValue&& other) noexcept
    : m_storage(other.m_storage), m_payload(other.m_payload)
{
    other.m_storage = Storage::Empty;
}

JsonValue& JsonValue::operator=(JsonValue&& other) noexcept
{
    if (this != &other) {
        release();
        m_storage = other.m_storage;
        m_payload = other.m_payload;
        other.m_storage = Storage::Empty;
    }
    return *this;
}

void JsonValue::release() noexcept
{
    switch (m_storage) {
    case Storage::Text:
        delete m_payload.text;
        break;
    case Storage::Object:
        delete m_payload.object;
        break;
    case Storage::Array:
        delete m_payload.array;
        break;
    default:
        break;
    }
    m_storage = Storage::Empty;
}

JsonValue JsonValue::holding(Storage storage, Payload payload)
{
    JsonValue value;
    value.m_storage = storage;
    value.m_payload = payload;
    return value;
}

JsonValue JsonValue::null()
{
    return holding(Storage::Null, {});
}

JsonValue JsonValue::fromBool(bool value)
{
    return holding(Storage::Boolean, {.boolean = value});
}

JsonValue JsonValue::fromInteger(qint64 value)
{
    return holding(Storage::Integer, {.integer = value});
}

JsonValue JsonValue::fromDouble(double value)
{
    return holding(Storage::Double, {.real = value});
}

JsonValue JsonValue::fromString(QString value)
{
    return holding(Storage::Text, {.text = new QString(std::move(value))});
}

JsonValue JsonValue::fromSlice(QStringView text)
{
    return holding(Storage::Slice, {.slice = {text.data(), text.size()}});
}

JsonValue JsonValue::fromObject(JsonObject object)
{
    return holding(Storage::Object, {.object = new JsonObject(std::move(object))});
}

JsonValue JsonValue::fromArray(JsonArray array)
{
    return holding(Storage::Array, {.array = new JsonArray(std::move(array))});
}

JsonKind JsonValue::kind() const
{
    switch (m_storage) {
    case Storage::Empty:
        return JsonKind::Empty;
    case Storage::Null:
        return JsonKind::Null;
    case Storage::Boolean:
        return JsonKind::Boolean;
    case Storage::Integer:
        return JsonKind::Integer;
    case Storage::Double:
        return JsonKind::Double;
    case Storage::Slice:
    case Storage::Text:
        return JsonKind::String;
    case Storage::Object:
        return JsonKind::Object;
    case Storage::Array:
        return JsonKind::Array;
    }
    return JsonKind::Empty;
}

QStringView JsonValue::textView() const
{
    if (m_storage == Storage::Slice)
        return QStringView(m_payload.slice.data, m_payload.slice.size);
    if (m_storage == Storage::Text)
        return *m_payload.text;
    return {};
}

bool JsonValue::toBool() const
{
    switch (m_storage) {
    case Storage::Boolean:
        return m_payload.boolean;
    case Storage::Integer:
    case Storage::Double:
    case Storage::Slice:
    case Storage::Text:
        return toDouble() != 0.0;
    default:
        return false;
    }
}

qint64 JsonValue::toInteger() const
{
    switch (m_storage) {
    case Storage::Boolean:
        return m_payload.boolean ? 1 : 0;
    case Storage::Integer:
        return m_payload.integer;
    case Storage::Double:
        return roundToInteger(m_payload.real);
    case Storage::Slice:
    case Storage::Text: {
        const NumberReading reading = readNumberText(textView());
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
    switch (m_storage) {
    case Storage::Boolean:
        return m_payload.boolean ? 1.0 : 0.0;
    case Storage::Integer:
        return double(m_payload.integer);
    case Storage::Double:
        return m_payload.real;
    case Storage::Slice:
    case Storage::Text: {
        const NumberReading reading = readNumberText(textView());
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
    switch (m_storage) {
    case Storage::Boolean:
        return m_payload.boolean ? QStringLiteral("true") : QStringLiteral("false");
    case Storage::Integer:
        return QString::number(m_payload.integer);
    case Storage::Double:
        return PlainDecimal(m_payload.real);
    case Storage::Slice:
        return textView().toString();
    case Storage::Text:
        return *m_payload.text;
    default:
        return QString();
    }
}

const JsonObject* JsonValue::object() const
{
    return m_storage == Storage::Object ? m_payload.object : nullptr;
}

const JsonArray* JsonValue::array() const
{
    return m_storage == Storage::Array ? m_payload.array : nullptr;
}

const JsonValue& JsonValue::member(const QString& key) const
{
    static const JsonValue missing;
    return m_storage == Storage::Object ? m_payload.object->Item(key) : missing;
}

JsonObject::JsonObject() = default;
JsonObject::~JsonObject() = default;
JsonObject::JsonObject(JsonObject&& other) noexcept = default;
JsonObject& JsonObject::operator=(JsonObject&& other) noexcept = default;

JsonObject::JsonObject(const JsonObject& other) : m_index(other.m_index)
{
    // The copy owns its keys; the values' copies own their texts.
    m_members.reserve(other.m_members.size());
    if (!other.m_members.empty())
        m_texts = std::make_unique<JsonTexts>(QString());
    for (const Member& member : other.m_members)
        m_members.emplace_back(m_texts->store(member.key), JsonValue(member.value));
}

JsonObject& JsonObject::operator=(const JsonObject& other)
{
    if (this != &other)
        *this = JsonObject(other);
    return *this;
}

int JsonObject::Count() const
{
    return static_cast<int>(m_members.size());
}

const JsonValue& JsonObject::Item(const QString& key) const
{
    const qsizetype i = find(m_members.data(), m_members.size(), m_index, key);
    return i < 0 ? emptyValue() : m_members[i].value;
}

QStringList JsonObject::keys() const
{
    QStringList keys;
    keys.reserve(m_members.size());
    for (const Member& member : m_members)
        keys.append(member.key.toString());
    return keys;
}

bool JsonObject::insert(const QString& key, JsonValue value)
{
    if (find(m_members.data(), m_members.size(), m_index, key) >= 0)
        return false;
    if (!m_texts)
        m_texts = std::make_unique<JsonTexts>(QString());
    return addMember(m_members, 0, m_index, m_texts->store(key), std::move(value));
}

bool JsonObject::addMember(Members& members, size_t first, Index& index, QStringView key,
                           JsonValue&& value)
{
    const qsizetype count = qsizetype(members.size() - first);
    if (find(members.data() + first, count, index, key) >= 0)
        return false;
    // Everything that allocates comes first, so a failure changes nothing.
    const bool rebuildTable =
        count + 1 > LinearSearchLimit && qsizetype(index.table.size()) < 2 * (count + 1);
    std::vector<qsizetype> grownTable;
    if (rebuildTable)
        grownTable.assign(size_t(std::bit_ceil(quint64(4 * (count + 1)))), -1);
    if (members.size() == members.capacity())
        members.reserve(std::max<size_t>(16, 2 * members.size()));

    members.emplace_back(key, std::move(value));
    index.keyBits |= keyBit(key);
    const Member* run = members.data() + first;
    if (rebuildTable) {
        index.table = std::move(grownTable);
        for (qsizetype i = 0; i <= count; ++i)
            placeInTable(index.table, run[i].key, i);
    } else if (!index.table.empty()) {
        placeInTable(index.table, key, count);
    }
    return true;
}

qsizetype JsonObject::find(const Member* members, qsizetype count, const Index& index,
                           QStringView key)
{
    if (!index.table.empty()) {
        const size_t mask = index.table.size() - 1;
        for (size_t slot = qHash(key) & mask; index.table[slot] >= 0; slot = (slot + 1) & mask) {
            if (sameText(members[index.table[slot]].key, key))
                return index.table[slot];
        }
        return -1;
    }
    if (!(index.keyBits & keyBit(key)))
        return -1;
    for (qsizetype i = 0; i < count; ++i) {
        if (sameText(members[i].key, key))
            return i;
    }
    return -1;
}

void JsonObject::placeInTable(std::vector<qsizetype>& table, QStringView key, qsizetype member)
{
    const size_t mask = table.size() - 1;
    size_t slot = qHash(key) & mask;
    while (table[slot] >= 0)
        slot = (slot + 1) & mask;
    table[slot] = member;
}

JsonObject JsonObject::takeMembers(Members& members, size_t first, Index&& index)
{
    JsonObject object;
    object.m_members = takeFrom(members, first);
    object.m_index = std::move(index);
    return object;
}

JsonArray::JsonArray() = default;
JsonArray::~JsonArray() = default;
JsonArray::JsonArray(JsonArray&& other) noexcept = default;
JsonArray& JsonArray::operator=(JsonArray&& other) noexcept = default;

JsonArray::JsonArray(const JsonArray& other) : m_items(other.m_items) {}

JsonArray& JsonArray::operator=(const JsonArray& other)
{
    if (this != &other)
        *this = JsonArray(other);
    return *this;
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

JsonArray JsonArray::takeItems(std::vector<JsonValue>& items, size_t first)
{
    JsonArray array;
    array.m_items = takeFrom(items, first);
    return array;
}
