#include "scripted_window.h"
#include "test_name.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace drovane {
namespace {


TEST(Form1Startup, ShowsTheFirstFrameAtOnceThenOnePassPerLoadedFrame) {
    ScriptedRun run;
    run.until(kLoadingPasses + 3);

    std::vector<std::string> expected{"show 1"};
    for (int pass = 1; pass <= kLoadingPasses; ++pass)
        expected.push_back("pass " + std::to_string(pass));
    // No pause between the last loading pass and the first tick.
    expected.insert(expected.end(), {"show 2", "count 1000001", "pass 36", "show 3", "count 1000001", "pass 37",
                                     "show 4", "count 1000001", "pass 38"});
    EXPECT_EQ(run.window.log, expected);
    for (int i = 0; i < Form1::kFrameCount; ++i)
        EXPECT_EQ(run.form.pic[i], &run.form.image(i + 1)) << "pic[" << i << "]";
}

TEST(Form1Startup, WithoutInputAnimatesTheLargeLiftSetForwardAndRepeats) {
    ScriptedRun run;
    run.until(kLoadingPasses + 20);
    EXPECT_EQ(run.window.shownAfterLoading(),
              (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 1, 2, 3}));
}

TEST(Form1Startup, TheStartOverwritesWhatInputSetWhileLoading) {
    ScriptedRun run;
    run.window.inPass(10, [](Form1& form) {
        form.Picture1_KeyPress('-');
        form.Picture1_KeyPress(' ');
        form.Picture1_MouseMove(0, 0, 2, 3);
        form.state.k = 5; // whatever a handler left there
    });
    run.until(kLoadingPasses + 3);
    EXPECT_EQ(run.window.shownAfterLoading(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(run.window.log[kLoadingPasses + 2], "count 1000001");
}

struct PauseCase {
    const char* what;
    float k;
    const char* counted;
};

class Form1Delay : public testing::TestWithParam<PauseCase> {};

TEST_P(Form1Delay, CountsFloorOfKPlusOneAndNoneBelowZero) {
    ScriptedRun run;
    run.window.inPass(kLoadingPasses + 1, [k = GetParam().k](Form1& form) { form.state.k = k; });
    run.until(kLoadingPasses + 2);
    const std::vector<std::string> tail(run.window.log.end() - 3, run.window.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"show 3", GetParam().counted, "pass 37"}));
}

INSTANTIATE_TEST_SUITE_P(Counts, Form1Delay,
                         testing::Values(PauseCase{"negative", -1.0f, "count 0"}, PauseCase{"zero", 0.0f, "count 1"},
                                         PauseCase{"a fraction", 2.5f, "count 3"},
                                         PauseCase{"the start", 1'000'000.0f, "count 1000001"}),
                         [](const testing::TestParamInfo<PauseCase>& info) { return testName(info.param.what); });

TEST(PauseCounts, HugeAndInvalidPausesStayDefined) {
    EXPECT_EQ(pauseCounts(3.0e38f), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(pauseCounts(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(pauseCounts(-std::numeric_limits<float>::infinity()), 0);
}

TEST(Form1Startup, AFrameThatCannotBeDecodedIsFatalAndNamed) {
    std::vector<frame_set::StoredBitmap> bitmaps(frame_set::storedBitmaps().begin(), frame_set::storedBitmaps().end());
    for (frame_set::StoredBitmap& bitmap : bitmaps)
        if (bitmap.name == "image07.bmp")
            bitmap.bytes = bitmap.bytes.first(100);
    ScriptedWindow window;
    try {
        Form1 form(window, window, bitmaps);
        FAIL() << "started with a truncated frame";
    } catch (const ProgramFailed& failure) {
        EXPECT_EQ(failure.what, "cannot load frame Image7: frame bitmap: length is 100 bytes, expected 9022");
    }

    std::erase_if(bitmaps, [](const frame_set::StoredBitmap& bitmap) { return bitmap.name == "image07.bmp"; });
    try {
        Form1 form(window, window, bitmaps);
        FAIL() << "started without a frame";
    } catch (const ProgramFailed& failure) {
        EXPECT_EQ(failure.what, "cannot load frame Image7: frame holder 7: no bitmap image07.bmp in the program");
    }
}

} // namespace
} // namespace drovane
