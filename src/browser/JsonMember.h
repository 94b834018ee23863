#pragma once

#include <QString>

class JsonValue;

/** The member `key` of an object value; Empty when `value` is no object or lacks the key. */
const JsonValue& JsonMember(const JsonValue& value, const QString& key);
