// The document's layers, set up as the user would have left them.
#include <stdexcept>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"
#include "host/ai_art.h"

namespace emulator {
namespace {

Effect CompileLayer(const ActionArguments& args) {
    if (args.Count() < 1 || args.Count() > 3) args.BadUsage();
    bool locked = false, current = false;
    for (size_t i = 1; i < args.Count(); ++i) {
        if (args.Reads(i, "locked") && !locked)
            locked = true;
        else if (args.Reads(i, "current") && !current)
            current = true;
        else
            args.BadUsage();
    }
    return [title = args.Text(0), locked, current](Host& host, ActionContext&) {
        Layer* layer = host.document.InsertLayer(nullptr, kHostPlaceAboveAll);
        layer->title = title;
        layer->locked = locked;
        if (current) host.document.SetCurrent(layer);
    };
}

// An action on the first layer, in the host's order, titled as its one argument says.
Action OnLayer(const std::string& name, const std::string& summary,
               void (*act)(Document& document, Layer& layer)) {
    return {name, name + " \"TITLE\"", summary, [act](const ActionArguments& args) -> Effect {
                args.ExpectCount(1);
                return [act, title = args.Text(0)](Host& host, ActionContext&) {
                    Layer* layer = host.document.LayerTitled(title);
                    if (layer == nullptr)
                        throw std::runtime_error("no layer is titled \"" + title + "\"");
                    act(host.document, *layer);
                };
            }};
}

}  // namespace

std::vector<Action> DocumentActions() {
    return {
        {"layer", "layer \"TITLE\" [locked] [current]",
         "adds a layer above all others (index 0 of the host's layer order is the topmost), "
         "locked and/or current if asked",
         CompileLayer},
        OnLayer("layer-lock", "locks the first layer, in the host's order, with that title",
                [](Document&, Layer& layer) { layer.locked = true; }),
        OnLayer("layer-unlock", "unlocks the first layer, in the host's order, with that title",
                [](Document&, Layer& layer) { layer.locked = false; }),
        OnLayer("layer-current", "makes the first layer with that title the current one",
                [](Document& document, Layer& layer) { document.SetCurrent(&layer); }),
    };
}

}  // namespace emulator
