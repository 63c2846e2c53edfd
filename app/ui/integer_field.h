// The check of an integer box of a dialog, as plain logic: what the text reads as, and which of
// the two standard messages refuses it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr char kNotAnIntegerMessage[] = "Please enter an integer.";

struct IntegerCheck {
    std::optional<std::int32_t> number;  // what the text reads as, if it is an integer at all
    std::string refusal;                 // empty when the number is accepted
};

// Blanks around the number and one sign are allowed; anything else, no digits at all, or a number
// beyond 32 bits is not an integer. An integer outside min..max is refused with "Please enter an
// integer between %1 and %2." filled in with the bounds.
IntegerCheck CheckIntegerText(std::string_view text, std::int32_t min, std::int32_t max);
