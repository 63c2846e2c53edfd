#include "ui/integer_field.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::optional<std::int32_t> ReadInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL) {
            return std::nullopt;
        }
    }
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    if (digits == 0 || i != text.size()) {
        return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT32_MAX || value < INT32_MIN) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

IntegerCheck CheckIntegerText(std::string_view text, std::int32_t min, std::int32_t max) {
    IntegerCheck check;
    check.number = ReadInteger(text);
    if (!check.number) {
        check.refusal = kNotAnIntegerMessage;
    } else if (*check.number < min || *check.number > max) {
        check.refusal = "Please enter an integer between " + std::to_string(min) + " and " +
                        std::to_string(max) + ".";
    }
    return check;
}
