#include "clock_face.h"

namespace {

// Out-of-range values (never given by the clock) are kept to digits 0-9.
int Digit(int value) {
    value %= 10;
    return value < 0 ? -value : value;
}

}  // namespace

std::array<int, 6> ClockDigits(int hour, int minute, int second) {
    return {Digit(hour / 10), Digit(hour),        Digit(minute / 10),
            Digit(minute),    Digit(second / 10), Digit(second)};
}

std::array<bool, 6> ClockCells::Update(const std::array<int, 6>& digits) {
    std::array<bool, 6> changed{};
    for (std::size_t cell = 0; cell < digits.size(); ++cell) {
        changed[cell] = digits[cell] != m_shown[cell];
        m_shown[cell] = digits[cell];
    }
    return changed;
}
