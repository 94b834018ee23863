#pragma once

#include "text/JSON.h"

#include <QString>
#include <optional>
#include <ostream>

/** A one-line picture of a parsed tree for comparing with expectations:
 *  E (Empty), N (Null), true/false, i:<integer>, d:<double>, "text",
 *  {key=value,...} in member order, [item,...]; "absent" for no root. */
QString Describe(const JsonValue& value);
QString Describe(const std::optional<JsonValue>& root);

/** Readable QString values in GoogleTest messages. */
void PrintTo(const QString& text, std::ostream* out);
