#include "reminders/reminder_timeline.h"

namespace {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// How far from the platform's answer the clock's jump over a skipped minute is looked for; daylight
// saving moves clocks by an hour, a few zones by two.
constexpr Instant kJumpSearchSeconds = Instant{3} * 3600;

}  // namespace

Instant MinuteStart(Instant instant) {
    const Instant remainder = instant % 60;
    return instant - (remainder < 0 ? remainder + 60 : remainder);
}

bool IsEveryDay(const ReminderTime& time) {
    return time.everyDay || (time.year == 0 && time.month == 0 && time.day == 0);
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days between 1970-01-01 and the date, counted in whole 400-year eras of 146097 days.
std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t shiftedMonth = month > 2 ? month - 3 : month + 9;  // March is 0
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

LocalDateTime CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    LocalDateTime date;
    date.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    date.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

std::optional<Instant> MomentOf(const LocalTimeline& timeline, int year, int month, int day,
                                int hour, int minute) {
    if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month) || hour < 0 ||
        hour > 23 || minute < 0 || minute > 59) {
        return std::nullopt;
    }
    const LocalDateTime wanted{year, month, day, hour, minute, 0};
    const std::optional<Instant> converted = timeline.ToInstant(wanted);
    if (!converted) {
        return std::nullopt;
    }
    const std::optional<LocalDateTime> shown = timeline.ToLocal(*converted);
    if (!shown) {
        return std::nullopt;
    }
    if (*shown == wanted) {
        return converted;
    }
    // The clock never shows this minute: platforms answer with an instant an hour before or after
    // it. The reminder's moment is when the clock first shows this minute or a later one.
    auto reached = [&](Instant t) {
        const std::optional<LocalDateTime> local = timeline.ToLocal(t);
        return local && *local >= wanted;
    };
    Instant before = *shown < wanted ? *converted : *converted - kJumpSearchSeconds;
    Instant after = *shown < wanted ? *converted + kJumpSearchSeconds : *converted;
    if (reached(before) || !reached(after)) {
        return converted;  // no single jump near it: take the platform's word
    }
    while (after - before > 1) {
        const Instant middle = before + (after - before) / 2;
        (reached(middle) ? after : before) = middle;
    }
    return after;
}

std::optional<Instant> LatestOccurrence(const ReminderTime& time, Instant after, Instant upTo,
                                        const LocalTimeline& timeline) {
    // Moments fall on whole minutes: a span that holds no minute's start holds none, which spares
    // most walks every conversion.
    if (MinuteStart(upTo) <= after) {
        return std::nullopt;
    }
    if (!IsEveryDay(time)) {
        std::optional<Instant> moment =
            MomentOf(timeline, time.year, time.month, time.day, time.hour, time.minute);
        if (moment && *moment > after && *moment <= upTo) {
            return moment;
        }
        return std::nullopt;
    }
    const std::optional<LocalDateTime> now = timeline.ToLocal(upTo);
    if (!now) {
        return std::nullopt;
    }
    // Moments grow with the date: the first one, going back from tomorrow, that is not after upTo
    // is the latest.
    const std::int64_t today = DaysFromCivil(now->year, now->month, now->day);
    for (std::int64_t days = today + 1; days >= today - 2; --days) {
        const LocalDateTime date = CivilFromDays(days);
        const std::optional<Instant> moment =
            MomentOf(timeline, date.year, date.month, date.day, time.hour, time.minute);
        if (moment && *moment <= upTo) {
            return *moment > after ? moment : std::nullopt;
        }
    }
    return std::nullopt;
}
