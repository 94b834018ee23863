#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class JsonObject;
class JsonArray;

enum class JsonKind
{
    Empty,
    Null,
    Boolean,
    Integer,
    Double,
    String,
    Object,
    Array
};

/** One parsed value. Containers are owned by the value that holds them; copies
 *  are deep. Conversions never fail: what does not convert gives "", 0 or false. */
class JsonValue
{
public:
    JsonValue(); // Empty
    ~JsonValue();
    JsonValue(const JsonValue& other);
    JsonValue& operator=(const JsonValue& other);
    JsonValue(JsonValue&& other) noexcept;
    JsonValue& operator=(JsonValue&& other) noexcept;

    static JsonValue null();
    static JsonValue fromBool(bool value);
    static JsonValue fromInteger(qint64 value);
    static JsonValue fromDouble(double value);
    static JsonValue fromString(QString value);
    static JsonValue fromObject(JsonObject object);
    static JsonValue fromArray(JsonArray array);

    JsonKind kind() const;
    /** True for boolean true, a number other than 0, or a text that reads as such a number. */
    bool toBool() const;
    /** A number (a Double rounded to the nearest integer), a text that reads as a number, else 0.
     */
    qint64 toInteger() const;
    double toDouble() const;
    /** A String as it is; numbers in plain decimal ("12", "1000", "0.5"); booleans as
     *  "true"/"false"; every other kind as "". */
    QString toString() const;
    /** The object or array held, or nullptr for any other kind. */
    const JsonObject* object() const;
    const JsonArray* array() const;

private:
    using Data = std::variant<std::monostate, std::nullptr_t, bool, qint64, double, QString,
                              std::unique_ptr<JsonObject>, std::unique_ptr<JsonArray>>;
    explicit JsonValue(Data data);

    Data m_data;
};

/** An ordered dictionary of values under exact, case-sensitive keys (the empty
 *  key included). Members stay in the order they were added. */
class JsonObject
{
public:
    int Count() const;
    /** The member's value; Empty for a key the object does not hold. */
    const JsonValue& Item(const QString& key) const;
    /** The keys in member order. */
    QStringList keys() const;

    /** Adds a member at the end; false (and nothing changes) when the key is present. */
    bool insert(const QString& key, JsonValue value);

private:
    qsizetype indexOf(const QString& key) const;
    void updateIndex();

    struct Member
    {
        QString key;
        JsonValue value;
    };
    std::vector<Member> m_members;
    QHash<QString, qsizetype> m_index; // filled once the object is big enough to need it
};

/** A list of values, numbered from 1. */
class JsonArray
{
public:
    int Count() const;
    /** The i-th item, 1 <= i <= Count(); Empty outside that range. */
    const JsonValue& Item(int i) const;

    void append(JsonValue value);

private:
    std::vector<JsonValue> m_items;
};

/** Reads a lenient JSON text: the root object or array, possibly partial, or
 *  nothing when the text does not begin with "{" or "[" after filler. Every
 *  problem found is a line of the error log; parsing never throws or aborts.
 *  Not re-entrant: the log is one module-level text. */
std::optional<JsonValue> ParseJson(const QString& text);

/** The error log of the last ParseJson: empty after a clean parse, "Invalid JSON"
 *  without a root, else one CR LF-ended line per problem (at most 64 KiB). */
QString ParseErrors();

/** Empties the error log, as at program start (ParseJson does this itself). */
void ResetParseErrors();
