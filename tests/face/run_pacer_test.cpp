// The pace of a run: what follows a turn, the step delay, and the error blink.
#include <gtest/gtest.h>

#include "face/RunPacer.h"

namespace {

constexpr PacingTimes kTimes{.stepDelayMs = 0, .shortPauseMs = 50, .longPauseMs = 500, .blinkMs = 200};

TEST(RunPacer, WhatFollowsATurn)
{
    const PacingTimes delayed{.stepDelayMs = 300};
    const struct {
        PacingTimes times;
        bool running, pauseAsked, gtoHeld;
        int64_t msSinceKey;
        Pace expected;
    } rows[] = {
        {kTimes, false, true, true, 0, {PaceKind::Stopped, 0}},      // a stop wins over a pause
        {kTimes, true, true, true, 0, {PaceKind::Paused, 500}},      // Pause wins over a held GTO
        {kTimes, true, false, true, 0, {PaceKind::Paused, 50}},
        {kTimes, true, false, false, 0, {PaceKind::Running, 0}},
        {delayed, true, false, false, 120, {PaceKind::Running, 180}},
        {delayed, true, false, false, 900, {PaceKind::Running, 0}},  // late: at once, never negative
    };
    for (const auto& row : rows) {
        const Pace pace = RunPacer(row.times).AfterTurn(row.running, row.pauseAsked, row.gtoHeld, row.msSinceKey);
        EXPECT_EQ(pace, row.expected) << row.running << row.pauseAsked << row.gtoHeld << " " << row.msSinceKey;
    }
}

TEST(RunPacer, OneStepPerTurnOnlyWhenHeldOrDelayed)
{
    EXPECT_FALSE(RunPacer(kTimes).OneStepPerTurn(false));
    EXPECT_TRUE(RunPacer(kTimes).OneStepPerTurn(true));
    EXPECT_TRUE(RunPacer({.stepDelayMs = 1}).OneStepPerTurn(false));
}

TEST(RunPacer, ErrorBlinksInHalfPeriods)
{
    const struct {
        uint32_t blinkMs;
        int64_t ms;
        bool lit;
    } rows[] = {
        {200, 0, true}, {200, 199, true}, {200, 200, false}, {200, 399, false}, {200, 400, true},
        {0, 12345, true},  // no period: lit, not a division by zero
        {200, -5, true},   // a clock read before the error began
    };
    for (const auto& row : rows)
        EXPECT_EQ(RunPacer({.blinkMs = row.blinkMs}).ErrorLit(row.ms), row.lit) << row.blinkMs << " " << row.ms;
}

}  // namespace
