// The drawer of one "AI Draw" message: what the annotator draws goes into the annotation
// layer, recorded for the state and the picture of the view.
#include <cmath>

#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "emulator/models/annotations/annotation_font.h"
#include "host/ai_annotator.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIAnnotatorDrawerSuite;

AnnotationDrawer* FindDrawer(Host& host, HostDrawerRef handle, const char* function) {
    return Found(host, host.Annotations().FindDrawer(handle), function,
                 "a drawer of no draw message under way");
}

Arguments Describe(HostDrawerRef drawer) {
    return Arguments().Add("drawer", drawer);
}

bool IsAlignment(int32_t alignment) {
    return alignment == kHostAlignStart || alignment == kHostAlignCenter ||
           alignment == kHostAlignEnd;
}

HostErr HOST_API SetColor(HostDrawerRef drawer, HostRGBColor color) {
    return Serve(
        kSuite, "SetColor",
        [&] {
            return Describe(drawer)
                .Add("red", color.red)
                .Add("green", color.green)
                .Add("blue", color.blue);
        },
        Needs(Resolve(FindDrawer, drawer)),
        [&](Host&, AnnotationDrawer& found) { found.color = color; });
}

HostErr HOST_API SetLineWidth(HostDrawerRef drawer, HostReal width) {
    return Serve(
        kSuite, "SetLineWidth", [&] { return Describe(drawer).Add("width", width); },
        Needs(Resolve(FindDrawer, drawer), Valid(std::isfinite(width) && width >= 0)),
        [&](Host&, AnnotationDrawer& found) { found.lineWidth = width; });
}

HostErr HOST_API DrawLine(HostDrawerRef drawer, const HostViewPoint* start,
                          const HostViewPoint* end) {
    return Serve(
        kSuite, "DrawLine",
        [&] {
            Arguments arguments = Describe(drawer);
            if (start != nullptr) arguments.Add("h1", start->h).Add("v1", start->v);
            if (end != nullptr) arguments.Add("h2", end->h).Add("v2", end->v);
            return arguments;
        },
        Needs(Resolve(FindDrawer, drawer), NonNull(start, end)),
        [&](Host& host, AnnotationDrawer& found) {
            AnnotationOp op{.op = "line", .coords = {start->h, start->v, end->h, end->v}};
            host.Annotations().Record(found, op);
        });
}

// DrawRect and DrawEllipse: the shape OP inscribed in RECT.
HostErr DrawShape(const char* function, const char* op, HostDrawerRef drawer, const HostRect* rect,
                  HostBool32 fill) {
    return Serve(
        kSuite, function, [&] { return Describe(drawer).AddRect(rect).Add("fill", fill); },
        Needs(Resolve(FindDrawer, drawer), NonNull(rect)),
        [&](Host& host, AnnotationDrawer& found) {
            AnnotationOp shape{.op = op,
                               .coords = {rect->left, rect->top, rect->right, rect->bottom},
                               .filled = fill != 0};
            host.Annotations().Record(found, shape);
        });
}

HostErr HOST_API DrawRect(HostDrawerRef drawer, const HostRect* rect, HostBool32 fill) {
    return DrawShape("DrawRect", "rect", drawer, rect, fill);
}

HostErr HOST_API DrawEllipse(HostDrawerRef drawer, const HostRect* rect, HostBool32 fill) {
    return DrawShape("DrawEllipse", "ellipse", drawer, rect, fill);
}

HostErr HOST_API DrawTextAligned(HostDrawerRef drawer, HostUnicodeStringRef text, int32_t hAlign,
                                 int32_t vAlign, const HostRect* rect) {
    return Serve(
        kSuite, "DrawTextAligned",
        [&] {
            return Describe(drawer)
                .Add("text", text)
                .Add("hAlign", hAlign)
                .Add("vAlign", vAlign)
                .AddRect(rect);
        },
        Needs(Resolve(FindDrawer, drawer), NonNull(text, rect),
              Valid(IsAlignment(hAlign) && IsAlignment(vAlign)), Resolve(FindString, text)),
        [&](Host& host, AnnotationDrawer& found, const std::string& shown) {
            AnnotationOp op{.op = "text",
                            .coords = {rect->left, rect->top, rect->right, rect->bottom},
                            .text = shown,
                            .hAlign = hAlign,
                            .vAlign = vAlign};
            host.Annotations().Record(found, op);
        });
}

HostErr HOST_API GetTextBounds(HostDrawerRef drawer, HostUnicodeStringRef text,
                               const HostViewPoint* position, HostRect* bounds) {
    return Serve(
        kSuite, "GetTextBounds",
        [&] {
            Arguments arguments = Describe(drawer).Add("text", text);
            if (position != nullptr) arguments.Add("h", position->h).Add("v", position->v);
            return arguments;
        },
        Needs(Resolve(FindDrawer, drawer), NonNull(text, bounds), Resolve(FindString, text)),
        [&](Host&, AnnotationDrawer&, const std::string& measured) {
            TextExtent extent = AnnotationFont::Default().Measure(Utf8ToUtf32(measured));
            HostViewPoint corner = position != nullptr ? *position : HostViewPoint{0, 0};
            *bounds = {corner.h, corner.v, corner.h + extent.width, corner.v + extent.height};
        });
}

HostErr HOST_API SetFontPreset(HostDrawerRef drawer, int32_t font) {
    return Serve(
        kSuite, "SetFontPreset", [&] { return Describe(drawer).Add("font", font); },
        Needs(Resolve(FindDrawer, drawer), Valid(font == kHostAnnotationDefaultFont)),
        [&](Host&, AnnotationDrawer& found) { found.font = font; });
}

const AIAnnotatorDrawerSuite1 gTable = {.SetColor = SetColor,
                                        .SetLineWidth = SetLineWidth,
                                        .DrawLine = DrawLine,
                                        .DrawRect = DrawRect,
                                        .DrawEllipse = DrawEllipse,
                                        .DrawTextAligned = DrawTextAligned,
                                        .GetTextBounds = GetTextBounds,
                                        .SetFontPreset = SetFontPreset};

}  // namespace

const void* AiAnnotatorDrawerSuiteTable() {
    return &gTable;
}

}  // namespace emulator
