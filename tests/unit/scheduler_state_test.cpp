// The scheduler's own small file: what it writes reads back, and damage reads as no record.
#include "reminders/scheduler_state.h"

#include <gtest/gtest.h>

namespace {

TEST(SchedulerStateTest, WhatIsWrittenReadsBack) {
    SchedulerState state{1806195600, {{"08:00", 1806224400}, {"2027-03-29 09:30 x=y", -5}}};
    std::string text = EncodeSchedulerState(state);
    EXPECT_EQ(text.substr(0, 19), "looked=1806195600\r\n");
    EXPECT_EQ(ParseSchedulerState(text), state);
    EXPECT_EQ(ParseSchedulerState("looked=7"), (SchedulerState{7, {}})) << "no line end";
    EXPECT_EQ(ParseSchedulerState("\n# note\nlooked=-3\nother=1\nhandled=4 08:00\n"),
              (SchedulerState{-3, {{"08:00", 4}}}));
}

TEST(SchedulerStateTest, TextsWithoutAValidMarkAreNoRecord) {
    for (const char* text : {"", "\r\n", "looked=", "looked=12x", "looked=-", "LOOKED=12",
                             "looked=99999999999999999999", "handled=5 08:00\r\n", " looked=1"}) {
        EXPECT_FALSE(ParseSchedulerState(text)) << text;
    }
}

TEST(SchedulerStateTest, DamagedHandledLinesAreSkipped) {
    auto state =
        ParseSchedulerState("looked=10\nhandled=\nhandled=5\nhandled=x 08:00\nhandled=6 \n");
    ASSERT_TRUE(state);
    EXPECT_EQ(state->handledAhead, (std::map<std::string, Instant>{{"", 6}}));
}

}  // namespace
