#include "emulator/models/view.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "emulator/models/page.h"

namespace emulator {

void View::SetZoom(double zoom) {
    if (!ValidZoom(zoom)) throw std::invalid_argument("a zoom from 1/32 to 64 is expected");
    zoom_ = static_cast<HostReal>(zoom);
}

void View::ZoomAt(double zoom, HostViewPoint pixel) {
    double h = origin_.h + pixel.h / double{zoom_};
    double v = origin_.v - pixel.v / double{zoom_};
    SetZoom(zoom);
    Place(h, v, pixel.h, pixel.v);
}

void View::FitPage() {
    double zoom = std::min(width_ / double{kPageWidth}, height_ / double{kPageHeight});
    SetZoom(std::clamp(zoom, kMinZoom, kMaxZoom));
    Place(kPageWidth / 2.0, kPageHeight / 2.0, width_ / 2.0, height_ / 2.0);
}

void View::Scroll(int32_t dh, int32_t dv) {
    Place(origin_.h, origin_.v, -static_cast<double>(dh), -static_cast<double>(dv));
}

void View::Place(double h, double v, double pixelH, double pixelV) {
    double originH = std::clamp(h - pixelH / zoom_, -kCanvasReach, kCanvasReach);
    double originV = std::clamp(v + pixelV / zoom_, -kCanvasReach, kCanvasReach);
    origin_ = {static_cast<HostReal>(originH), static_cast<HostReal>(originV)};
}

void View::SetSize(int32_t width, int32_t height) {
    if (!ValidSide(width) || !ValidSide(height))
        throw std::invalid_argument("a window of 1 to 16384 pixels a side is expected");
    width_ = width;
    height_ = height;
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
