// Art objects: making, disposing, walking and naming them.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/serve.h"
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
        [&](Host& host) -> HostErr {
            if (newArt == nullptr) return kHostErrBadParameter;
            *newArt = nullptr;
            Art* reference = nullptr;
            if (prep != nullptr && (reference = FindArt(host, prep, "NewArt")) == nullptr)
                return kHostErrBadHandle;
            HostErr error = kHostNoError;
            *newArt =
                host.Drawing().HandleOf(host.Drawing().NewArt(type, paintOrder, reference, error));
            return error;
        });
}

HostErr HOST_API DisposeArt(HostArtHandle art) {
    return Serve(
        kSuite, "DisposeArt", [&] { return Arguments().Add("art", art); },
        [&](Host& host) -> HostErr {
            Art* found = FindArt(host, art, "DisposeArt");
            if (found == nullptr) return kHostErrBadHandle;
            if (found->parent == nullptr) return kHostErrBadParameter;  // a layer's own group
            host.Drawing().Dispose(*found);
            return kHostNoError;
        });
}

HostErr HOST_API GetFirstArtOfLayer(HostLayerHandle layer, HostArtHandle* art) {
    return Serve(
        kSuite, "GetFirstArtOfLayer", [&] { return Arguments().Add("layer", layer); },
        [&](Host& host) -> HostErr {
            if (art == nullptr) return kHostErrBadParameter;
            Layer* found = FindLayer(host, layer, "GetFirstArtOfLayer");
            if (found == nullptr) return kHostErrBadHandle;
            *art = host.Drawing().HandleOf(found->group);
            return kHostNoError;
        });
}

HostErr HOST_API GetArtFirstChild(HostArtHandle art, HostArtHandle* child) {
    return Serve(
        kSuite, "GetArtFirstChild", [&] { return Arguments().Add("art", art); },
        [&](Host& host) -> HostErr {
            if (child == nullptr) return kHostErrBadParameter;
            Art* found = FindArt(host, art, "GetArtFirstChild");
            if (found == nullptr) return kHostErrBadHandle;
            *child = found->children.empty() ? nullptr
                                             : host.Drawing().HandleOf(found->children.front());
            return kHostNoError;
        });
}

HostErr HOST_API GetLayerOfArt(HostArtHandle art, HostLayerHandle* layer) {
    return Serve(
        kSuite, "GetLayerOfArt", [&] { return Arguments().Add("art", art); },
        [&](Host& host) -> HostErr {
            if (layer == nullptr) return kHostErrBadParameter;
            *layer = nullptr;
            Art* found = FindArt(host, art, "GetLayerOfArt");
            if (found == nullptr) return kHostErrBadHandle;
            *layer = host.Drawing().HandleOf(found->layer);
            return kHostNoError;
        });
}

HostErr HOST_API GetArtParent(HostArtHandle art, HostArtHandle* parent) {
    return Serve(
        kSuite, "GetArtParent", [&] { return Arguments().Add("art", art); },
        [&](Host& host) -> HostErr {
            if (parent == nullptr) return kHostErrBadParameter;
            *parent = nullptr;
            Art* found = FindArt(host, art, "GetArtParent");
            if (found == nullptr) return kHostErrBadHandle;
            if (found->parent != nullptr) *parent = host.Drawing().HandleOf(found->parent);
            return kHostNoError;
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
        [&](Host& host) -> HostErr {
            Art* found = FindArt(host, art, "GetArtName");
            if (found == nullptr) return kHostErrBadHandle;
            return CopyOut(found->name, buffer, size);
        });
}

HostErr HOST_API SetArtName(HostArtHandle art, const char* name) {
    return Serve(
        kSuite, "SetArtName", [&] { return Arguments().Add("art", art).Add("name", name); },
        [&](Host& host) -> HostErr {
            if (name == nullptr) return kHostErrBadParameter;
            Art* found = FindArt(host, art, "SetArtName");
            if (found == nullptr) return kHostErrBadHandle;
            found->name = Cp1252ToUtf8(name);
            return kHostNoError;
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
