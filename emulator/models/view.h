// A document view: a window of whole pixels onto the artwork, vertical axis down. Its pixel
// (0, 0) shows the artwork point ORIGIN, the scroll origin; at zoom Z one artwork point
// spans Z pixels.
#pragma once

#include "emulator/models/page.h"
#include "host/types.h"

namespace emulator {

class View {
  public:
    static constexpr double kMinZoom = 1.0 / 32;
    static constexpr double kMaxZoom = 64;
    // The window's sides, in pixels.
    static constexpr int32_t kMinSide = 1;
    static constexpr int32_t kMaxSide = 16384;
    // How far from the artwork's origin the canvas reaches, in points: the scroll origin
    // stays within it, so no scroll or zoom takes the view to coordinates that do not
    // hold.
    static constexpr double kCanvasReach = 16383;
    // The view opens on the page at actual size, its top-left corner at the top-left
    // pixel, in a window the page's size.
    static constexpr HostRealPoint kDefaultOrigin = kPageTopLeft;
    static constexpr int32_t kDefaultWidth = static_cast<int32_t>(kPageWidth);
    static constexpr int32_t kDefaultHeight = static_cast<int32_t>(kPageHeight);

    static bool ValidZoom(double zoom) { return zoom >= kMinZoom && zoom <= kMaxZoom; }
    static bool ValidSide(int64_t side) { return side >= kMinSide && side <= kMaxSide; }

    HostReal Zoom() const { return zoom_; }
    // Keeps the origin. Throws std::invalid_argument for a zoom ValidZoom refuses.
    void SetZoom(double zoom);
    // Sets the zoom keeping the artwork point under PIXEL where it is (as far as the
    // canvas allows). Throws std::invalid_argument for a zoom ValidZoom refuses.
    void ZoomAt(double zoom, HostViewPoint pixel);
    // The largest zoom that shows the whole of the page, within the zoom's limits, with
    // the page centred in the window.
    void FitPage();
    HostRealPoint Origin() const { return origin_; }
    // Moves the view over the artwork by DH pixels to the right and DV down: what showed
    // at pixel (DH, DV) now shows at (0, 0).
    void Scroll(int32_t dh, int32_t dv);

    // The window: (0, 0) to its width and height. The scroll origin stays.
    HostRect Bounds() const { return {0, 0, width_, height_}; }
    // Throws std::invalid_argument for a side ValidSide refuses.
    void SetSize(int32_t width, int32_t height);

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
    // Puts the artwork point (H, V) at the pixel position (PIXELH, PIXELV), as far as the
    // canvas reaches.
    void Place(double h, double v, double pixelH, double pixelV);

    HostReal zoom_ = 1;
    HostRealPoint origin_ = kDefaultOrigin;
    int32_t width_ = kDefaultWidth;
    int32_t height_ = kDefaultHeight;
};

}  // namespace emulator
