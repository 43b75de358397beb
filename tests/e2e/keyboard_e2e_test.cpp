#include "drovane_run.h"
#include "e2e_cases.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace drovane::e2e {
namespace {

// --- At the default pace of a frame a second, every frame can be followed.

struct RunCase {
    const char* what;
    KeySymbol key;
    std::vector<int> next; // the holders after 2, pressed while 2 is up
    DROVANE_E2E_PRINTS_WHAT(RunCase)
};

class KeyAtTheDefaultPace : public testing::TestWithParam<RunCase> {};

TEST_P(KeyAtTheDefaultPace, ChangesTheFramesThatFollow) {
    DrovaneRun run;
    ASSERT_EQ(run.changeFrom(1), 2);
    run.tap(GetParam().key);
    EXPECT_EQ(run.nextHolders(2, GetParam().next.size(), 30s), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyAtTheDefaultPace,
    testing::Values(RunCase{"plus runs forward two then one a tick", XK_plus, {4, 5, 6}},
                    RunCase{"comma runs forward like plus", XK_comma, {4, 5, 6}},
                    RunCase{"keypad plus runs forward like plus", XK_KP_Add, {4, 5, 6}},
                    RunCase{"minus runs backward two then one a tick", XK_minus, {18, 17, 16}},
                    RunCase{"keypad minus runs backward like minus", XK_KP_Subtract, {18, 17, 16}},
                    RunCase{"space goes on in the other set", XK_space, {21, 22}}),
    caseName<RunCase>);

struct StopCase {
    const char* what;
    KeySymbol run;
    int runningOn; // the first holder of the run, from 2
    KeySymbol stop;
    KeySymbol probe;
    int probed; // one step from the holder stopped on
    DROVANE_E2E_PRINTS_WHAT(StopCase)
};

class StopAtTheDefaultPace : public testing::TestWithParam<StopCase> {};

TEST_P(StopAtTheDefaultPace, StopsOnTheFrameShown) {
    const StopCase& c = GetParam();
    DrovaneRun run;
    ASSERT_EQ(run.changeFrom(1), 2);
    const auto before = Clock::now();
    run.tap(c.run);
    ASSERT_EQ(run.changeFrom(2, 30s), c.runningOn);
    const auto tick = Clock::now() - before;
    run.tap(c.stop);
    // Stopped: nothing moves through a few ticks. The wait also puts the probe
    // in a later event pass than the stop; in the same pass it would replace it.
    EXPECT_EQ(run.changeFrom(c.runningOn, std::max<Millis>(2000ms, std::chrono::duration_cast<Millis>(3 * tick))), 0);
    run.tap(c.probe);
    EXPECT_EQ(run.changeFrom(c.runningOn, 30s), c.probed);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StopAtTheDefaultPace,
    testing::Values(StopCase{"full stop after plus", XK_plus, 4, XK_period, XK_slash, 3},
                    StopCase{"slash after minus", XK_minus, 18, XK_slash, XK_period, 1}),
    caseName<StopCase>);

// --- At a fast pace, where single frames fly by but stops come quickly.

struct StepCase {
    const char* what;
    KeySymbol key;
    int (*expected)(int holder);
    DROVANE_E2E_PRINTS_WHAT(StepCase)
};

class StepWhileStopped : public testing::TestWithParam<StepCase> {};

TEST_P(StepWhileStopped, MovesOneFrameEachPress) {
    DrovaneRun run;
    int holder = run.stopAtFastPace();
    ASSERT_NE(holder, 0);
    for (int press = 0; press < 2; ++press) {
        run.tap(GetParam().key);
        const int next = run.settledChangeFrom(holder);
        ASSERT_EQ(next, GetParam().expected(holder)) << "press " << press + 1 << " from holder " << holder;
        holder = next;
    }
}

int forward(int holder) { return stepped(holder, 1); }
int back(int holder) { return stepped(holder, -1); }

INSTANTIATE_TEST_SUITE_P(Keys, StepWhileStopped,
                         testing::Values(StepCase{"full stop steps forward", XK_period, forward},
                                         StepCase{"star steps forward", XK_asterisk, forward},
                                         StepCase{"keypad star steps forward", XK_KP_Multiply, forward},
                                         StepCase{"slash steps back", XK_slash, back},
                                         StepCase{"keypad slash steps back", XK_KP_Divide, back},
                                         StepCase{"space switches the set", XK_space, otherSet}),
                         caseName<StepCase>);

struct IgnoredCase {
    const char* what;
    KeySymbol key;
    DROVANE_E2E_PRINTS_WHAT(IgnoredCase)
};

class IgnoredKey : public testing::TestWithParam<IgnoredCase> {};

TEST_P(IgnoredKey, ChangesNothing) {
    DrovaneRun run;
    const int holder = run.stopAtFastPace();
    ASSERT_NE(holder, 0);
    run.tap(GetParam().key);
    EXPECT_EQ(run.changeFrom(holder, kQuiet), 0);
    // Still stopped with no command pending: a full stop moves exactly one.
    run.tap(XK_period);
    EXPECT_EQ(run.settledChangeFrom(holder), stepped(holder, 1));
}

INSTANTIATE_TEST_SUITE_P(Keys, IgnoredKey,
                         testing::Values(IgnoredCase{"equals", XK_equal}, IgnoredCase{"underscore", XK_underscore},
                                         IgnoredCase{"a letter", XK_a}, IgnoredCase{"an upper case letter", XK_A},
                                         IgnoredCase{"shift alone", XK_Shift_L},
                                         IgnoredCase{"left arrow", XK_Left}),
                         caseName<IgnoredCase>);

struct RunStopCase {
    const char* what;
    KeySymbol run;
    KeySymbol stop;
    DROVANE_E2E_PRINTS_WHAT(RunStopCase)
};

class StopWhileRunning : public testing::TestWithParam<RunStopCase> {};

TEST_P(StopWhileRunning, LeavesItStoppedWithSingleSteps) {
    DrovaneRun run;
    const int stopped = run.stopAtFastPace();
    ASSERT_NE(stopped, 0);
    run.tap(GetParam().run);
    // Two changes: it runs, and the stop key comes in a later event pass.
    const int running = run.changeFrom(stopped);
    ASSERT_NE(running, 0);
    ASSERT_NE(run.changeFrom(running), 0);
    run.tap(GetParam().stop);
    const int holder = run.settle();
    ASSERT_NE(holder, 0);
    run.tap(XK_period);
    EXPECT_EQ(run.settledChangeFrom(holder), stepped(holder, 1));
    run.tap(XK_slash);
    EXPECT_EQ(run.settledChangeFrom(stepped(holder, 1)), holder);
}

INSTANTIATE_TEST_SUITE_P(Keys, StopWhileRunning,
                         testing::Values(RunStopCase{"full stop after plus", XK_plus, XK_period},
                                         RunStopCase{"slash after comma", XK_comma, XK_slash},
                                         RunStopCase{"star after minus", XK_minus, XK_asterisk},
                                         RunStopCase{"keypad star after keypad plus", XK_KP_Add, XK_KP_Multiply}),
                         caseName<RunStopCase>);

} // namespace
} // namespace drovane::e2e
