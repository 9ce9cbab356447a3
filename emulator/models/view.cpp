#include "emulator/models/view.h"

#include <cmath>
#include <stdexcept>

namespace emulator {

void View::SetZoom(double zoom) {
    if (!ValidZoom(zoom)) throw std::invalid_argument("a zoom from 1/32 to 64 is expected");
    zoom_ = static_cast<HostReal>(zoom);
}

View::Position View::ToViewPosition(HostRealPoint point) const {
    return {(double{point.h} - origin_.h) * zoom_, (double{origin_.v} - point.v) * zoom_};
}

HostViewPoint View::ToView(HostRealPoint point) const {
    Position position = ToViewPosition(point);
    return {static_cast<int32_t>(std::lround(position.h)),
            static_cast<int32_t>(std::lround(position.v))};
}

HostRealPoint View::ToArtwork(HostViewPoint pixel) const {
    return {static_cast<HostReal>(origin_.h + pixel.h / double{zoom_}),
            static_cast<HostReal>(origin_.v - pixel.v / double{zoom_})};
}

}  // namespace emulator
