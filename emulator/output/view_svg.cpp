#include "emulator/output/view_svg.h"

#include <algorithm>

#include "emulator/common/text_encoding.h"
#include "emulator/models/annotations/annotation_font.h"
#include "emulator/models/document/outline.h"
#include "emulator/models/page.h"
#include "emulator/output/cursor_svg.h"
#include "emulator/output/svg_writer.h"

namespace emulator {
namespace {

constexpr const char* kPasteboard = "#d4d4d4";
constexpr const char* kPage = "#ffffff";
constexpr const char* kPageEdge = "#909090";
// Paths hold no paint of their own: the host strokes them with its default paint.
constexpr const char* kPathStroke = "#000000";
constexpr double kPathStrokePoints = 1;

std::string Colour(const HostRGBColor& color) {
    return SvgColour(static_cast<uint8_t>(color.red >> 8), static_cast<uint8_t>(color.green >> 8),
                     static_cast<uint8_t>(color.blue >> 8));
}

std::string PointText(const View& view, HostRealPoint point) {
    View::Position position = view.ToViewPosition(point);
    return SvgNumber(position.h) + ' ' + SvgNumber(position.v);
}

bool IsStraight(const HostPathSegment& from, const HostPathSegment& to) {
    return from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h &&
           to.in.v == to.p.v;
}

// The piece of outline from FROM's anchor to TO's.
std::string PieceText(const View& view, const HostPathSegment& from, const HostPathSegment& to) {
    if (IsStraight(from, to)) return " L " + PointText(view, to.p);
    return " C " + PointText(view, from.out) + ' ' + PointText(view, to.in) + ' ' +
           PointText(view, to.p);
}

// The path's outline as SVG path data, in view pixels.
std::string PathData(const View& view, const Art& path) {
    const std::vector<HostPathSegment>& segments = path.segments;
    std::string data = "M " + PointText(view, segments.front().p);
    for (size_t i = 1; i < segments.size(); ++i)
        data += PieceText(view, segments[i - 1], segments[i]);
    if (path.closed) data += PieceText(view, segments.back(), segments.front()) + " Z";
    return data;
}

// The pasteboard filling the window, and the page where the scroll and zoom show it.
void DrawPage(SvgWriter& svg, const View& view) {
    svg.Element("rect", SvgAttributes()
                            .Add("width", view.Bounds().right)
                            .Add("height", view.Bounds().bottom)
                            .Add("fill", kPasteboard));
    View::Position topLeft = view.ToViewPosition(kPageTopLeft);
    View::Position bottomRight = view.ToViewPosition(kPageBottomRight);
    svg.Element("rect", SvgAttributes()
                            .Add("x", topLeft.h)
                            .Add("y", topLeft.v)
                            .Add("width", bottomRight.h - topLeft.h)
                            .Add("height", bottomRight.v - topLeft.v)
                            .Add("fill", kPage)
                            .Add("stroke", kPageEdge));
}

// The paths of visible layers that are guides (or not, as GUIDES says), from the bottom up.
void DrawPaths(SvgWriter& svg, const Host& host, bool guides) {
    const View& view = host.Drawing().FirstView();
    // A stroke of a point, never thinner than a pixel; guides are a pixel wide at any zoom.
    double width = guides ? 1 : std::max(1.0, kPathStrokePoints * view.Zoom());
    std::vector<Art*> paths = host.Drawing().Paths();
    for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
        if ((*path)->guide != guides || !(*path)->layer->visible || (*path)->segments.empty())
            continue;
        svg.Element("path", SvgAttributes()
                                .Add("d", PathData(view, **path))
                                .Add("fill", "none")
                                .Add("stroke", guides ? kGuideColour : kPathStroke)
                                .Add("stroke-width", width));
    }
}

// The selection's bounds, a pixel wide in its layer's colour, with a handle at each corner
// and at the middle of each side, as hosts draw it.
void DrawSelection(SvgWriter& svg, const Host& host) {
    const Art* selection = host.Drawing().Selection();
    OutlineBox box{};
    if (selection == nullptr || !BoxOf(*selection, box)) return;
    const View& view = host.Drawing().FirstView();
    View::Position topLeft =
        view.ToViewPosition({static_cast<float>(box.left), static_cast<float>(box.top)});
    View::Position bottomRight =
        view.ToViewPosition({static_cast<float>(box.right), static_cast<float>(box.bottom)});
    std::string colour = Colour(selection->layer->color);
    svg.Open("g", SvgAttributes().Add("class", "selection"));
    svg.Element("rect", SvgAttributes()
                            .Add("x", topLeft.h)
                            .Add("y", topLeft.v)
                            .Add("width", bottomRight.h - topLeft.h)
                            .Add("height", bottomRight.v - topLeft.v)
                            .Add("fill", "none")
                            .Add("stroke", colour)
                            .Add("stroke-width", 1));
    constexpr double kHandle = 5;
    double middleH = (topLeft.h + bottomRight.h) / 2, middleV = (topLeft.v + bottomRight.v) / 2;
    for (double h : {topLeft.h, middleH, bottomRight.h})
        for (double v : {topLeft.v, middleV, bottomRight.v}) {
            if (h == middleH && v == middleV) continue;
            svg.Element("rect", SvgAttributes()
                                    .Add("x", h - kHandle / 2)
                                    .Add("y", v - kHandle / 2)
                                    .Add("width", kHandle)
                                    .Add("height", kHandle)
                                    .Add("fill", "#ffffff")
                                    .Add("stroke", colour)
                                    .Add("stroke-width", 1));
        }
    svg.Close();
}

// A line or outline is at least a pixel wide, as the host draws it.
double StrokeWidth(const AnnotationOp& op) {
    return std::max<double>(1, op.lineWidth);
}

void DrawLine(SvgWriter& svg, const AnnotationOp& op) {
    // Through the middle of the pixels it joins.
    svg.Element("line", SvgAttributes()
                            .Add("x1", op.coords[0] + 0.5)
                            .Add("y1", op.coords[1] + 0.5)
                            .Add("x2", op.coords[2] + 0.5)
                            .Add("y2", op.coords[3] + 0.5)
                            .Add("stroke", Colour(op.color))
                            .Add("stroke-width", StrokeWidth(op))
                            .Add("stroke-linecap", "square"));
}

// A rectangle or ellipse inside its rectangle: an outline lies within it.
void DrawShape(SvgWriter& svg, const AnnotationOp& op) {
    double inset = op.filled ? 0 : StrokeWidth(op) / 2;
    double left = op.coords[0] + inset, top = op.coords[1] + inset;
    double width = std::max(0.0, op.coords[2] - op.coords[0] - 2 * inset);
    double height = std::max(0.0, op.coords[3] - op.coords[1] - 2 * inset);
    SvgAttributes shape;
    if (op.op == "rect")
        shape.Add("x", left).Add("y", top).Add("width", width).Add("height", height);
    else
        shape.Add("cx", left + width / 2)
            .Add("cy", top + height / 2)
            .Add("rx", width / 2)
            .Add("ry", height / 2);
    if (op.filled)
        shape.Add("fill", Colour(op.color));
    else
        shape.Add("fill", "none")
            .Add("stroke", Colour(op.color))
            .Add("stroke-width", StrokeWidth(op));
    svg.Element(op.op == "rect" ? "rect" : "ellipse", shape);
}

// The text aligned in its rectangle as GetTextBounds measures it: its line is the font's
// ascender plus descender high.
void DrawText(SvgWriter& svg, const AnnotationOp& op) {
    const AnnotationFont& font = AnnotationFont::Default();
    const auto& [left, top, right, bottom] = op.coords;
    double x = op.hAlign == kHostAlignStart    ? left
               : op.hAlign == kHostAlignCenter ? (left + right) / 2.0
                                               : right;
    double lineHeight = font.Ascender() + font.Descender();
    double lineTop = op.vAlign == kHostAlignStart    ? top
                     : op.vAlign == kHostAlignCenter ? (top + bottom - lineHeight) / 2
                                                     : bottom - lineHeight;
    const char* anchor = op.hAlign == kHostAlignStart    ? "start"
                         : op.hAlign == kHostAlignCenter ? "middle"
                                                         : "end";
    svg.TextElement("text",
                    SvgAttributes()
                        .Add("x", x)
                        .Add("y", lineTop + font.Ascender())
                        .Add("fill", Colour(op.color))
                        .Add("text-anchor", anchor),
                    op.text);
}

void DrawAnnotations(SvgWriter& svg, const AnnotationLayer& layer) {
    svg.Open("g", SvgAttributes()
                      .Add("font-family", AnnotationFont::kFamily)
                      .Add("font-size", AnnotationFont::kPixelSize)
                      .Add("style", "font-kerning: none"));
    for (const AnnotationOp& op : layer.Operations()) {
        if (op.op == "line")
            DrawLine(svg, op);
        else if (op.op == "text")
            DrawText(svg, op);
        else
            DrawShape(svg, op);
    }
    svg.Close();
}

// The cursor the plug-in set, its hot spot on the pointer, while the plug-in's tool is in
// hand.
void DrawCursor(SvgWriter& svg, const Host& host) {
    if (!host.App().Cursor() || !host.Input().Pointer() ||
        host.Tools().Current().owner != host.Plugin().Ref())
        return;
    std::optional<CursorBitmap> cursor;
    try {
        cursor = ReadCursorBitmap(host.Plugin().Resources(),
                                  static_cast<uint16_t>(*host.App().Cursor()));
    } catch (const std::runtime_error&) {
        return;  // a damaged cursor was reported when the plug-in set it
    }
    if (!cursor) return;
    HostViewPoint at = host.Drawing().FirstView().ToView(*host.Input().Pointer());
    svg.Open("g",
             SvgAttributes()
                 .Add("transform", "translate(" + std::to_string(at.h - cursor->image.hotSpotX) +
                                       ' ' + std::to_string(at.v - cursor->image.hotSpotY) + ")")
                 .Add("shape-rendering", "crispEdges"));
    DrawCursorPixels(svg, *cursor);
    svg.Close();
}

}  // namespace

std::string ViewSvg(const Host& host, ViewCursor cursor) {
    const View& view = host.Drawing().FirstView();
    SvgWriter svg(view.Bounds().right, view.Bounds().bottom);
    DrawPage(svg, view);
    DrawPaths(svg, host, false);
    DrawPaths(svg, host, true);
    DrawSelection(svg, host);
    DrawAnnotations(svg, host.Annotations());
    if (cursor == ViewCursor::kDrawn) DrawCursor(svg, host);
    return svg.Finish();
}

}  // namespace emulator
