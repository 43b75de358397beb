#include "animation_state.h"
#include "test_name.h"

#include <gtest/gtest.h>

#include <vector>

namespace drovane {
namespace {

using S = AnimationState;

AnimationState state(std::int16_t l, std::int16_t m, std::int16_t mm, std::int16_t n, std::int16_t hl = 0) {
    AnimationState s;
    s.l = l;
    s.m = m;
    s.mm = mm;
    s.n = n;
    s.hl = hl;
    return s;
}

struct TickCase {
    const char* what;
    AnimationState before;
    int shown;
    std::int16_t l, m, mm, n; // after the tick
};

class Tick : public testing::TestWithParam<TickCase> {};

TEST_P(Tick, MovesAndSetsTheRunState) {
    const TickCase& c = GetParam();
    AnimationState s = c.before;
    EXPECT_EQ(s.tick(), c.shown);
    EXPECT_EQ(s.l, c.l);
    EXPECT_EQ(s.m, c.m);
    EXPECT_EQ(s.mm, c.mm);
    EXPECT_EQ(s.n, c.n);
}

INSTANTIATE_TEST_SUITE_P(
    Transitions, Tick,
    testing::Values(
        TickCase{"start run moves one forward", state(0, 0, 0, S::kRunning), 1, 1, 0, 0, S::kRunning},
        TickCase{"start run wraps after the last frame", state(17, 0, 0, S::kRunning), 0, 0, 0, 0, S::kRunning},
        TickCase{"run backward from 0 moves two back", state(0, 0, 0, S::kRunBackward), 16, 16, 1, 0, S::kRunning},
        TickCase{"backward run moves one back", state(16, 1, 0, S::kRunning), 15, 15, 1, 0, S::kRunning},
        TickCase{"backward run ignores a stopped n", state(3, 1, 0, S::kStopped), 2, 2, 1, 0, S::kStopped},
        TickCase{"run forward from 17 moves two forward", state(17, 0, 0, S::kRunForward), 1, 1, 0, 1, S::kRunning},
        TickCase{"run forward from a backward run", state(5, 1, 0, S::kRunForward), 7, 7, 0, 1, S::kRunning},
        TickCase{"run backward from a forward run", state(5, 0, 1, S::kRunBackward), 3, 3, 1, 0, S::kRunning},
        TickCase{"step forward while stopped", state(5, 0, 0, S::kStepForward), 6, 6, 0, 0, S::kStopped},
        TickCase{"step back while stopped", state(6, 0, 0, S::kStepBack), 5, 5, 0, 0, S::kStopped},
        TickCase{"step back from 0 wraps", state(0, 0, 0, S::kStepBack), 17, 17, 0, 0, S::kStopped},
        TickCase{"step forward from the start run", state(4, 0, 0, S::kStepForward), 5, 5, 0, 0, S::kStopped},
        TickCase{"step forward stops a backward run in place", state(9, 1, 0, S::kStepForward), 9, 9, 0, 0, S::kStopped},
        TickCase{"step back stops a forward run in place", state(0, 0, 1, S::kStepBack), 0, 0, 0, 0, S::kStopped},
        TickCase{"step back stops a backward run in place", state(9, 1, 0, S::kStepBack), 9, 9, 0, 0, S::kStopped},
        TickCase{"stopped stays", state(5, 0, 0, S::kStopped), 5, 5, 0, 0, S::kStopped},
        TickCase{"small-lift set shows the second half", state(17, 0, 0, S::kStopped, 1), 35, 17, 0, 0, S::kStopped},
        TickCase{"small-lift set wraps within its half", state(17, 0, 0, S::kRunning, 1), 18, 0, 0, 0, S::kRunning}),
    [](const testing::TestParamInfo<TickCase>& info) { return testName(info.param.what); });

TEST(Tick, StartRunShowsOneTwoThreeAndRepeatsAfterTheLastFrame) {
    AnimationState s = state(0, 0, 0, S::kRunning);
    std::vector<int> shown;
    for (int i = 0; i < 20; ++i)
        shown.push_back(s.tick());
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 0, 1, 2}));
}

TEST(Tick, SecondStepAfterStoppingABackwardRunMovesForward) {
    AnimationState s = state(9, 1, 0, S::kStepForward);
    s.tick();
    s.n = S::kStepForward;
    EXPECT_EQ(s.tick(), 10);
}

// Every state a handler can leave behind, with every command: the tick keeps
// the invariants and never yields an index outside the frame table.
TEST(Tick, KeepsInvariantsFromEveryValidState) {
    for (std::int16_t hl = 0; hl <= 1; ++hl)
        for (std::int16_t l = 0; l < 18; ++l)
            for (const auto& [m, mm] : {std::pair<std::int16_t, std::int16_t>{0, 0}, {1, 0}, {0, 1}})
                for (std::int16_t n = S::kStepBack; n <= S::kRunForward; ++n) {
                    AnimationState s = state(l, m, mm, n, hl);
                    ASSERT_TRUE(s.invariantsHold());
                    const int shown = s.tick();
                    ASSERT_TRUE(s.invariantsHold()) << "l=" << l << " m=" << m << " mm=" << mm << " n=" << n;
                    ASSERT_TRUE(s.n == S::kStopped || s.n == S::kRunning);
                    ASSERT_GE(shown, 0);
                    ASSERT_LE(shown, 35);
                    ASSERT_EQ(shown, s.l + 18 * hl);
                }
}

TEST(AnimationState, EveryMemberStartsAtZero) {
    const AnimationState s;
    EXPECT_EQ(s.k, 0.0f);
    EXPECT_EQ(s.yyy, 0.0f);
    for (const std::int16_t member : {s.l, s.m, s.mm, s.n, s.m1, s.mm1, s.n1, s.nm, s.hl})
        EXPECT_EQ(member, 0);
}

} // namespace
} // namespace drovane
