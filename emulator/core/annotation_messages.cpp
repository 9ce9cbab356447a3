// The annotation layer's draw cycle: "AI Annotation"/"AI Draw" to each active annotator.
#include "emulator/core/host.h"
#include "host/messages.h"

namespace emulator {

void Host::RedrawAnnotations() {
    // A draw message that opens a modal window runs events, and their redraws, inside the
    // cycle: the cycle under way is what they would redraw.
    if (annotations.InCycle()) return;
    annotations.BeginCycle();
    struct EndOfCycle {
        AnnotationLayer& layer;
        ~EndOfCycle() { layer.EndCycle(); }
    } end{annotations};
    if (!started_ || Unloaded()) return;
    // Listed first: a draw message may add an annotator.
    std::vector<Annotator*> active;
    annotators.ForEach([&](Annotator& annotator) {
        if (annotator.active) active.push_back(&annotator);
    });
    for (Annotator* annotator : active) SendDrawMessage(*annotator);
}

void Host::SendDrawMessage(const Annotator& annotator) {
    AnnotationDrawer drawer;
    LentHandle<HostDrawerRef, AnnotationDrawer> lent(annotations.Drawers(), drawer);
    AIAnnotatorMessage message{};
    message.annotator = annotators.HandleOf(&annotator);
    message.view = document.HandleOf(&document.FirstView());
    message.drawer = lent.Get();
    message.invalidRect = View::kBounds;
    plugin.Send(kCallerAIAnnotation, kSelectorAIDrawAnnotation, message);
}

}  // namespace emulator
