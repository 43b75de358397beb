#include "drovane_run.h"
#include "e2e_cases.h"

#include <gtest/gtest.h>

namespace drovane::e2e {
namespace {

struct QuitCase {
    const char* what;
    void (*quit)(DrovaneRun&);
    DROVANE_E2E_PRINTS_WHAT(QuitCase)
};

class Quitting : public testing::TestWithParam<QuitCase> {};

TEST_P(Quitting, EndsWithStatusZeroAndTheWindowGoes) {
    DrovaneRun run;
    ASSERT_NE(run.changeFrom(1), 0) << "the loop never started";
    GetParam().quit(run);
    EXPECT_EQ(run.exitStatus(), std::optional<int>(0));
    EXPECT_TRUE(run.windowGone());
}

INSTANTIATE_TEST_SUITE_P(Ways, Quitting,
                         testing::Values(QuitCase{"escape", [](DrovaneRun& run) { run.tap(XK_Escape); }},
                                         QuitCase{"a double click",
                                                  [](DrovaneRun& run) {
                                                      run.pointAt(120, 140);
                                                      run.doubleClick();
                                                  }},
                                         QuitCase{"the window managers close request",
                                                  [](DrovaneRun& run) { run.requestClose(); }}),
                         caseName<QuitCase>);

TEST(Quitting, EscapeAsSoonAsTheWindowAppearsEndsWithStatusZero) {
    DrovaneRun run;
    // As early as a user could: the key reaches the loading passes or the
    // first pauses. That loading itself hands Escape on is shown by the
    // scripted window's tests, which can stop in any loading pass.
    run.tap(XK_Escape);
    EXPECT_EQ(run.exitStatus(), std::optional<int>(0));
    EXPECT_TRUE(run.windowGone());
}

} // namespace
} // namespace drovane::e2e
