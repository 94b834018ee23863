#include "browser/Paging.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct PagingCase
{
    const char* offset;
    const char* total;
    std::optional<QString> first;
    std::optional<QString> previous;
    std::optional<QString> next;
    std::optional<QString> last;
};

void PrintTo(const PagingCase& c, std::ostream* out)
{
    *out << "offset '" << c.offset << "' total '" << c.total << "'";
}

class PagingSteps : public ::testing::TestWithParam<PagingCase>
{
};

TEST_P(PagingSteps, MoveTheOffset)
{
    const PagingCase& c = GetParam();
    EXPECT_EQ(FirstPageOffset(c.offset, c.total), c.first);
    EXPECT_EQ(PreviousPageOffset(c.offset, c.total), c.previous);
    EXPECT_EQ(NextPageOffset(c.offset, c.total), c.next);
    EXPECT_EQ(LastPageOffset(c.offset, c.total), c.last);
}

const auto none = std::nullopt;

INSTANTIATE_TEST_SUITE_P(Table, PagingSteps,
                         ::testing::Values(PagingCase{"0", "95", "0", none, "30", "65"},
                                           PagingCase{"30", "95", "0", "0", "60", "65"},
                                           PagingCase{"90", "95", "0", "60", none, "65"},
                                           PagingCase{"65", "95", "0", "35", none, "65"},
                                           PagingCase{"5", "95", "0", "0", "35", "65"},
                                           PagingCase{"45", "95", "0", "15", "75", "65"},
                                           PagingCase{"0", "30", "0", none, none, "0"},
                                           PagingCase{"0", "31", "0", none, "30", "1"},
                                           PagingCase{"0", "10", "0", none, none, "0"},
                                           PagingCase{"0", "", none, none, none, none},
                                           PagingCase{"", "95", none, none, none, none},
                                           PagingCase{"30", "", none, "0", none, none},
                                           PagingCase{"45abc", "95", "0", none, none, "65"},
                                           PagingCase{"abc", "95", "0", none, none, "65"},
                                           PagingCase{"0", "9x5", "0", none, none, none},
                                           PagingCase{"7.5", "95", "0", "0", "37.5", "65"},
                                           PagingCase{" 60 ", "95", "0", "30", "90", "65"},
                                           PagingCase{"-30", "95", "0", none, "0", "65"},
                                           PagingCase{"0", "1e2", "0", none, "30", "70"}));

} // namespace
