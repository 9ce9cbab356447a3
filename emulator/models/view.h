// A document view: the artwork seen in whole pixels, vertical axis down. The pixel (0, 0)
// shows the artwork point ORIGIN; at zoom Z one artwork point spans Z pixels.
#pragma once

#include "host/types.h"

namespace emulator {

class View {
  public:
    static constexpr double kMinZoom = 1.0 / 32;
    static constexpr double kMaxZoom = 64;
    // The view opens on an A4 page at actual size: its top-left corner at the top-left
    // pixel.
    static constexpr HostRealPoint kDefaultOrigin = {0, 842};
    // The view's pixels, whatever its zoom: the A4 page's size at actual size.
    static constexpr HostRect kBounds = {0, 0, 595, 842};

    static bool ValidZoom(double zoom) { return zoom >= kMinZoom && zoom <= kMaxZoom; }

    HostReal Zoom() const { return zoom_; }
    // Keeps the origin. Throws std::invalid_argument for a zoom ValidZoom refuses.
    void SetZoom(double zoom);
    HostRealPoint Origin() const { return origin_; }
    void SetOrigin(HostRealPoint origin) { origin_ = origin; }

    // Where POINT shows, in pixels, not rounded.
    struct Position {
        double h;
        double v;
    };
    Position ToViewPosition(HostRealPoint point) const;
    // The pixel showing POINT, rounded to the nearest; a point beyond the pixels' range is
    // pinned to its end.
    HostViewPoint ToView(HostRealPoint point) const;
    // The artwork point at the top-left corner of PIXEL.
    HostRealPoint ToArtwork(HostViewPoint pixel) const;

  private:
    HostReal zoom_ = 1;
    HostRealPoint origin_ = kDefaultOrigin;
};

}  // namespace emulator
