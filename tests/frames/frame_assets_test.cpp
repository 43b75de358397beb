#include "frame_bitmap.h"
#include "frame_set.h"
#include "mechanism.h"
#include "mechanism_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace drovane;

// Suite named after the file so `ctest -R frame_assets` finds it.
// The committed bitmaps are exactly what the generator draws today.
TEST(frame_assets, CompiledInBitmapsMatchTheDrawing) {
    for (int set = 0; set < mechanism::kSettings; ++set)
        for (int position = 0; position < mechanism::kPositions; ++position) {
            const int holder = set * frame_set::kFramesPerSet + position + 1;
            const auto stored = frame_set::holderBitmap(holder);
            const auto drawn = encodeFrame(drawMechanismFrame(set, position));
            EXPECT_TRUE(std::ranges::equal(stored, drawn))
                << frame_set::assetName(holder) << " differs from the drawing; rerun `make frames`";
        }
}

} // namespace
