#include "scripted_window.h"
#include "test_name.h"

#include <gtest/gtest.h>

namespace drovane {
namespace {


struct KeyCase {
    const char* what;
    char16_t typed;
    std::int16_t n;  // after the key, from n = 1
    std::int16_t hl; // after the key, from hl = 0
};

class Keyboard : public testing::TestWithParam<KeyCase> {};

TEST_P(Keyboard, SetsTheCommandOrTheFrameSet) {
    ScriptedWindow window;
    Form1 form(window, window);
    form.state.n = AnimationState::kRunning;
    form.Picture1_KeyPress(static_cast<std::int16_t>(GetParam().typed));
    EXPECT_EQ(form.state.n, GetParam().n);
    EXPECT_EQ(form.state.hl, GetParam().hl);
    EXPECT_TRUE(window.log.empty()) << "a key other than Escape asks nothing of the window";
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Keyboard,
    testing::Values(KeyCase{"minus runs backward", u'-', -1, 0}, KeyCase{"plus runs forward", u'+', 3, 0},
                    KeyCase{"comma runs forward", u',', 3, 0}, KeyCase{"slash steps back", u'/', -2, 0},
                    KeyCase{"star steps forward", u'*', 2, 0}, KeyCase{"full stop steps forward", u'.', 2, 0},
                    KeyCase{"space switches the set", u' ', 1, 1}, KeyCase{"equals is ignored", u'=', 1, 0},
                    KeyCase{"underscore is ignored", u'_', 1, 0}, KeyCase{"a letter is ignored", u'a', 1, 0},
                    KeyCase{"an upper case letter is ignored", u'S', 1, 0},
                    KeyCase{"a digit is ignored", u'2', 1, 0}, KeyCase{"return is ignored", u'\r', 1, 0},
                    KeyCase{"a non ASCII character is ignored", u'\u00f7', 1, 0}),
    [](const testing::TestParamInfo<KeyCase>& info) { return testName(info.param.what); });

TEST(KeyboardInTheLoop, TheLastCommandBeforeATickWins) {
    ScriptedRun run;
    run.window.inPass(kLoadingPasses + 1, [](Form1& form) {
        form.Picture1_KeyPress('-');
        form.Picture1_KeyPress('+');
    });
    run.until(kLoadingPasses + 3);
    // Shown 2, then "+" moves two forward from position 1, then one a tick.
    EXPECT_EQ(run.window.shownAfterLoading(), (std::vector<int>{2, 4, 5}));
}

TEST(KeyboardInTheLoop, SpaceSwitchesAtTheNextTickAndTwoSpacesCancel) {
    ScriptedRun run;
    run.window.inPass(kLoadingPasses + 1, [](Form1& form) { form.Picture1_KeyPress(' '); });
    run.window.inPass(kLoadingPasses + 2, [](Form1& form) {
        form.Picture1_KeyPress(' ');
        form.Picture1_KeyPress(' ');
    });
    run.window.inPass(kLoadingPasses + 3, [](Form1& form) {
        form.Picture1_KeyPress('/');
        form.Picture1_KeyPress(' ');
    });
    run.until(kLoadingPasses + 5);
    EXPECT_EQ(run.window.shownAfterLoading(), (std::vector<int>{2, 21, 22, 3, 3}));
}

// How the program ended: the log from the first "clear" on, and how many
// frames were shown.
struct Ending {
    std::vector<std::string> tail;
    std::size_t framesShown;
};

Ending endIn(int pass, std::function<void(Form1&)> input) {
    ScriptedRun run;
    run.window.inPass(pass, std::move(input));
    EXPECT_THROW(run.until(pass + 10), ProgramEnded);
    const auto clear = std::find(run.window.log.begin(), run.window.log.end(), "clear");
    return {{clear, run.window.log.end()}, run.window.shown.size()};
}

TEST(Quitting, EscapeWhileLoadingEndsBeforeAnyTick) {
    const Ending ending = endIn(3, [](Form1& form) { form.Picture1_KeyPress(Form1::kEscape); });
    EXPECT_EQ(ending.tail, (std::vector<std::string>{"clear", "end"}));
    EXPECT_EQ(ending.framesShown, 1u);
}

TEST(Quitting, EscapeDoubleClickAndACloseRequestEndTheAnimationWithNothingAfter) {
    const std::vector<std::function<void(Form1&)>> ways{
        [](Form1& form) { form.Picture1_KeyPress(Form1::kEscape); },
        [](Form1& form) {
            form.Picture1_Click();
            form.Picture1_DblClick();
        },
        [](Form1& form) { form.Form_Close(); },
    };
    for (std::size_t way = 0; way < ways.size(); ++way) {
        const Ending ending = endIn(kLoadingPasses + 4, ways[way]);
        EXPECT_EQ(ending.tail, (std::vector<std::string>{"clear", "end"})) << "way " << way;
        EXPECT_EQ(ending.framesShown, 5u) << "way " << way;
    }
}

} // namespace
} // namespace drovane
