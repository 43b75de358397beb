#include "frame_bitmap.h"
#include "frame_set.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

namespace drovane {
namespace {

using frame_set::StoredBitmap;

const std::uint8_t kEleven[] = {11};
const std::uint8_t kTwelve[] = {12};
const std::uint8_t kThirteen[] = {13};

TEST(FrameSet, HolderIsFoundByTheNumberInItsNameNotByStorageOrder) {
    const std::array<StoredBitmap, 3> stored{{
        {"image13.bmp", kThirteen},
        {"image11.bmp", kEleven},
        {"image12.bmp", kTwelve},
    }};
    EXPECT_EQ(frame_set::holderBitmap(11, stored)[0], 11);
    EXPECT_EQ(frame_set::holderBitmap(12, stored)[0], 12);
    EXPECT_EQ(frame_set::holderBitmap(13, stored)[0], 13);
    EXPECT_THROW(frame_set::holderBitmap(14, stored), std::out_of_range);
}

TEST(FrameSet, HolderNumbersOutsideTheSetAreRefused) {
    for (const int holder : {0, 37, -1})
        EXPECT_THROW(frame_set::holderBitmap(holder), std::out_of_range) << holder;
}

TEST(FrameSet, EveryHolderOfTheProgramDecodes) {
    for (int holder = 1; holder <= frame_set::kHolderCount; ++holder)
        EXPECT_NO_THROW(decodeFrame(frame_set::holderBitmap(holder))) << frame_set::assetName(holder);
}

} // namespace
} // namespace drovane
