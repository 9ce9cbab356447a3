#include "tool/curseurs.h"

#include "plugin/hote/suites.h"

void MontrerCurseur(const AIToolMessage* message, int32_t curseur) {
    if (SuitesPresentes(sADMBasic())) sADMBasic()->SetPlatformCursor(message->d.self, curseur);
}
