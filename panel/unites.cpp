#include "panel/unites.h"

#include "geometry/lecture_aire.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"

namespace {

struct Unite {
    int32_t codeHote;
    float petitPas;
    float grandPas;
    float facteur;  // points to the unit
    const char* suffixe;
};

constexpr Unite kUnites[kNombreUnites] = {
    {kADMMillimeterUnits, 2.8346457f, 28.346457f, 0.35277778f, " mm"},
    {kADMCentimeterUnits, 2.8346457f, 28.346457f, 0.035277776f, " cm"},
    {kADMInchUnits, 7.2f, 72.0f, 0.013888889f, " in"},
    {kADMPointUnits, 1.0f, 10.0f, 1.0f, " pt"},
};

const Unite* UniteCourante() {
    int32_t index = gGlobals->Unite;
    return index >= 0 && index < kNombreUnites ? &kUnites[index] : nullptr;
}

}  // namespace

void AppliquerUnite(HostItemRef champ) {
    const Unite* unite = UniteCourante();
    if (unite == nullptr) return;
    sADMItem()->SetUnits(champ, unite->codeHote);
    sADMItem()->SetSmallIncrement(champ, unite->petitPas);
    sADMItem()->SetLargeIncrement(champ, unite->grandPas);
}

float FacteurUnite() {
    const Unite* unite = UniteCourante();
    return unite != nullptr ? unite->facteur : 1.0f;
}

const char* SuffixeUnite() {
    const Unite* unite = UniteCourante();
    return unite != nullptr ? unite->suffixe : "";
}
