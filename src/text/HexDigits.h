#pragma once

#include <array>
#include <cstdint>

namespace detail {
// The value of each hexadecimal digit; -1 for other characters below 128.
inline constexpr std::array<std::int8_t, 128> HexDigitValues = [] {
    std::array<std::int8_t, 128> table{};
    table.fill(-1);
    for (int i = 0; i < 10; ++i)
        table[u'0' + i] = std::int8_t(i);
    for (int i = 0; i < 6; ++i)
        table[u'a' + i] = table[u'A' + i] = std::int8_t(10 + i);
    return table;
}();
} // namespace detail

/** The value of a hexadecimal digit of either case, or -1 for any other character. */
constexpr int HexDigitValue(char16_t c)
{
    return c < 128 ? detail::HexDigitValues[c] : -1;
}
