// The annotation layer's draw cycle: "AI Annotation"/"AI Draw" to each active annotator.
#include "emulator/core/host.h"
#include "host/messages.h"

namespace emulator {

void Host::RedrawAnnotations() {
    // A draw message that opens a modal window runs events, and their redraws, inside the
    // cycle: the cycle under way is what they would redraw.
    if (annotations_.InCycle()) return;
    annotations_.BeginCycle();
    struct EndOfCycle {
        AnnotationLayer& layer;
        ~EndOfCycle() { layer.EndCycle(); }
    } end{annotations_};
    if (!started_ || Unloaded()) return;
    // Listed first: a draw message may add an annotator.
    std::vector<Annotator*> active;
    annotators_.ForEach([&](Annotator& annotator) {
        if (annotator.active) active.push_back(&annotator);
    });
    for (Annotator* annotator : active) SendDrawMessage(*annotator);
}

void Host::SendDrawMessage(const Annotator& annotator) {
    AnnotationDrawer drawer;
    LentHandle<HostDrawerRef, AnnotationDrawer> lent(annotations_.Drawers(), drawer);
    AIAnnotatorMessage message{};
    message.annotator = annotators_.HandleOf(&annotator);
    message.view = document_.HandleOf(&document_.FirstView());
    message.drawer = lent.Get();
    message.invalidRect = document_.FirstView().Bounds();
    plugin_.Send(kCallerAIAnnotation, kSelectorAIDrawAnnotation, message);
}

}  // namespace emulator
