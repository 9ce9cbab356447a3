// What the user does to the document's view.
#include <string>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"

namespace emulator {
namespace {

Effect CompileZoom(const ActionArguments& args) {
    double zoom = args.Real(0);
    if (!View::ValidZoom(zoom))
        throw SyntaxError("\"" + args.Text(0) + "\" is not a zoom from 1/32 to 64");
    return [zoom](Host& host, ActionContext&) { host.Drawing().FirstView().SetZoom(zoom); };
}

}  // namespace

std::vector<Action> ViewActions() {
    return {
        {"zoom",
         {Bare(ArgumentKind::kZoom, "Z")},
         "sets the first view's zoom to Z pixels per point (1/32 to 64), keeping the artwork "
         "point at its top-left corner",
         CompileZoom},
    };
}

}  // namespace emulator
