// picture_place.cpp — the picture's scale and place in an area (see
// picture_place.h for the rule).
#include "platform/picture_place.h"

#include "platform/platform.h"

#include <algorithm>
#include <cmath>

namespace core {

namespace {
// A whole step is taken when it is at least this share of the largest fit.
constexpr double kWholeStepShare = 0.9;
}  // namespace

double pictureScale(int areaWidth, int areaHeight) {
    if (areaWidth < 1 || areaHeight < 1) return 1.0;
    const double fit = std::min(static_cast<double>(areaWidth) / kScreenWidth,
                                static_cast<double>(areaHeight) / kScreenHeight);
    const double whole = std::floor(fit);
    return whole >= 1.0 && whole >= kWholeStepShare * fit ? whole : fit;
}

PicturePlace placePicture(int areaWidth, int areaHeight) {
    if (areaWidth < 1 || areaHeight < 1) return {};
    const double scale = pictureScale(areaWidth, areaHeight);
    PicturePlace place;
    place.width = std::clamp(static_cast<int>(std::lround(kScreenWidth * scale)), 1, areaWidth);
    place.height = std::clamp(static_cast<int>(std::lround(kScreenHeight * scale)), 1, areaHeight);
    place.x = (areaWidth - place.width) / 2;
    place.y = (areaHeight - place.height) / 2;
    return place;
}

}  // namespace core
