#pragma once

#include "QStringPrinter.h"
#include "text/JSON.h"

#include <QString>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

/** A one-line picture of a parsed tree for comparing with expectations:
 *  E (Empty), N (Null), true/false, i:<integer>, d:<double>, "text",
 *  {key=value,...} in member order, [item,...]; "absent" for no root. */
QString Describe(const JsonValue& value);
QString Describe(const std::optional<JsonValue>& root);

/** One parse for a table: the text, the tree as Describe() draws it, the exact log. */
struct ParseCase
{
    const char* name;
    const char16_t* text;
    const char16_t* tree;
    const char16_t* log;
};

std::ostream& operator<<(std::ostream& out, const ParseCase& parseCase);
std::string ParseCaseName(const ::testing::TestParamInfo<ParseCase>& info);

/** Tables of ParseCase are instantiated against this suite. */
class ParseJsonCases : public ::testing::TestWithParam<ParseCase>
{
};
