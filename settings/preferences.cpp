#include "settings/preferences.h"

#include <cmath>

#include "plugin/hote/suites.h"
#include "settings/echelle.h"
#include "settings/globals.h"

namespace {

// Each get starts from the key's default: a key the store does not hold leaves it.
bool LireBooleen(const char* cle, HostBool32& champ, HostBool32 defaut) {
    champ = defaut;
    return sAIPreference()->GetBooleanPreference(kPrefixe, cle, &champ) == kHostNoError;
}

// A stored real that is not a finite number would make every length NaN: the key's
// default is read instead. Below MINIMUM (compared as a double) it becomes REMPLACANT, and
// so it does above the largest scale term, at which every length would overflow.
bool LireReel(const char* cle, float& champ, double defaut, double minimum, float remplacant) {
    double lu = defaut;
    bool trouve = sAIPreference()->GetRealPreference(kPrefixe, cle, &lu) == kHostNoError;
    champ = static_cast<float>(lu);
    if (!std::isfinite(champ)) champ = static_cast<float>(defaut);
    if (champ < minimum || champ > kTermeMaximum) champ = remplacant;
    return trouve;
}

// Keys read elsewhere, which still tell that the store holds the prefix.
bool ClesDuPanneau() {
    HostBool32 visible = 0;
    int32_t taille = 0;
    bool a = sAIPreference()->GetBooleanPreference(kPrefixe, "kADM_DPVisibleStr", &visible) ==
             kHostNoError;
    bool b =
        sAIPreference()->GetIntegerPreference(kPrefixe, "TaillePalette", &taille) == kHostNoError;
    return a || b;
}

}  // namespace

void LirePreferences() {
    if (!SuitesPresentes(sAIPreference())) return;
    Globals& g = *gGlobals;
    bool trouve = false;
    trouve |= LireBooleen("OutilsGroupe", g.OutilsGroupe, 0);
    trouve |= LireBooleen("Son", g.Son, 1);
    trouve |= LireBooleen("MontreAnno", g.MontreAnno, 1);
    trouve |= LireBooleen("Calque", g.Calque, 0);
    trouve |= LireReel("EchelleNum", g.EchelleNum, 1, 1, 1);
    trouve |= LireReel("EchelleDen", g.EchelleDen, 1, 1, 1);
    trouve |= LireReel("EchelleNumPersoReal", g.EchelleNumPersoReal, 3, 0.0001, 1);
    trouve |= LireReel("EchelleDenPersoReal", g.EchelleDenPersoReal, 7, 0.0001, 1);
    // A first launch: the store holds no key of the prefix yet.
    if (!trouve && !ClesDuPanneau()) EcrireDefauts();
}

void EcrireDefauts() {
    if (!SuitesPresentes(sAIPreference())) return;
    const AIPreferenceSuite4& p = *sAIPreference();
    Globals& g = *gGlobals;
    g.OutilsGroupe = 0;
    p.PutBooleanPreference(kPrefixe, "OutilsGroupe", g.OutilsGroupe);
    g.EchelleNum = 1;
    if (p.PutRealPreference(kPrefixe, "EchelleNum", g.EchelleNum) != kHostNoError) return;
    g.EchelleDen = 1;
    if (p.PutRealPreference(kPrefixe, "EchelleDen", g.EchelleDen) != kHostNoError) return;
    g.EchelleNumPersoReal = 3;
    if (p.PutRealPreference(kPrefixe, "EchelleNumPersoReal", g.EchelleNumPersoReal) != kHostNoError)
        return;
    g.EchelleDenPersoReal = 7;
    if (p.PutRealPreference(kPrefixe, "EchelleDenPersoReal", g.EchelleDenPersoReal) != kHostNoError)
        return;
    g.Son = 1;
    p.PutBooleanPreference(kPrefixe, "Son", g.Son);
    g.MontreAnno = 1;
    p.PutBooleanPreference(kPrefixe, "MontreAnno", g.MontreAnno);
    g.Calque = 0;
    if (p.PutBooleanPreference(kPrefixe, "Calque", g.Calque) != kHostNoError) return;
    p.PutBooleanPreference(kPrefixe, "kADM_DPVisibleStr", 1);
    p.PutIntegerPreference(kPrefixe, "TaillePalette", 1);
}
