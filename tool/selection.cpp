#include "tool/selection.h"

#include "plugin/hote/suites.h"
#include "settings/globals.h"

void ChoisirOutil() {
    if (gGlobals->Outil != nullptr && SuitesPresentes(sAITool()))
        sAITool()->SetSelectedTool(gGlobals->Outil);
}
