#include "JSON.h"

#include "BoundedLog.h"
#include "JsonReader.h"

#include <new>

namespace {
// 64 KiB of UTF-16 text: hostile input full of problems cannot make the log
// (whose lines may quote the rest of the text) grow with the input's square.
constexpr qsizetype MaxLogCodeUnits = 32 * 1024;

BoundedLog& errorLog()
{
    static BoundedLog log(MaxLogCodeUnits);
    return log;
}
} // namespace

std::optional<JsonValue> ParseJson(const QString& text)
{
    BoundedLog& log = errorLog();
    log.clear();
    try {
        JsonReader reader(text, log);
        std::optional<JsonValue> root = reader.readRoot();
        if (!root)
            log.setText(QStringLiteral("Invalid JSON"));
        return root;
    } catch (const std::bad_alloc&) {
        log.addLine({u"Out of memory"});
        return std::nullopt;
    }
}

QString ParseErrors()
{
    return errorLog().text();
}

void ResetParseErrors()
{
    errorLog().clear();
}
