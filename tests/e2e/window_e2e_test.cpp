#include "drovane_run.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace drovane::e2e {
namespace {

// Motif hint bits, as window managers read _MOTIF_WM_HINTS.
constexpr unsigned long kMwmHintsFunctions = 1UL << 0;
constexpr unsigned long kMwmFuncAll = 1UL << 0;
constexpr unsigned long kMwmFuncMinimize = 1UL << 3;
constexpr unsigned long kMwmFuncMaximize = 1UL << 4;
constexpr unsigned long kMwmFuncClose = 1UL << 5;

TEST(Window, IsTheOnlyTopLevelWithTheCaptionAndHasTheClientSize) {
    DrovaneRun run;
    EXPECT_EQ(run.topLevelsWithCaption(), std::vector<WindowId>{run.window()});
    const auto facts = run.facts();
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->width, kClientWidth);
    EXPECT_EQ(facts->height, kClientHeight);
    EXPECT_TRUE(facts->viewable);
}

TEST(Window, AsksForAFixedSize) {
    DrovaneRun run;
    const auto hints = run.sizeHints();
    ASSERT_TRUE(hints);
    const auto clientSize = std::pair{kClientWidth, kClientHeight};
    EXPECT_EQ(hints->min, clientSize);
    EXPECT_EQ(hints->max, clientSize);
}

TEST(Window, AsksForNoMinimiseMaximiseOrCloseButton) {
    DrovaneRun run;
    const auto motif = run.property32("_MOTIF_WM_HINTS");
    ASSERT_TRUE(motif);
    ASSERT_GE(motif->size(), 2U);
    ASSERT_TRUE((*motif)[0] & kMwmHintsFunctions) << "the functions field is in use";
    const unsigned long functions = (*motif)[1];
    EXPECT_FALSE(functions & kMwmFuncAll) << "\"all\" would turn the list into exclusions";
    EXPECT_FALSE(functions & kMwmFuncMinimize);
    EXPECT_FALSE(functions & kMwmFuncMaximize);
    EXPECT_FALSE(functions & kMwmFuncClose);
}

TEST(Window, TakesTheWindowManagersCloseRequest) {
    DrovaneRun run;
    const auto protocols = run.property32("WM_PROTOCOLS");
    ASSERT_TRUE(protocols);
    EXPECT_NE(std::find(protocols->begin(), protocols->end(), run.atom("WM_DELETE_WINDOW")), protocols->end());
}

} // namespace
} // namespace drovane::e2e
