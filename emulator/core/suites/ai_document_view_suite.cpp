// The document's views: zoom, and the conversion between artwork points and pixels.
#include <cmath>

#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/serve.h"
#include "host/ai_document.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIDocumentViewSuite;

// Null stands for the first view.
View* FindView(Host& host, HostDocumentViewHandle handle, const char* function) {
    if (handle == nullptr) return &host.Drawing().FirstView();
    View* view = host.Drawing().FindView(handle);
    if (view == nullptr) host.Misuse(std::string(function) + ": unknown document view");
    return view;
}

HostErr HOST_API GetNthDocumentView(int32_t index, HostDocumentViewHandle* view) {
    return Serve(
        kSuite, "GetNthDocumentView", [&] { return Arguments().Add("index", index); },
        [&](Host& host) -> HostErr {
            if (view == nullptr || index < 0) return kHostErrBadParameter;
            View* found = host.Drawing().ViewAt(static_cast<size_t>(index));
            if (found == nullptr) return kHostErrBadParameter;
            *view = host.Drawing().HandleOf(found);
            return kHostNoError;
        });
}

HostErr HOST_API GetDocumentViewZoom(HostDocumentViewHandle view, HostReal* zoom) {
    return Serve(
        kSuite, "GetDocumentViewZoom", [&] { return Arguments().Add("view", view); },
        [&](Host& host) -> HostErr {
            if (zoom == nullptr) return kHostErrBadParameter;
            View* found = FindView(host, view, "GetDocumentViewZoom");
            if (found == nullptr) return kHostErrBadHandle;
            *zoom = found->Zoom();
            return kHostNoError;
        });
}

HostErr HOST_API SetDocumentViewZoom(HostDocumentViewHandle view, HostReal zoom) {
    return Serve(
        kSuite, "SetDocumentViewZoom",
        [&] { return Arguments().Add("view", view).Add("zoom", zoom); },
        [&](Host& host) -> HostErr {
            View* found = FindView(host, view, "SetDocumentViewZoom");
            if (found == nullptr) return kHostErrBadHandle;
            found->SetZoom(zoom);  // a zoom it refuses answers kHostErrBadParameter
            return kHostNoError;
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
        [&](Host& host) -> HostErr {
            if (artwork == nullptr || viewPoint == nullptr) return kHostErrBadParameter;
            View* found = FindView(host, view, "ArtworkPointToViewPoint");
            if (found == nullptr) return kHostErrBadHandle;
            *viewPoint = found->ToView(*artwork);
            return kHostNoError;
        });
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
        [&](Host& host) -> HostErr {
            if (artwork == nullptr || viewPoint == nullptr) return kHostErrBadParameter;
            View* found = FindView(host, view, "ViewPointToArtworkPoint");
            if (found == nullptr) return kHostErrBadHandle;
            *artwork = found->ToArtwork(*viewPoint);
            return kHostNoError;
        });
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
