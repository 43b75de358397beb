#include "drovane_run.h"
#include "e2e_cases.h"

#include <gtest/gtest.h>

namespace drovane::e2e {
namespace {

struct SpotCase {
    const char* what;
    int x;
    int y;
    DROVANE_E2E_PRINTS_WHAT(SpotCase)
};

class PointerSpot : public testing::TestWithParam<SpotCase> {};

TEST_P(PointerSpot, MakesTheFramesChangeAsFastAsTheLoopRuns) {
    DrovaneRun run;
    ASSERT_NE(run.changeFrom(1), 0) << "the loop never started";
    run.pointAt(GetParam().x, GetParam().y);
    // At the default pace, 40 changes would take 40 s.
    EXPECT_EQ(run.nextHolders(run.shown(), 40, kPatience).size(), 40U);
}

INSTANTIATE_TEST_SUITE_P(Spots, PointerSpot,
                         testing::Values(SpotCase{"near the top left", kFastX, kFastY},
                                         SpotCase{"on the left edge", 0, 150}, SpotCase{"on the top edge", 150, 0}),
                         caseName<SpotCase>);

struct ScrubCase {
    const char* what;
    KeySymbol run; // the key that set the saved run, 0 for the start run
    int direction; // of the saved run
    DROVANE_E2E_PRINTS_WHAT(ScrubCase)
};

class Scrubbing : public testing::TestWithParam<ScrubCase> {};

TEST_P(Scrubbing, StepsOneFramePerMovementAndASecondClickResumesTheRun) {
    const ScrubCase& c = GetParam();
    DrovaneRun run;
    ASSERT_TRUE(run.paceAt(60, 100));
    if (c.run != 0) {
        run.tap(c.run);
        // Two changes: the run is under way before the click.
        const int running = run.changeFrom(run.shown());
        ASSERT_NE(running, 0);
        ASSERT_NE(run.changeFrom(running), 0);
    }
    run.click();
    // The first movement stops the run.
    run.pointAt(60, 120);
    int holder = run.settle();
    ASSERT_NE(holder, 0) << "the first movement did not stop the run";

    struct Move {
        int x;
        int y;
        int step;
    };
    // Down or level steps forward, up steps back.
    const Move moves[] = {{60, 140, 1}, {60, 160, 1}, {60, 130, -1}, {60, 110, -1}, {60, 90, -1}, {90, 90, 1}};
    for (const Move& m : moves) {
        run.pointAt(m.x, m.y);
        const int next = run.settledChangeFrom(holder);
        ASSERT_EQ(next, stepped(holder, m.step)) << "moving to (" << m.x << ", " << m.y << ") from holder " << holder;
        holder = next;
    }

    run.click();
    const std::vector<int> resumed{stepped(holder, c.direction), stepped(holder, 2 * c.direction),
                                   stepped(holder, 3 * c.direction)};
    EXPECT_EQ(run.nextHolders(holder, resumed.size()), resumed);
}

INSTANTIATE_TEST_SUITE_P(SavedRuns, Scrubbing,
                         testing::Values(ScrubCase{"the start run", 0, 1}, ScrubCase{"after plus", XK_plus, 1},
                                         ScrubCase{"after minus", XK_minus, -1}),
                         caseName<ScrubCase>);

} // namespace
} // namespace drovane::e2e
