// libFuzzer target: the lenient JSON reader on arbitrary text. Input that
// starts with the UTF-16LE byte order mark is taken as raw UTF-16 code units
// (lone surrogates included); anything else as UTF-8.
#include "FuzzText.h"
#include "text/JSON.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

namespace {
constexpr qsizetype MaxLogCodeUnits = 32 * 1024;

// Reads every value the way callers do, so the conversions run on fuzzed trees too.
void readAll(const JsonValue& value)
{
    (void)value.toString();
    (void)value.toInteger();
    (void)value.toDouble();
    (void)value.toBool();
    if (const JsonObject* object = value.object()) {
        for (const QString& key : object->keys())
            readAll(object->Item(key));
    }
    if (const JsonArray* array = value.array()) {
        for (int i = 1; i <= array->Count(); ++i)
            readAll(array->Item(i));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<JsonValue> root = ParseJson(FuzzText(data, size));
    const QString log = ParseErrors();
    if (log.size() > MaxLogCodeUnits)
        std::abort();
    if (!root) {
        if (log != QLatin1String("Invalid JSON"))
            std::abort();
        return 0;
    }
    if (root->kind() != JsonKind::Object && root->kind() != JsonKind::Array)
        std::abort();
    readAll(*root);
    return 0;
}
