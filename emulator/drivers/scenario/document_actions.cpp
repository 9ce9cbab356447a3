// The document's layers, set up as the user would have left them.
#include <stdexcept>
#include <string>
#include <vector>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"
#include "host/ai_art.h"

namespace emulator {
namespace {

Effect CompileLayer(const ActionArguments& args) {
    return [title = args.Text(0), locked = args.Has(1), current = args.Has(2)](Host& host,
                                                                               ActionContext&) {
        Layer* layer = host.Drawing().InsertLayer(nullptr, kHostPlaceAboveAll);
        host.Drawing().Touch(*layer);
        layer->title = title;
        host.Drawing().SetLocked(*layer, locked);
        if (current) host.Drawing().SetCurrent(layer);
    };
}

// An action on the first layer, in the host's order, titled as its one argument says.
Action OnLayer(const std::string& name, const std::string& summary,
               void (*act)(Document& document, Layer& layer)) {
    return {name,
            {Quoted(ArgumentKind::kLayerTitle, "TITLE")},
            summary,
            [act](const ActionArguments& args) -> Effect {
                return [act, title = args.Text(0)](Host& host, ActionContext&) {
                    Layer* layer = host.Drawing().LayerTitled(title);
                    if (layer == nullptr)
                        throw std::runtime_error("no layer is titled \"" + title + "\"");
                    act(host.Drawing(), *layer);
                };
            }};
}

// The user cannot draw on, select or change art of a layer that is locked or hidden.
bool Editable(const Layer& layer, ActionContext& context) {
    if (layer.Editable()) return true;
    context.Notice("the layer \"" + layer.title + "\" is locked or hidden: nothing happens");
    return false;
}

Effect CompileAddPath(const ActionArguments& args) {
    std::vector<HostPathSegment> segments;
    for (HostRealPoint anchor : args.Points(0)) segments.push_back({anchor, anchor, anchor, 1});
    return [segments](Host& host, ActionContext& context) {
        Document& document = host.Drawing();
        if (!Editable(*document.Current(), context)) return;
        HostErr error = kHostNoError;
        Art* path = document.NewArt(kHostPathArt, kHostPlaceAboveAll, nullptr, error);
        document.SetSegmentCount(*path, segments.size());
        document.SetSegments(*path, 0, segments);
        document.Touch(*path);
        path->closed = true;
        host.NotifyArtChanged();
    };
}

// The path the user points at: the N-th, from 1, depth-first in the state's order.
Art& NthPath(Document& document, int32_t n) {
    std::vector<Art*> paths = document.Paths();
    if (n < 1 || static_cast<size_t>(n) > paths.size())
        throw std::runtime_error("there is no path " + std::to_string(n) + ": the document has " +
                                 std::to_string(paths.size()));
    return *paths[static_cast<size_t>(n) - 1];
}

Effect CompileDeleteArt(const ActionArguments& args) {
    return [n = args.Integer(0)](Host& host, ActionContext& context) {
        Art& path = NthPath(host.Drawing(), n);
        if (!Editable(*path.layer, context)) return;
        host.Drawing().Dispose(path);
        host.NotifyArtChanged();
    };
}

Effect CompileMoveArt(const ActionArguments& args) {
    HostRealMatrix move{1, 0, 0, 1, args.Single(1), args.Single(2)};
    return [n = args.Integer(0), move](Host& host, ActionContext& context) {
        Art& path = NthPath(host.Drawing(), n);
        if (!Editable(*path.layer, context)) return;
        host.Drawing().Transform(path, move);
        host.NotifyArtChanged();
    };
}

}  // namespace

std::vector<Action> DocumentActions() {
    return {
        {"layer",
         {Quoted(ArgumentKind::kNewLayerTitle, "TITLE"), Optional(OneOf({"locked"})),
          Optional(OneOf({"current"}))},
         "adds a layer above all others (index 0 of the host's layer order is the topmost), "
         "locked and/or current if asked",
         CompileLayer},
        OnLayer("layer-lock", "locks the first layer, in the host's order, with that title",
                [](Document& document, Layer& layer) { document.SetLocked(layer, true); }),
        OnLayer("layer-unlock", "unlocks the first layer, in the host's order, with that title",
                [](Document& document, Layer& layer) { document.SetLocked(layer, false); }),
        OnLayer("layer-current", "makes the first layer with that title the current one",
                [](Document& document, Layer& layer) { document.SetCurrent(&layer); }),
        {"add-path",
         {Bare(ArgumentKind::kPoints, "X1 Y1 X2 Y2 ...")},
         "draws a closed path of straight sides through the points (artwork coordinates, two "
         "at least) on top of the current layer, as another tool would",
         CompileAddPath},
        {"delete-art",
         {Bare(ArgumentKind::kPathNumber, "N")},
         "deletes the N-th path of the document, counted from 1 depth-first in the state's "
         "order",
         CompileDeleteArt},
        {"move-art",
         {Bare(ArgumentKind::kPathNumber, "N"), Bare(ArgumentKind::kDistance, "DX"),
          Bare(ArgumentKind::kDistance, "DY")},
         "moves the N-th path of the document (counted as delete-art counts) by DX, DY points",
         CompileMoveArt},
    };
}

}  // namespace emulator
