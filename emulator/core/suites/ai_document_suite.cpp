// The document as a whole: the plug-in asks for its views to be drawn again.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/serve.h"
#include "host/ai_document.h"

namespace emulator {
namespace {

HostErr HOST_API RedrawDocument() {
    return Serve(
        kAIDocumentSuite, "RedrawDocument", [] { return Arguments(); },
        [](Host& host) -> HostErr {
            host.App().RequestRedraw();
            return kHostNoError;
        });
}

const AIDocumentSuite11 gTable = {.RedrawDocument = RedrawDocument};

}  // namespace

const void* AiDocumentSuiteTable() {
    return &gTable;
}

}  // namespace emulator
