// The integer boxes' check: which texts are integers, and the message that refuses the rest.
#include "ui/integer_field.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CheckCase {
    std::string text;
    std::optional<std::int32_t> number;
    std::string refusal;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class IntegerFieldTest : public testing::TestWithParam<CheckCase> {};

TEST_P(IntegerFieldTest, ReadsTheTextAndRefusesWhatIsNoIntegerOrOutOfRange) {
    IntegerCheck check = CheckIntegerText(GetParam().text, 2008, 3000);
    EXPECT_EQ(check.number, GetParam().number);
    EXPECT_EQ(check.refusal, GetParam().refusal);
}

const std::string kYearRange = "Please enter an integer between 2008 and 3000.";
const std::string kNoInteger = "Please enter an integer.";

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerFieldTest,
    testing::Values(
        CheckCase{"2026", 2026, ""}, CheckCase{"2008", 2008, ""}, CheckCase{"3000", 3000, ""},
        CheckCase{" 2026 ", 2026, ""}, CheckCase{"+2026", 2026, ""}, CheckCase{"02026", 2026, ""},
        CheckCase{"2007", 2007, kYearRange}, CheckCase{"3001", 3001, kYearRange},
        CheckCase{"-5", -5, kYearRange}, CheckCase{"0", 0, kYearRange},
        CheckCase{"", std::nullopt, kNoInteger}, CheckCase{"   ", std::nullopt, kNoInteger},
        CheckCase{"20x6", std::nullopt, kNoInteger}, CheckCase{"2026.0", std::nullopt, kNoInteger},
        CheckCase{"-", std::nullopt, kNoInteger}, CheckCase{"2 026", std::nullopt, kNoInteger},
        // Beyond 32 bits is no integer rather than a wrapped one.
        CheckCase{"2147483648", std::nullopt, kNoInteger},
        CheckCase{"99999999999999999999", std::nullopt, kNoInteger},
        CheckCase{"2147483647", 2147483647, kYearRange},
        CheckCase{"-2147483648", INT32_MIN, kYearRange}));

TEST(IntegerField, TheRangeMessageNamesEachBoxsBounds) {
    EXPECT_EQ(CheckIntegerText("13", 1, 12).refusal, "Please enter an integer between 1 and 12.");
    EXPECT_EQ(CheckIntegerText("60", 0, 59).refusal, "Please enter an integer between 0 and 59.");
    EXPECT_EQ(CheckIntegerText("0", 0, 59).refusal, "");
}

}  // namespace
