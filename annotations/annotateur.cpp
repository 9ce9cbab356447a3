#include "annotations/annotateur.h"

#include <cmath>

#include "annotations/elements.h"
#include "plugin/hote/suites.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/figure_document.h"

namespace {

constexpr const char* kNomAnnotateur = "KVTAnno";
constexpr HostRGBColor kCouleurBoite = {65000, 65000, 65000};
constexpr const char* kComposantes[3] = {"snapomatic/Color/red", "snapomatic/Color/green",
                                         "snapomatic/Color/blue"};

// The colours of one cycle.
struct Couleurs {
    HostRGBColor anneau{};      // the current layer's
    HostRGBColor annotation{};  // the host's smart guides'
    HostRGBColor boite = kCouleurBoite;
};

// A component read from a real from 0 to 1: narrowed to a float, scaled and truncated,
// its low 16 bits kept. The low bits are taken arithmetically, so that a value far out of
// range wraps as an integer would instead of overflowing the conversion; a failed read,
// or a value that is not a number, is 0.
uint16_t Composante(const char* cle, HostErr& statut) {
    double lue = 0;
    statut = sAIPreference()->GetRealPreference(nullptr, cle, &lue);
    if (statut != kHostNoError) return 0;
    double entier = std::trunc(static_cast<double>(static_cast<float>(lue) * 65535));
    if (!std::isfinite(entier)) return 0;
    double bas = std::fmod(entier, 65536.0);
    return static_cast<uint16_t>(bas < 0 ? bas + 65536.0 : bas);
}

HostRGBColor CouleurAnnotation(HostErr& statut) {
    HostRGBColor couleur{};
    couleur.red = Composante(kComposantes[0], statut);
    couleur.green = Composante(kComposantes[1], statut);
    couleur.blue = Composante(kComposantes[2], statut);
    return couleur;
}

// The diagonal through each vertex, and the labels of the two sides meeting there and of
// that diagonal, in drawing order.
struct Survol {
    int diagonale;
    Longueur etiquettes[3];
};
constexpr Survol kSurvols[4] = {
    {1, {Longueur::Cote1, Longueur::Cote4, Longueur::Diagonale1}},
    {2, {Longueur::Cote1, Longueur::Cote2, Longueur::Diagonale2}},
    {1, {Longueur::Cote2, Longueur::Cote3, Longueur::Diagonale1}},
    {2, {Longueur::Cote3, Longueur::Cote4, Longueur::Diagonale2}},
};

Longueur DiagonaleActive() {
    return gGlobals->Diagonale1Active ? Longueur::Diagonale1 : Longueur::Diagonale2;
}

void Marquer(const AIAnnotatorMessage* message, int sommet, const Couleurs& couleurs) {
    if (AngleDroit(sommet)) MarqueAngleDroit(message, sommet, 1, couleurs.annotation);
}

void Etiqueter(const AIAnnotatorMessage* message, Longueur longueur, const Couleurs& couleurs) {
    Etiquette(message, longueur, couleurs.annotation, couleurs.boite);
}

// A vertex is under the cursor (hovered or dragged).
void DessinerSurvol(const AIAnnotatorMessage* message, const Couleurs& couleurs) {
    const Globals& g = *gGlobals;
    Anneau(message, g.PointSommet, couleurs.anneau);
    if (g.NumSommet >= 0 && g.NumSommet < 4) {
        const Survol& survol = kSurvols[g.NumSommet];
        LigneDiagonale(message, 1, survol.diagonale, couleurs.annotation);
        for (Longueur longueur : survol.etiquettes) Etiqueter(message, longueur, couleurs);
    }
    for (int sommet = 0; sommet < 4; ++sommet) Marquer(message, sommet, couleurs);
}

// A quadrilateral has just been completed.
void DessinerTermine(const AIAnnotatorMessage* message, const Couleurs& couleurs) {
    LigneDiagonale(message, 1, gGlobals->Diagonale1Active ? 1 : 2, couleurs.annotation);
    for (int cote = 0; cote < 4; ++cote) Etiqueter(message, kLongueurs[cote], couleurs);
    Etiqueter(message, DiagonaleActive(), couleurs);
}

// A quadrilateral is being clicked, or the tool is idle.
void DessinerCreation(const AIAnnotatorMessage* message, const Couleurs& couleurs) {
    const Globals& g = *gGlobals;
    int16_t clics = g.NbClics;
    if (clics > 0) {
        Etiqueter(message, Longueur::Cote1, couleurs);
        if (g.FormeCarre) Etiqueter(message, DiagonaleActive(), couleurs);
        Marquer(message, 1, couleurs);
    }
    if (clics > 1) {
        Etiqueter(message, Longueur::Cote2, couleurs);
        if (g.FormeRectangle || g.FormeLosange || g.FormeParallelogramme)
            Etiqueter(message, DiagonaleActive(), couleurs);
        Marquer(message, 2, couleurs);
    }
    if (clics > 2) {
        Etiqueter(message, Longueur::Cote3, couleurs);
        Etiqueter(message, Longueur::Cote4, couleurs);
        Etiqueter(message, DiagonaleActive(), couleurs);
    }
    Marquer(message, 3, couleurs);
}

bool Pret() {
    return SuitesPresentes(sAILayer(), sAIPreference(), sAIAnnotator(), sAIAnnotatorDrawer(),
                           sAIDocumentView(), sAIUnicodeString());
}

}  // namespace

HostErr AjouterAnnotateur(const SPMessageData& message) {
    if (!SuitesPresentes(sAIAnnotator())) return kHostErrSuiteNotFound;
    sAIAnnotator()->AddAnnotator(message.self, kNomAnnotateur, &gGlobals->Annotateur);
    return ActiverAnnotateur(false);
}

HostErr ActiverAnnotateur(bool actif) {
    if (!SuitesPresentes(sAIAnnotator())) return kHostErrSuiteNotFound;
    return sAIAnnotator()->SetAnnotatorActive(gGlobals->Annotateur, actif);
}

HostErr DessinerAnnotations(AIAnnotatorMessage* message) {
    if (!Pret()) return kHostErrSuiteNotFound;
    Couleurs couleurs;
    HostLayerHandle calque = nullptr;
    sAILayer()->GetCurrentLayer(&calque);
    HostErr statut = sAILayer()->GetLayerColor(calque, &couleurs.anneau);
    const Globals& g = *gGlobals;
    if (!g.MontreAnno) return statut;
    // No figure, or one the document lost: nothing to show.
    if (!CreationEnCours() && !TraceExiste()) return statut;
    couleurs.annotation = CouleurAnnotation(statut);
    if (g.SommetSurvole)
        DessinerSurvol(message, couleurs);
    else if (g.TraceCree)
        DessinerTermine(message, couleurs);
    else
        DessinerCreation(message, couleurs);
    return statut;
}
