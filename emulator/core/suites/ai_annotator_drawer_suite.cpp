// The drawer of one "AI Draw" message: what the annotator draws goes into the annotation
// layer, recorded for the state and the picture of the view.
#include <cmath>

#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/serve.h"
#include "emulator/models/annotations/annotation_font.h"
#include "host/ai_annotator.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIAnnotatorDrawerSuite;

AnnotationDrawer* FindDrawer(Host& host, HostDrawerRef handle, const char* function) {
    AnnotationDrawer* drawer = host.Annotations().FindDrawer(handle);
    if (drawer == nullptr)
        host.Misuse(std::string(function) + ": a drawer of no draw message under way");
    return drawer;
}

// Serves FUNCTION on the drawer HANDLE: BODY(host, drawer) once the drawer is found.
template <typename Describe, typename Body>
HostErr OnDrawer(const char* function, HostDrawerRef handle, Describe describe, Body body) {
    return Serve(
        kSuite, function, [&] { return describe(Arguments().Add("drawer", handle)); },
        [&](Host& host) -> HostErr {
            AnnotationDrawer* drawer = FindDrawer(host, handle, function);
            if (drawer == nullptr) return kHostErrBadHandle;
            return body(host, *drawer);
        });
}

// The text of the host string TEXT, or null (a misuse).
const std::string* FindText(Host& host, HostUnicodeStringRef text, const char* function) {
    const std::string* found = host.Strings().Find(text);
    if (found == nullptr) host.Misuse(std::string(function) + ": unknown string");
    return found;
}

bool IsAlignment(int32_t alignment) {
    return alignment == kHostAlignStart || alignment == kHostAlignCenter ||
           alignment == kHostAlignEnd;
}

HostErr HOST_API SetColor(HostDrawerRef drawer, HostRGBColor color) {
    return OnDrawer(
        "SetColor", drawer,
        [&](Arguments arguments) {
            return arguments.Add("red", color.red)
                .Add("green", color.green)
                .Add("blue", color.blue);
        },
        [&](Host&, AnnotationDrawer& found) {
            found.color = color;
            return kHostNoError;
        });
}

HostErr HOST_API SetLineWidth(HostDrawerRef drawer, HostReal width) {
    return OnDrawer(
        "SetLineWidth", drawer, [&](Arguments arguments) { return arguments.Add("width", width); },
        [&](Host&, AnnotationDrawer& found) {
            if (!std::isfinite(width) || width < 0) return kHostErrBadParameter;
            found.lineWidth = width;
            return kHostNoError;
        });
}

HostErr HOST_API DrawLine(HostDrawerRef drawer, const HostViewPoint* start,
                          const HostViewPoint* end) {
    return OnDrawer(
        "DrawLine", drawer,
        [&](Arguments arguments) {
            if (start != nullptr) arguments.Add("h1", start->h).Add("v1", start->v);
            if (end != nullptr) arguments.Add("h2", end->h).Add("v2", end->v);
            return arguments;
        },
        [&](Host& host, AnnotationDrawer& found) {
            if (start == nullptr || end == nullptr) return kHostErrBadParameter;
            AnnotationOp op{.op = "line", .coords = {start->h, start->v, end->h, end->v}};
            host.Annotations().Record(found, op);
            return kHostNoError;
        });
}

// DrawRect and DrawEllipse: the shape OP inscribed in RECT.
HostErr DrawShape(const char* function, const char* op, HostDrawerRef drawer, const HostRect* rect,
                  HostBool32 fill) {
    return OnDrawer(
        function, drawer,
        [&](Arguments arguments) { return arguments.AddRect(rect).Add("fill", fill); },
        [&](Host& host, AnnotationDrawer& found) {
            if (rect == nullptr) return kHostErrBadParameter;
            AnnotationOp shape{.op = op,
                               .coords = {rect->left, rect->top, rect->right, rect->bottom},
                               .filled = fill != 0};
            host.Annotations().Record(found, shape);
            return kHostNoError;
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
    return OnDrawer(
        "DrawTextAligned", drawer,
        [&](Arguments arguments) {
            arguments.Add("text", text).Add("hAlign", hAlign).Add("vAlign", vAlign);
            return arguments.AddRect(rect);
        },
        [&](Host& host, AnnotationDrawer& found) {
            if (text == nullptr || rect == nullptr || !IsAlignment(hAlign) || !IsAlignment(vAlign))
                return kHostErrBadParameter;
            const std::string* shown = FindText(host, text, "DrawTextAligned");
            if (shown == nullptr) return kHostErrBadHandle;
            AnnotationOp op{.op = "text",
                            .coords = {rect->left, rect->top, rect->right, rect->bottom},
                            .text = *shown,
                            .hAlign = hAlign,
                            .vAlign = vAlign};
            host.Annotations().Record(found, op);
            return kHostNoError;
        });
}

HostErr HOST_API GetTextBounds(HostDrawerRef drawer, HostUnicodeStringRef text,
                               const HostViewPoint* position, HostRect* bounds) {
    return OnDrawer(
        "GetTextBounds", drawer,
        [&](Arguments arguments) {
            arguments.Add("text", text);
            if (position != nullptr) arguments.Add("h", position->h).Add("v", position->v);
            return arguments;
        },
        [&](Host& host, AnnotationDrawer&) {
            if (text == nullptr || bounds == nullptr) return kHostErrBadParameter;
            const std::string* measured = FindText(host, text, "GetTextBounds");
            if (measured == nullptr) return kHostErrBadHandle;
            TextExtent extent = AnnotationFont::Default().Measure(Utf8ToUtf32(*measured));
            HostViewPoint corner = position != nullptr ? *position : HostViewPoint{0, 0};
            *bounds = {corner.h, corner.v, corner.h + extent.width, corner.v + extent.height};
            return kHostNoError;
        });
}

HostErr HOST_API SetFontPreset(HostDrawerRef drawer, int32_t font) {
    return OnDrawer(
        "SetFontPreset", drawer, [&](Arguments arguments) { return arguments.Add("font", font); },
        [&](Host&, AnnotationDrawer& found) {
            if (font != kHostAnnotationDefaultFont) return kHostErrBadParameter;
            found.font = font;
            return kHostNoError;
        });
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
