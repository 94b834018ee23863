#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <optional>
#include <vector>

class JsonObject;
class JsonArray;
class JsonReader;
class JsonTexts;

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
 *  are deep and own their texts. Conversions never fail: what does not convert
 *  gives "", 0 or false. */
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
    /** The member `key` of an Object; Empty when this is no object or lacks the key. */
    const JsonValue& member(const QString& key) const;

private:
    friend class JsonReader;

    enum class Storage : quint8
    {
        Empty,
        Null,
        Boolean,
        Integer,
        Double,
        Slice,
        Text,
        Object,
        Array
    };
    // A string that is a stretch of a text the root of its tree keeps alive.
    struct TextSlice
    {
        const QChar* data;
        qsizetype size;
    };
    union Payload {
        bool boolean;
        qint64 integer;
        double real;
        TextSlice slice;
        QString* text;      // owned
        JsonObject* object; // owned
        JsonArray* array;   // owned
    };

    static JsonValue holding(Storage storage, Payload payload);
    static JsonValue fromSlice(QStringView text);
    /** The text of a String value; empty for other kinds. */
    QStringView textView() const;
    void release() noexcept;

    Storage m_storage = Storage::Empty;
    Payload m_payload{.integer = 0};
};

/** An ordered dictionary of values under exact, case-sensitive keys (the empty
 *  key included). Members stay in the order they were added. Copies are deep. */
class JsonObject
{
public:
    JsonObject();
    ~JsonObject();
    JsonObject(const JsonObject& other);
    JsonObject& operator=(const JsonObject& other);
    JsonObject(JsonObject&& other) noexcept;
    JsonObject& operator=(JsonObject&& other) noexcept;

    int Count() const;
    /** The member's value; Empty for a key the object does not hold. */
    const JsonValue& Item(const QString& key) const;
    /** The keys in member order. */
    QStringList keys() const;

    /** Adds a member at the end; false (and nothing changes) when the key is present. */
    bool insert(const QString& key, JsonValue value);

private:
    friend class JsonReader;

    // The key is a stretch of a text that this object or the root of its tree keeps alive.
    struct Member
    {
        Member(QStringView name, JsonValue&& held) : key(name), value(std::move(held)) {}
        QStringView key;
        JsonValue value;
    };
    using Members = std::vector<Member>;
    // What speeds up finding a key among members: one bit per value of a
    // small hash of the key (a clear bit means absent), and for objects too
    // big to search member by member an open-addressing table of positions
    // (-1: free slot) by the keys' seeded hashes.
    struct Index
    {
        quint64 keyBits = 0;
        std::vector<qsizetype> table;
    };

    /** Adds a member to the run of members from `first` to the end of `members`,
     *  unless the run holds the key; `index` belongs to that run. The value is
     *  taken only when the member is added. */
    static bool addMember(Members& members, size_t first, Index& index, QStringView key,
                          JsonValue&& value);
    static qsizetype find(const Member* members, qsizetype count, const Index& index,
                          QStringView key);
    static void placeInTable(std::vector<qsizetype>& table, QStringView key, qsizetype member);
    /** An object made of the members from `first` on, which leave `members`. */
    static JsonObject takeMembers(Members& members, size_t first, Index&& index);

    Members m_members;
    Index m_index;
    std::unique_ptr<JsonTexts> m_texts; // for a root, or for keys added by insert
};

/** A list of values, numbered from 1. Copies are deep. */
class JsonArray
{
public:
    JsonArray();
    ~JsonArray();
    JsonArray(const JsonArray& other);
    JsonArray& operator=(const JsonArray& other);
    JsonArray(JsonArray&& other) noexcept;
    JsonArray& operator=(JsonArray&& other) noexcept;

    int Count() const;
    /** The i-th item, 1 <= i <= Count(); Empty outside that range. */
    const JsonValue& Item(int i) const;

    void append(JsonValue value);

private:
    friend class JsonReader;

    /** An array made of the items from `first` on, which leave `items`. */
    static JsonArray takeItems(std::vector<JsonValue>& items, size_t first);

    std::vector<JsonValue> m_items;
    std::unique_ptr<JsonTexts> m_texts; // for a root
};

/** Reads a lenient JSON text: the root object or array, possibly partial, or
 *  nothing when the text does not begin with "{" or "[" after filler. Every
 *  problem found is a line of the error log; parsing never throws or aborts.
 *  Keys and string values share the text's storage. Not re-entrant: the log is
 *  one module-level text. */
std::optional<JsonValue> ParseJson(const QString& text);

/** The error log of the last ParseJson: empty after a clean parse, "Invalid JSON"
 *  without a root, else one CR LF-ended line per problem (at most 64 KiB). */
QString ParseErrors();

/** Empties the error log, as at program start (ParseJson does this itself). */
void ResetParseErrors();
