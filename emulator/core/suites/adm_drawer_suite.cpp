// Drawing inside dialogs and items: every operation is recorded for the picture of the
// dialog and the state.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMDrawerSuite;

template <typename Body>
void OnDrawer(const char* function, HostDrawerRef handle, Body body) {
    Serve(
        kSuite, function, [&] { return Arguments().Add("drawer", handle); },
        Needs(Resolve(FindDrawer, handle)), [&](Host&, Drawer& drawer) { body(drawer); });
}

void Record(Drawer& drawer, DrawOp op) {
    op.color = drawer.color;
    op.font = drawer.font;
    drawer.ops->push_back(std::move(op));
}

DrawOp RectOp(const char* name, const HostRect* rect) {
    DrawOp op(name);
    if (rect != nullptr) op.coords = {rect->left, rect->top, rect->right, rect->bottom};
    return op;
}

void HOST_API SetADMColor(HostDrawerRef drawer, int32_t color) {
    OnDrawer("SetADMColor", drawer, [&](Drawer& found) { found.color = color; });
}

void HOST_API SetFont(HostDrawerRef drawer, int32_t font) {
    OnDrawer("SetFont", drawer, [&](Drawer& found) { found.font = font; });
}

void HOST_API DrawLine(HostDrawerRef drawer, int32_t h1, int32_t v1, int32_t h2, int32_t v2) {
    OnDrawer("DrawLine", drawer, [&](Drawer& found) {
        DrawOp op("line");
        op.coords = {h1, v1, h2, v2};
        Record(found, op);
    });
}

void HOST_API DrawRect(HostDrawerRef drawer, const HostRect* rect) {
    OnDrawer("DrawRect", drawer, [&](Drawer& found) { Record(found, RectOp("rect", rect)); });
}

void HOST_API FillRect(HostDrawerRef drawer, const HostRect* rect) {
    OnDrawer("FillRect", drawer, [&](Drawer& found) { Record(found, RectOp("fill", rect)); });
}

void HOST_API ClearRect(HostDrawerRef drawer, const HostRect* rect) {
    OnDrawer("ClearRect", drawer, [&](Drawer& found) { Record(found, RectOp("clear", rect)); });
}

void HOST_API DrawText(HostDrawerRef drawer, const char* text, int32_t h, int32_t v) {
    OnDrawer("DrawText", drawer, [&](Drawer& found) {
        DrawOp op("text");
        op.coords = {h, v, 0, 0};
        op.text = text != nullptr ? Cp1252ToUtf8(text) : "";
        Record(found, op);
    });
}

void HOST_API DrawTextCentered(HostDrawerRef drawer, const char* text, const HostRect* rect) {
    OnDrawer("DrawTextCentered", drawer, [&](Drawer& found) {
        DrawOp op = RectOp("text-centred", rect);
        op.text = text != nullptr ? Cp1252ToUtf8(text) : "";
        Record(found, op);
    });
}

void HOST_API DrawIcon(HostDrawerRef drawer, HostIconRef icon, int32_t h, int32_t v) {
    Serve(
        kSuite, "DrawIcon", [&] { return Arguments().Add("drawer", drawer).Add("icon", icon); },
        Needs(ResolveEach(Resolve(FindDrawer, drawer), Resolve(FindIcon, icon))),
        [&](Host&, Drawer& found, const Icon& picture) {
            DrawOp op("picture");
            op.coords = {h, v, 0, 0};
            op.picture = picture.resourceId;
            Record(found, op);
        });
}

const ADMDrawerSuite7 gTable = {.SetADMColor = SetADMColor,
                                .SetFont = SetFont,
                                .DrawLine = DrawLine,
                                .DrawRect = DrawRect,
                                .FillRect = FillRect,
                                .ClearRect = ClearRect,
                                .DrawText = DrawText,
                                .DrawTextCentered = DrawTextCentered,
                                .DrawIcon = DrawIcon};

}  // namespace

const void* AdmDrawerSuiteTable() {
    return &gTable;
}

}  // namespace emulator
