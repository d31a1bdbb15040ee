// The picture in a window or page of any size: whole steps where they fill
// nearly as much, otherwise the largest fit, aspect kept, centred.
#include "platform/picture_place.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    int areaWidth, areaHeight;
    int x, y, width, height;
};

TEST(PicturePlace, WholeStepsWhereTheyFillNearlyAsMuchElseTheLargestFit) {
    const Case cases[] = {
        {800, 600, 0, 0, 800, 600},        // the picture's own size
        {1024, 768, 0, 0, 1024, 768},      // 1.28 fits; one whole step would waste a fifth
        {1600, 1200, 0, 0, 1600, 1200},    // two whole steps exactly
        {1700, 1250, 50, 25, 1600, 1200},  // 2.08 fits: two whole steps lose under a tenth
        {1920, 1080, 240, 0, 1440, 1080},  // 1.8: the whole height, not 800 x 600
        {2560, 1440, 320, 0, 1920, 1440},  // 2.4: two steps would leave a sixth unused
        {3300, 2500, 50, 50, 3200, 2400},  // 4.125 fits: four whole steps
        {390, 844, 0, 275, 390, 293},      // a phone held upright: shrunk to its width
        {844, 390, 162, 0, 520, 390},      // and on its side: to its height
        {0, 600, 0, 0, 800, 600},          // no area: the picture as it is
    };
    for (const Case& c : cases) {
        const core::PicturePlace place = core::placePicture(c.areaWidth, c.areaHeight);
        EXPECT_EQ(place.x, c.x) << c.areaWidth << " x " << c.areaHeight;
        EXPECT_EQ(place.y, c.y) << c.areaWidth << " x " << c.areaHeight;
        EXPECT_EQ(place.width, c.width) << c.areaWidth << " x " << c.areaHeight;
        EXPECT_EQ(place.height, c.height) << c.areaWidth << " x " << c.areaHeight;
    }
}

}  // namespace
