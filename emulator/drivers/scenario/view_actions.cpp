// What the user does to the document's view: zoom, scroll, the window's size.
#include <string>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"

namespace emulator {
namespace {

double ZoomArgument(const ActionArguments& args, size_t index) {
    double zoom = args.Real(index);
    if (!View::ValidZoom(zoom))
        throw SyntaxError("\"" + args.Text(index) + "\" is not a zoom from 1/32 to 64");
    return zoom;
}

int32_t SideArgument(const ActionArguments& args, size_t index) {
    int32_t side = args.Integer(index);
    if (!View::ValidSide(side))
        throw SyntaxError("\"" + args.Text(index) +
                          "\" is not a window side from 1 to 16384 pixels");
    return side;
}

Effect CompileZoom(const ActionArguments& args) {
    double zoom = ZoomArgument(args, 0);
    if (!args.Has(1))
        return [zoom](Host& host, ActionContext&) { host.Drawing().FirstView().SetZoom(zoom); };
    HostViewPoint at = {args.Integer(2), args.Integer(3)};
    return [zoom, at](Host& host, ActionContext&) { host.Drawing().FirstView().ZoomAt(zoom, at); };
}

Effect CompileZoomFit(const ActionArguments&) {
    return [](Host& host, ActionContext&) { host.Drawing().FirstView().FitPage(); };
}

Effect CompileScroll(const ActionArguments& args) {
    return [dh = args.Integer(0), dv = args.Integer(1)](Host& host, ActionContext&) {
        host.Drawing().FirstView().Scroll(dh, dv);
    };
}

Effect CompileViewSize(const ActionArguments& args) {
    return [width = SideArgument(args, 0), height = SideArgument(args, 1)](
               Host& host, ActionContext&) { host.Drawing().FirstView().SetSize(width, height); };
}

}  // namespace

std::vector<Action> ViewActions() {
    return {
        // Before `zoom Z`, which its name would match too.
        {"zoom fit",
         {},
         "fits the page in the first view's window (\"Ajuster à la fenêtre\"): the largest zoom "
         "(1/32 to 64) that shows the whole page, the page centred",
         CompileZoomFit},
        {"zoom",
         {Bare(ArgumentKind::kZoom, "Z"), Optional(OneOf({"at"})),
          WithPrevious(Bare(ArgumentKind::kPixels, "X")),
          WithPrevious(Bare(ArgumentKind::kPixels, "Y"))},
         "sets the first view's zoom to Z pixels per point (1/32 to 64), keeping the artwork "
         "point at its top-left corner, or with `at` the one under the view's pixel (X, Y) "
         "(Ctrl+wheel at the pointer)",
         CompileZoom},
        {"scroll",
         {Bare(ArgumentKind::kPixels, "DX"), Bare(ArgumentKind::kPixels, "DY")},
         "scrolls the first view by DX pixels to the right and DY down (the wheel, or Space and "
         "a drag the other way): what showed at pixel (DX, DY) shows at its top-left corner. "
         "The top-left corner stays within 16383 points of the artwork's origin",
         CompileScroll},
        // The window is resized whatever is open in it.
        {.name = "view-size",
         .arguments = {Bare(ArgumentKind::kWindowSide, "W"), Bare(ArgumentKind::kWindowSide, "H")},
         .summary = "the first view's window becomes W by H pixels (1 to 16384 each; 595 by 842 "
                    "when the host starts), its top-left corner showing the same artwork point",
         .compile = CompileViewSize,
         .underModal = true},
    };
}

}  // namespace emulator
