// Art objects: making, disposing, walking and naming them.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_art.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIArtSuite;

HostErr HOST_API NewArt(int32_t type, int32_t paintOrder, HostArtHandle prep,
                        HostArtHandle* newArt) {
    return Serve(
        kSuite, "NewArt",
        [&] {
            return Arguments().Add("type", type).Add("paintOrder", paintOrder).Add("prep", prep);
        },
        Needs(Cleared(newArt), ResolveIfGiven(FindArt, prep)),
        [&](Host& host, Art* reference) {
            HostErr error = kHostNoError;
            *newArt =
                host.Drawing().HandleOf(host.Drawing().NewArt(type, paintOrder, reference, error));
            return error;
        });
}

HostErr HOST_API DisposeArt(HostArtHandle art) {
    return Serve(
        kSuite, "DisposeArt", [&] { return Arguments().Add("art", art); },
        Needs(Resolve(FindArt, art)),
        [&](Host& host, Art& found) -> HostErr {
            if (found.parent == nullptr) return kHostErrBadParameter;  // a layer's own group
            host.Drawing().Dispose(found);
            return kHostNoError;
        });
}

HostErr HOST_API GetFirstArtOfLayer(HostLayerHandle layer, HostArtHandle* art) {
    return Serve(
        kSuite, "GetFirstArtOfLayer", [&] { return Arguments().Add("layer", layer); },
        Needs(NonNull(art), Resolve(FindLayer, layer)),
        [&](Host& host, Layer& found) { *art = host.Drawing().HandleOf(found.group); });
}

HostErr HOST_API GetArtFirstChild(HostArtHandle art, HostArtHandle* child) {
    return Serve(
        kSuite, "GetArtFirstChild", [&] { return Arguments().Add("art", art); },
        Needs(NonNull(child), Resolve(FindArt, art)),
        [&](Host& host, Art& found) {
            *child =
                found.children.empty() ? nullptr : host.Drawing().HandleOf(found.children.front());
        });
}

HostErr HOST_API GetLayerOfArt(HostArtHandle art, HostLayerHandle* layer) {
    return Serve(
        kSuite, "GetLayerOfArt", [&] { return Arguments().Add("art", art); },
        Needs(Cleared(layer), Resolve(FindArt, art)),
        [&](Host& host, Art& found) { *layer = host.Drawing().HandleOf(found.layer); });
}

HostErr HOST_API GetArtParent(HostArtHandle art, HostArtHandle* parent) {
    return Serve(
        kSuite, "GetArtParent", [&] { return Arguments().Add("art", art); },
        Needs(Cleared(parent), Resolve(FindArt, art)),
        [&](Host& host, Art& found) {
            if (found.parent != nullptr) *parent = host.Drawing().HandleOf(found.parent);
        });
}

HostBool32 HOST_API ValidArt(HostArtHandle art, HostBool32 searchAllLayerLists) {
    return ServeAnswer(
        kSuite, "ValidArt", HostBool32{0},
        [&] { return Arguments().Add("art", art).Add("searchAll", searchAllLayerLists); },
        [&](Host& host, HostBool32& valid) -> HostErr {
            valid = host.Drawing().FindArt(art) != nullptr;
            return kHostNoError;
        });
}

HostErr HOST_API GetArtName(HostArtHandle art, char* buffer, uint32_t size) {
    return Serve(
        kSuite, "GetArtName", [&] { return Arguments().Add("art", art); },
        Needs(Resolve(FindArt, art)),
        [&](Host&, Art& found) { return CopyOut(found.name, buffer, size); });
}

HostErr HOST_API SetArtName(HostArtHandle art, const char* name) {
    return Serve(
        kSuite, "SetArtName", [&] { return Arguments().Add("art", art).Add("name", name); },
        Needs(NonNull(name), Resolve(FindArt, art)),
        [&](Host& host, Art& found) {
            host.Drawing().Touch(found);
            found.name = Cp1252ToUtf8(name);
        });
}

const AIArtSuite14 gTable = {.NewArt = NewArt,
                             .DisposeArt = DisposeArt,
                             .GetFirstArtOfLayer = GetFirstArtOfLayer,
                             .GetArtFirstChild = GetArtFirstChild,
                             .ValidArt = ValidArt,
                             .GetArtName = GetArtName,
                             .SetArtName = SetArtName,
                             .GetLayerOfArt = GetLayerOfArt,
                             .GetArtParent = GetArtParent};

}  // namespace

const void* AiArtSuiteTable() {
    return &gTable;
}

}  // namespace emulator
