// Annotators: the plug-in adds its own, turns them on and off, and asks for parts of the
// annotation layer to be redrawn.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_annotator.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIAnnotatorSuite;

Annotator* FindAnnotator(Host& host, HostAnnotatorHandle handle, const char* function) {
    return Found(host, host.Annotators().Find(handle), function, "unknown annotator");
}

HostErr HOST_API AddAnnotator(HostPluginRef plugin, const char* name,
                              HostAnnotatorHandle* annotator) {
    return Serve(
        kSuite, "AddAnnotator", [&] { return Arguments().Add("name", name); },
        Needs(NonNull(name, annotator), OwnPlugin(plugin)),
        [&](Host& host) {
            *annotator = host.Annotators().Add(
                std::make_unique<Annotator>(Annotator{Cp1252ToUtf8(name), plugin, true}));
        });
}

HostErr HOST_API SetAnnotatorActive(HostAnnotatorHandle annotator, HostBool32 active) {
    return Serve(
        kSuite, "SetAnnotatorActive",
        [&] { return Arguments().Add("annotator", annotator).Add("active", active); },
        Needs(Resolve(FindAnnotator, annotator)),
        [&](Host&, Annotator& found) { found.active = active != 0; });
}

HostErr HOST_API GetAnnotatorActive(HostAnnotatorHandle annotator, HostBool32* active) {
    return Serve(
        kSuite, "GetAnnotatorActive", [&] { return Arguments().Add("annotator", annotator); },
        Needs(NonNull(active), Resolve(FindAnnotator, annotator)),
        [&](Host&, const Annotator& found) { *active = found.active ? 1 : 0; });
}

HostErr HOST_API InvalidAnnotationRect(HostDocumentViewHandle view, const HostRect* rect) {
    return Serve(
        kSuite, "InvalidAnnotationRect",
        [&] { return Arguments().Add("view", view).AddRect(rect); },
        Needs(NonNull(rect), ResolveIfGiven(FindDocumentView, view)),
        [&](Host& host, View*) {
            // Outside a draw cycle there is nothing to note: the whole layer is redrawn
            // after every event.
            if (host.Annotations().InCycle()) host.Annotations().Invalidate(*rect);
        });
}

const AIAnnotatorSuite4 gTable = {.AddAnnotator = AddAnnotator,
                                  .SetAnnotatorActive = SetAnnotatorActive,
                                  .GetAnnotatorActive = GetAnnotatorActive,
                                  .InvalidAnnotationRect = InvalidAnnotationRect};

}  // namespace

const void* AiAnnotatorSuiteTable() {
    return &gTable;
}

}  // namespace emulator
