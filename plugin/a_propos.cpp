#include "plugin/a_propos.h"

#include "plugin/hote/ecran.h"
#include "plugin/hote/fabricant.h"
#include "plugin/hote/garde.h"
#include "plugin/hote/suites.h"
#include "plugin/items_a_propos.h"
#include "resources/ressources.h"

namespace {

constexpr int32_t kLargeur = 420;
constexpr int32_t kHauteur = 398;

void DessinAPropos(HostDialogRef dialogue, HostDrawerRef dessin) {
    if (!SuitesPresentes(sADMDialog(), sADMDrawer(), sADMIcon2())) return;
    sADMDialog()->DefaultDraw(dialogue, dessin);
    HostIconRef image = sADMIcon2()->GetFromResource(sPlugin, ORTAQ_IMAGE_A_PROPOS);
    sADMDrawer()->DrawIcon(dessin, image, 41, 50);
    sADMIcon2()->Destroy(image);
}

HostItemRef Texte(HostDialogRef dialogue, ItemAPropos id, HostRect rect, const char* texte) {
    HostItemRef item =
        sADMDialog()->CreateItem(dialogue, id, kADMTextStaticType, &rect, nullptr, 0);
    sADMItem()->SetItemStyle(item, 5);
    sADMItem()->SetJustify(item, 1);
    sADMItem()->SetText(item, texte);
    return item;
}

HostErr InitialisationAPropos(HostDialogRef dialogue) {
    sADMDialog()->SetDrawProc(dialogue, Procedure<DessinAPropos>);
    HostRect bornes = PlaceSurEcran(kLargeur, kHauteur);
    sADMDialog()->SetBoundsRect(dialogue, &bornes);
    sADMDialog()->SetText(dialogue, "À propos de KVT.Ortaq");
    Texte(dialogue, kTexteVersion, {15, 8, 405, 28}, "KVT.Ortaq 3.0 (février 2013)");
    HostItemRef adresse = Texte(dialogue, kTexteAdresseWeb, {15, 322, 405, 342}, kAdresseWeb);
    sADMItem()->SetForeColor(adresse, 16);
    // Pressing the contact line closes the box through its default handling.
    HostRect rect = {25, 342, 395, 362};
    HostItemRef bouton = sADMDialog()->CreateItem(dialogue, kBoutonContact, kADMTextPushButtonType,
                                                  &rect, nullptr, 0);
    sADMItem()->SetForeColor(bouton, 0);
    sADMItem()->SetText(bouton, kLigneContact);
    return kHostNoError;
}

}  // namespace

void AfficherAPropos(const char* nom, int32_t ressource) {
    if (!SuitesPresentes(sADMBasic(), sADMDialog(), sADMItem(), sADMDrawer(), sADMIcon2())) return;
    sADMDialog()->Modal(sPlugin, nom, ressource, kADMModalDialogStyle,
                        Procedure<InitialisationAPropos, kHostErrInternal>, nullptr, 0);
}
