#include "JsonMember.h"

#include "text/JSON.h"

const JsonValue& JsonMember(const JsonValue& value, const QString& key)
{
    static const JsonValue missing;
    const JsonObject* object = value.object();
    return object ? object->Item(key) : missing;
}
