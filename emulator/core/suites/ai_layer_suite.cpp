// Layers: counting, finding, adding, titles and whether art can go on them.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/serve.h"
#include "host/ai_document.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAILayerSuite;

HostErr HOST_API CountLayers(int32_t* count) {
    return Serve(
        kSuite, "CountLayers", [] { return Arguments(); },
        [&](Host& host) -> HostErr {
            if (count == nullptr) return kHostErrBadParameter;
            *count = static_cast<int32_t>(host.Drawing().LayerCount());
            return kHostNoError;
        });
}

HostErr HOST_API GetNthLayer(int32_t index, HostLayerHandle* layer) {
    return Serve(
        kSuite, "GetNthLayer", [&] { return Arguments().Add("index", index); },
        [&](Host& host) -> HostErr {
            if (layer == nullptr || index < 0) return kHostErrBadParameter;
            Layer* found = host.Drawing().LayerAt(static_cast<size_t>(index));
            *layer = host.Drawing().HandleOf(found);
            return found != nullptr ? kHostNoError : kHostErrBadParameter;
        });
}

HostErr HOST_API GetCurrentLayer(HostLayerHandle* layer) {
    return Serve(
        kSuite, "GetCurrentLayer", [] { return Arguments(); },
        [&](Host& host) -> HostErr {
            if (layer == nullptr) return kHostErrBadParameter;
            *layer = host.Drawing().HandleOf(host.Drawing().Current());
            return kHostNoError;
        });
}

HostErr HOST_API InsertLayer(HostLayerHandle layer, int32_t paintOrder, HostLayerHandle* inserted) {
    return Serve(
        kSuite, "InsertLayer",
        [&] { return Arguments().Add("layer", layer).Add("paintOrder", paintOrder); },
        [&](Host& host) -> HostErr {
            if (inserted == nullptr) return kHostErrBadParameter;
            Layer* reference = nullptr;
            if (layer != nullptr && (reference = FindLayer(host, layer, "InsertLayer")) == nullptr)
                return kHostErrBadHandle;
            Layer* made = host.Drawing().InsertLayer(reference, paintOrder);
            *inserted = host.Drawing().HandleOf(made);
            return made != nullptr ? kHostNoError : kHostErrBadParameter;
        });
}

HostErr HOST_API GetLayerTitle(HostLayerHandle layer, HostUnicodeStringRef title) {
    return Serve(
        kSuite, "GetLayerTitle", [&] { return Arguments().Add("layer", layer); },
        [&](Host& host) -> HostErr {
            Layer* found = FindLayer(host, layer, "GetLayerTitle");
            std::string* text = host.Strings().Find(title);
            if (found == nullptr || text == nullptr) return kHostErrBadHandle;
            *text = found->title;
            return kHostNoError;
        });
}

HostErr HOST_API SetLayerTitle(HostLayerHandle layer, HostUnicodeStringRef title) {
    return Serve(
        kSuite, "SetLayerTitle", [&] { return Arguments().Add("layer", layer); },
        [&](Host& host) -> HostErr {
            Layer* found = FindLayer(host, layer, "SetLayerTitle");
            const std::string* text = host.Strings().Find(title);
            if (found == nullptr || text == nullptr) return kHostErrBadHandle;
            found->title = *text;
            return kHostNoError;
        });
}

HostErr HOST_API GetLayerEditable(HostLayerHandle layer, HostBool32* editable) {
    return Serve(
        kSuite, "GetLayerEditable", [&] { return Arguments().Add("layer", layer); },
        [&](Host& host) -> HostErr {
            if (editable == nullptr) return kHostErrBadParameter;
            Layer* found = FindLayer(host, layer, "GetLayerEditable");
            if (found == nullptr) return kHostErrBadHandle;
            *editable = found->Editable();
            return kHostNoError;
        });
}

HostErr HOST_API GetLayerColor(HostLayerHandle layer, HostRGBColor* color) {
    return Serve(
        kSuite, "GetLayerColor", [&] { return Arguments().Add("layer", layer); },
        [&](Host& host) -> HostErr {
            if (color == nullptr) return kHostErrBadParameter;
            Layer* found = FindLayer(host, layer, "GetLayerColor");
            if (found == nullptr) return kHostErrBadHandle;
            *color = found->color;
            return kHostNoError;
        });
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
