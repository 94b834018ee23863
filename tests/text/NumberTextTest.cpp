#include "text/NumberText.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

struct LeadingCase
{
    const char* text;
    double value;
};

void PrintTo(const LeadingCase& c, std::ostream* out)
{
    *out << "'" << c.text << "'";
}

class LeadingNumbers : public ::testing::TestWithParam<LeadingCase>
{
};

TEST_P(LeadingNumbers, ReadTheNumericStart)
{
    EXPECT_DOUBLE_EQ(LeadingNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, LeadingNumbers,
                         ::testing::Values(LeadingCase{"", 0}, LeadingCase{"45abc", 45},
                                           LeadingCase{" 3.5x", 3.5}, LeadingCase{"-2", -2},
                                           LeadingCase{"+7", 7}, LeadingCase{"abc", 0},
                                           LeadingCase{".5", 0.5}, LeadingCase{"1e2", 100},
                                           LeadingCase{"1e", 1}, LeadingCase{"12.34.5", 12.34},
                                           LeadingCase{"1e999", 0}, LeadingCase{"-", 0}));

TEST(StrictNumbers, AcceptOnlyAWholeNumber)
{
    EXPECT_EQ(StrictNumber("45"), 45.0);
    EXPECT_EQ(StrictNumber(" 45 "), 45.0);
    EXPECT_EQ(StrictNumber("-7.5"), -7.5);
    EXPECT_EQ(StrictNumber("45abc"), std::nullopt);
    EXPECT_EQ(StrictNumber(""), std::nullopt);
    EXPECT_EQ(StrictNumber("0x10"), std::nullopt);
    EXPECT_EQ(StrictNumber("1e999"), std::nullopt);
}

} // namespace
