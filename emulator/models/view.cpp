#include "emulator/models/view.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace emulator {

void View::SetZoom(double zoom) {
    if (!ValidZoom(zoom)) throw std::invalid_argument("a zoom from 1/32 to 64 is expected");
    zoom_ = static_cast<HostReal>(zoom);
}

View::Position View::ToViewPosition(HostRealPoint point) const {
    return {(double{point.h} - origin_.h) * zoom_, (double{origin_.v} - point.v) * zoom_};
}

namespace {

// A pixel coordinate, pinned to the ends of its range: a point far beyond the view stays
// on its side of it instead of wrapping onto the screen.
int32_t Pixel(double position) {
    if (std::isnan(position)) return 0;
    constexpr double kLowest = std::numeric_limits<int32_t>::min();
    constexpr double kHighest = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::llround(std::clamp(position, kLowest, kHighest)));
}

}  // namespace

HostViewPoint View::ToView(HostRealPoint point) const {
    Position position = ToViewPosition(point);
    return {Pixel(position.h), Pixel(position.v)};
}

HostRealPoint View::ToArtwork(HostViewPoint pixel) const {
    return {static_cast<HostReal>(origin_.h + pixel.h / double{zoom_}),
            static_cast<HostReal>(origin_.v - pixel.v / double{zoom_})};
}

}  // namespace emulator
