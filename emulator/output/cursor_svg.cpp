#include "emulator/output/cursor_svg.h"

namespace emulator {
namespace {

const char* PixelColour(CursorPixel pixel) {
    // An inverting pixel shows black over the white page.
    return pixel == CursorPixel::kWhite ? "#ffffff" : "#000000";
}

}  // namespace

// A run of one colour in a row at a time.
void DrawCursorPixels(SvgWriter& svg, const CursorBitmap& cursor) {
    for (uint32_t y = 0; y < cursor.image.height; ++y) {
        for (uint32_t x = 0; x < cursor.image.width;) {
            CursorPixel pixel = cursor.At(x, y);
            uint32_t end = x + 1;
            while (end < cursor.image.width && cursor.At(end, y) == pixel) ++end;
            if (pixel != CursorPixel::kTransparent)
                svg.Element("rect", SvgAttributes()
                                        .Add("x", static_cast<int>(x))
                                        .Add("y", static_cast<int>(y))
                                        .Add("width", static_cast<int>(end - x))
                                        .Add("height", 1)
                                        .Add("fill", PixelColour(pixel)));
            x = end;
        }
    }
}

std::string CursorSvg(const CursorBitmap& cursor) {
    SvgWriter svg(static_cast<int>(cursor.image.width), static_cast<int>(cursor.image.height));
    svg.Open("g", SvgAttributes().Add("shape-rendering", "crispEdges"));
    DrawCursorPixels(svg, cursor);
    return svg.Finish();
}

}  // namespace emulator
