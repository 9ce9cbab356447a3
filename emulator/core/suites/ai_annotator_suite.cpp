// Annotators: the plug-in adds its own, turns them on and off, and asks for parts of the
// annotation layer to be redrawn.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/serve.h"
#include "host/ai_annotator.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIAnnotatorSuite;

Annotator* FindAnnotator(Host& host, HostAnnotatorHandle handle, const char* function) {
    Annotator* annotator = host.Annotators().Find(handle);
    if (annotator == nullptr) host.Misuse(std::string(function) + ": unknown annotator");
    return annotator;
}

HostErr HOST_API AddAnnotator(HostPluginRef plugin, const char* name,
                              HostAnnotatorHandle* annotator) {
    return Serve(
        kSuite, "AddAnnotator", [&] { return Arguments().Add("name", name); },
        [&](Host& host) -> HostErr {
            if (name == nullptr || annotator == nullptr) return kHostErrBadParameter;
            if (plugin != host.Plugin().Ref()) {
                host.Misuse("AddAnnotator with a foreign plug-in reference");
                return kHostErrBadHandle;
            }
            *annotator = host.Annotators().Add(
                std::make_unique<Annotator>(Annotator{Cp1252ToUtf8(name), plugin, true}));
            return kHostNoError;
        });
}

HostErr HOST_API SetAnnotatorActive(HostAnnotatorHandle annotator, HostBool32 active) {
    return Serve(
        kSuite, "SetAnnotatorActive",
        [&] { return Arguments().Add("annotator", annotator).Add("active", active); },
        [&](Host& host) -> HostErr {
            Annotator* found = FindAnnotator(host, annotator, "SetAnnotatorActive");
            if (found == nullptr) return kHostErrBadHandle;
            found->active = active != 0;
            return kHostNoError;
        });
}

HostErr HOST_API GetAnnotatorActive(HostAnnotatorHandle annotator, HostBool32* active) {
    return Serve(
        kSuite, "GetAnnotatorActive", [&] { return Arguments().Add("annotator", annotator); },
        [&](Host& host) -> HostErr {
            if (active == nullptr) return kHostErrBadParameter;
            const Annotator* found = FindAnnotator(host, annotator, "GetAnnotatorActive");
            if (found == nullptr) return kHostErrBadHandle;
            *active = found->active ? 1 : 0;
            return kHostNoError;
        });
}

HostErr HOST_API InvalidAnnotationRect(HostDocumentViewHandle view, const HostRect* rect) {
    return Serve(
        kSuite, "InvalidAnnotationRect",
        [&] { return Arguments().Add("view", view).AddRect(rect); },
        [&](Host& host) -> HostErr {
            if (rect == nullptr) return kHostErrBadParameter;
            if (view != nullptr && host.Drawing().FindView(view) == nullptr) {
                host.Misuse("InvalidAnnotationRect: unknown document view");
                return kHostErrBadHandle;
            }
            // Outside a draw cycle there is nothing to note: the whole layer is redrawn
            // after every event.
            if (host.Annotations().InCycle()) host.Annotations().Invalidate(*rect);
            return kHostNoError;
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
