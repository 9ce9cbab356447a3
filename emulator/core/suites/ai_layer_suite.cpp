// Layers: counting, finding, adding, titles and whether art can go on them.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_document.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAILayerSuite;

// A title string the host does not know is refused without being recorded as misuse.
std::string* FindTitle(Host& host, HostUnicodeStringRef title, const char*) {
    return host.Strings().Find(title);
}

HostErr HOST_API CountLayers(int32_t* count) {
    return Serve(
        kSuite, "CountLayers", [] { return Arguments(); }, Needs(NonNull(count)),
        [&](Host& host) { *count = static_cast<int32_t>(host.Drawing().LayerCount()); });
}

HostErr HOST_API GetNthLayer(int32_t index, HostLayerHandle* layer) {
    return Serve(
        kSuite, "GetNthLayer", [&] { return Arguments().Add("index", index); },
        Needs(NonNull(layer), Valid(index >= 0)),
        [&](Host& host) {
            Layer* found = host.Drawing().LayerAt(static_cast<size_t>(index));
            *layer = host.Drawing().HandleOf(found);
            return found != nullptr ? kHostNoError : kHostErrBadParameter;
        });
}

HostErr HOST_API GetCurrentLayer(HostLayerHandle* layer) {
    return Serve(
        kSuite, "GetCurrentLayer", [] { return Arguments(); }, Needs(NonNull(layer)),
        [&](Host& host) { *layer = host.Drawing().HandleOf(host.Drawing().Current()); });
}

HostErr HOST_API InsertLayer(HostLayerHandle layer, int32_t paintOrder, HostLayerHandle* inserted) {
    return Serve(
        kSuite, "InsertLayer",
        [&] { return Arguments().Add("layer", layer).Add("paintOrder", paintOrder); },
        Needs(NonNull(inserted), ResolveIfGiven(FindLayer, layer)),
        [&](Host& host, Layer* reference) {
            Layer* made = host.Drawing().InsertLayer(reference, paintOrder);
            *inserted = host.Drawing().HandleOf(made);
            return made != nullptr ? kHostNoError : kHostErrBadParameter;
        });
}

HostErr HOST_API GetLayerTitle(HostLayerHandle layer, HostUnicodeStringRef title) {
    return Serve(
        kSuite, "GetLayerTitle", [&] { return Arguments().Add("layer", layer); },
        Needs(Resolve(FindLayer, layer), Resolve(FindTitle, title)),
        [&](Host&, const Layer& found, std::string& text) { text = found.title; });
}

HostErr HOST_API SetLayerTitle(HostLayerHandle layer, HostUnicodeStringRef title) {
    return Serve(
        kSuite, "SetLayerTitle", [&] { return Arguments().Add("layer", layer); },
        Needs(Resolve(FindLayer, layer), Resolve(FindTitle, title)),
        [&](Host& host, Layer& found, const std::string& text) {
            host.Drawing().Touch(found);
            found.title = text;
        });
}

HostErr HOST_API GetLayerEditable(HostLayerHandle layer, HostBool32* editable) {
    return Serve(
        kSuite, "GetLayerEditable", [&] { return Arguments().Add("layer", layer); },
        Needs(NonNull(editable), Resolve(FindLayer, layer)),
        [&](Host&, const Layer& found) { *editable = found.Editable(); });
}

HostErr HOST_API GetLayerColor(HostLayerHandle layer, HostRGBColor* color) {
    return Serve(
        kSuite, "GetLayerColor", [&] { return Arguments().Add("layer", layer); },
        Needs(NonNull(color), Resolve(FindLayer, layer)),
        [&](Host&, const Layer& found) { *color = found.color; });
}

const AILayerSuite11 gTable = {.CountLayers = CountLayers,
                               .GetNthLayer = GetNthLayer,
                               .GetCurrentLayer = GetCurrentLayer,
                               .InsertLayer = InsertLayer,
                               .GetLayerTitle = GetLayerTitle,
                               .SetLayerTitle = SetLayerTitle,
                               .GetLayerEditable = GetLayerEditable,
                               .GetLayerColor = GetLayerColor};

}  // namespace

const void* AiLayerSuiteTable() {
    return &gTable;
}

}  // namespace emulator
