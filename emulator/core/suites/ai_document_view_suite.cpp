// The document's views: zoom, and the conversion between artwork points and pixels.
#include <cmath>

#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_document.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIDocumentViewSuite;

// Null stands for the first view.
View* FindView(Host& host, HostDocumentViewHandle handle, const char* function) {
    if (handle == nullptr) return &host.Drawing().FirstView();
    return FindDocumentView(host, handle, function);
}

HostErr HOST_API GetNthDocumentView(int32_t index, HostDocumentViewHandle* view) {
    return Serve(
        kSuite, "GetNthDocumentView", [&] { return Arguments().Add("index", index); },
        Needs(NonNull(view), Valid(index >= 0)),
        [&](Host& host) -> HostErr {
            View* found = host.Drawing().ViewAt(static_cast<size_t>(index));
            if (found == nullptr) return kHostErrBadParameter;
            *view = host.Drawing().HandleOf(found);
            return kHostNoError;
        });
}

HostErr HOST_API GetDocumentViewZoom(HostDocumentViewHandle view, HostReal* zoom) {
    return Serve(
        kSuite, "GetDocumentViewZoom", [&] { return Arguments().Add("view", view); },
        Needs(NonNull(zoom), Resolve(FindView, view)),
        [&](Host&, const View& found) { *zoom = found.Zoom(); });
}

HostErr HOST_API SetDocumentViewZoom(HostDocumentViewHandle view, HostReal zoom) {
    return Serve(
        kSuite, "SetDocumentViewZoom",
        [&] { return Arguments().Add("view", view).Add("zoom", zoom); },
        Needs(Resolve(FindView, view)),
        [&](Host&, View& found) {
            found.SetZoom(zoom);  // a zoom it refuses answers kHostErrBadParameter
        });
}

HostErr HOST_API ArtworkPointToViewPoint(HostDocumentViewHandle view, const HostRealPoint* artwork,
                                         HostViewPoint* viewPoint) {
    return Serve(
        kSuite, "ArtworkPointToViewPoint",
        [&] {
            Arguments args;
            args.Add("view", view);
            if (artwork != nullptr) args.Add("h", artwork->h).Add("v", artwork->v);
            return args;
        },
        Needs(NonNull(artwork, viewPoint), Resolve(FindView, view)),
        [&](Host&, const View& found) { *viewPoint = found.ToView(*artwork); });
}

HostErr HOST_API ViewPointToArtworkPoint(HostDocumentViewHandle view,
                                         const HostViewPoint* viewPoint, HostRealPoint* artwork) {
    return Serve(
        kSuite, "ViewPointToArtworkPoint",
        [&] {
            Arguments args;
            args.Add("view", view);
            if (viewPoint != nullptr) args.Add("h", viewPoint->h).Add("v", viewPoint->v);
            return args;
        },
        Needs(NonNull(artwork, viewPoint), Resolve(FindView, view)),
        [&](Host&, const View& found) { *artwork = found.ToArtwork(*viewPoint); });
}

const AIDocumentViewSuite10 gTable = {.GetNthDocumentView = GetNthDocumentView,
                                      .GetDocumentViewZoom = GetDocumentViewZoom,
                                      .SetDocumentViewZoom = SetDocumentViewZoom,
                                      .ArtworkPointToViewPoint = ArtworkPointToViewPoint,
                                      .ViewPointToArtworkPoint = ViewPointToArtworkPoint};

}  // namespace

const void* AiDocumentViewSuiteTable() {
    return &gTable;
}

}  // namespace emulator
