#include "scripted_window.h"
#include "test_name.h"

#include <gtest/gtest.h>

#include <limits>

namespace drovane {
namespace {

constexpr int kFirstTickPass = kLoadingPasses + 1; // the pass after the first frame of the loop

using Input = std::function<void(Form1&)>;

Input click() {
    return [](Form1& form) { form.Picture1_Click(); };
}
Input moveTo(float x, float y) {
    return [x, y](Form1& form) { form.Picture1_MouseMove(0, 0, x, y); };
}
Input key(char typed) {
    return [typed](Form1& form) { form.Picture1_KeyPress(typed); };
}

struct MouseCase {
    const char* what;
    std::vector<std::pair<int, Input>> script; // input in event pass number ...
    std::vector<int> shown;                    // holders shown by the loop
    const char* lastCount;                     // the last pause counted
};

class MouseInTheLoop : public testing::TestWithParam<MouseCase> {};

TEST_P(MouseInTheLoop, StepsStopsAndRestores) {
    const MouseCase& c = GetParam();
    ScriptedRun run;
    for (const auto& [pass, input] : c.script)
        run.window.inPass(pass, input);
    run.until(kLoadingPasses + static_cast<int>(c.shown.size()));
    EXPECT_EQ(run.window.shownAfterLoading(), c.shown);
    EXPECT_EQ(run.window.log[run.window.log.size() - 2], c.lastCount);
}

INSTANTIATE_TEST_SUITE_P(
    ScrubMode, MouseInTheLoop,
    testing::Values(
        MouseCase{"scrubbing a backward run stops it, steps it and gives it back",
                  {{kFirstTickPass, key('-')},
                   {kFirstTickPass + 1, click()},
                   {kFirstTickPass + 2, moveTo(1, 1)},
                   {kFirstTickPass + 3, moveTo(1, 2)},
                   {kFirstTickPass + 4, moveTo(1, 3)},
                   {kFirstTickPass + 5, click()}},
                  // -2 back, -1 back, stopped by the first move, +1, +1, then back again from there
                  {2, 18, 17, 17, 18, 1, 18, 17},
                  "count 80001"},
        MouseCase{"the first movement of the first scrub period steps forward",
                  {{kFirstTickPass, key('/')}, {kFirstTickPass + 1, click()}, {kFirstTickPass + 2, moveTo(1, 0.5f)}},
                  {2, 1, 1, 2, 2},
                  "count 80001"},
        MouseCase{"moving up steps back and sideways steps forward",
                  {{kFirstTickPass, click()},
                   {kFirstTickPass + 1, moveTo(1, 5)},
                   {kFirstTickPass + 2, moveTo(1, 4)},
                   {kFirstTickPass + 3, moveTo(3, 4)}},
                  {2, 3, 4, 3, 4, 4},
                  "count 80001"},
        MouseCase{"leaving scrub mode keeps the scrub pause until the mouse moves",
                  {{kFirstTickPass, click()}, {kFirstTickPass + 1, moveTo(1, 1)}, {kFirstTickPass + 2, click()}},
                  {2, 3, 4, 5, 6},
                  "count 80001"},
        MouseCase{"after leaving scrub mode the position sets the pause again",
                  {{kFirstTickPass, click()},
                   {kFirstTickPass + 1, moveTo(1, 1)},
                   {kFirstTickPass + 2, click()},
                   {kFirstTickPass + 3, moveTo(2, 3)}},
                  {2, 3, 4, 5, 6},
                  "count 421"},
        MouseCase{"a click while loading scrubs on and leaving it restores a stop",
                  {{5, click()}, {kFirstTickPass + 1, click()}},
                  {2, 3, 3, 3},
                  "count 1000001"},
        MouseCase{"keys keep working in scrub mode and are forgotten when it ends",
                  {{kFirstTickPass, click()}, {kFirstTickPass + 1, key('-')}, {kFirstTickPass + 3, click()}},
                  {2, 3, 1, 18, 1},
                  "count 1000001"}),
    [](const testing::TestParamInfo<MouseCase>& info) { return testName(info.param.what); });

TEST(MouseSpeed, IsTheProductOfThePositionAndSeventy) {
    ScriptedRun run;
    run.form.Picture1_MouseMove(0, 0, 2, 3);
    EXPECT_FLOAT_EQ(run.form.state.k, 420.0f);
    run.form.Picture1_MouseMove(1, 0, 0, 11);
    EXPECT_EQ(run.form.state.k, 0.0f) << "the left edge runs fastest";
    run.form.Picture1_MouseMove(0, 0, -2, 3);
    EXPECT_FLOAT_EQ(run.form.state.k, -420.0f) << "positions outside are passed on as they are";
}

TEST(MouseSpeed, AnOverflowingOrInvalidProductIsAFatalError) {
    for (const auto& [x, y] : {std::pair{1e20f, 1e20f}, std::pair{std::numeric_limits<float>::quiet_NaN(), 1.0f}}) {
        ScriptedRun run;
        run.form.state.k = 5;
        try {
            run.form.Picture1_MouseMove(0, 0, x, y);
            FAIL() << "accepted " << x << " x " << y;
        } catch (const ProgramFailed& failure) {
            EXPECT_NE(failure.what.find("mouse speed"), std::string::npos) << failure.what;
        }
    }
}

TEST(MouseScrub, ComparesWithTheLastPositionAndKeepsItAcrossPeriods) {
    ScriptedRun run;
    Form1& form = run.form;
    form.state.n = 1;
    form.state.mm = 1;
    form.Picture1_Click();
    EXPECT_EQ(form.state.nm, 1);
    EXPECT_EQ(form.state.n1, 1);
    EXPECT_EQ(form.state.mm1, 1);
    form.Picture1_MouseMove(0, 0, 1, 7);
    EXPECT_EQ(form.state.n, 2);
    EXPECT_EQ(form.state.yyy, 7.0f);
    form.state.l = 9;
    form.state.hl = 1;
    form.Picture1_Click();
    EXPECT_EQ(form.state.nm, 0);
    EXPECT_EQ(form.state.n, 1);
    EXPECT_EQ(form.state.mm, 1);
    EXPECT_EQ(form.state.l, 9) << "the frame reached is kept";
    EXPECT_EQ(form.state.hl, 1);
    form.Picture1_Click();
    form.Picture1_MouseMove(0, 0, 1, 6);
    EXPECT_EQ(form.state.n, -2) << "the new period compares with the last position of the old one";
}

} // namespace
} // namespace drovane
