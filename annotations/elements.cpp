#include "annotations/elements.h"

#include "annotations/texte_etiquette.h"
#include "geometry/vecteurs.h"
#include "host/ai_annotator.h"
#include "plugin/hote/suites.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"

namespace {

constexpr float kCoteMarque = 15;
constexpr float kQuartDeTour = 1.5707964f;
constexpr int32_t kRayonAnneau = 3;
// Far beyond any view, in pixels: a label or a ring centred there cannot be seen, and the
// arithmetic of its box would overflow (the host pins points beyond the view's range to its
// ends).
constexpr int32_t kHorsDeVue = 1 << 24;

// The two vertices each length joins.
constexpr int kExtremites[kNombreLongueurs][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 2}, {1, 3}};

// The two neighbours of each vertex, in the order the right-angle test takes them.
constexpr int kVoisins[4][2] = {{1, 3}, {0, 2}, {1, 3}, {2, 0}};

const AIAnnotatorDrawerSuite1& Dessin() {
    return *sAIAnnotatorDrawer();
}

HostRealPoint Ancre(int sommet) {
    return gGlobals->Sommets[sommet].p;
}

HostViewPoint EnVue(const AIAnnotatorMessage* message, HostRealPoint point) {
    HostViewPoint vue{};
    sAIDocumentView()->ArtworkPointToViewPoint(message->view, &point, &vue);
    return vue;
}

bool LoinDeLaVue(HostViewPoint point) {
    return point.h <= -kHorsDeVue || point.h >= kHorsDeVue || point.v <= -kHorsDeVue ||
           point.v >= kHorsDeVue;
}

// The rectangle with the corners A (left, top) and B (right, bottom), as they come.
HostRect Rectangle(HostViewPoint a, HostViewPoint b) {
    return {a.h, a.v, b.h, b.v};
}

void Invalider(const HostRect& rectangle) {
    sAIAnnotator()->InvalidAnnotationRect(nullptr, &rectangle);
}

// The label's box: the text's bounds centred on (H, V) with 2 pixels to spare.
HostRect Boite(const HostRect& bornes, HostViewPoint centre) {
    HostRect boite;
    boite.top = bornes.top + centre.v - bornes.bottom / 2 - 2;
    boite.bottom = boite.top + bornes.bottom + 4;
    boite.left = bornes.left + centre.h - bornes.right / 2 - 2;
    boite.right = boite.left + bornes.right + 4;
    return boite;
}

// Whether P lies outside the angle A B C (B its vertex).
bool HorsDeLAngle(HostRealPoint a, HostRealPoint b, HostRealPoint c, HostRealPoint p) {
    float c1 = (p.h - a.h) * (b.v - a.v) - (p.v - a.v) * (b.h - a.h);
    float c2 = (p.h - c.h) * (b.v - c.v) - (p.v - c.v) * (b.h - c.h);
    float c3 = (p.h - a.h) * (c.v - a.v) - (p.v - a.v) * (c.h - a.h);
    float c4 = (b.h - a.h) * (c.v - a.v) - (b.v - a.v) * (c.h - a.h);
    float q = ((b.h - a.h) * (b.h - c.h) + (b.v - a.v) * (b.v - c.v)) -
              ((p.h - a.h) * (p.h - c.h) + (p.v - a.v) * (p.v - c.v));
    return c1 * c2 > 0 || (c3 * c4 > 0 && q < 0);
}

}  // namespace

void Etiquette(const AIAnnotatorMessage* message, Longueur longueur, HostRGBColor texte,
               HostRGBColor fond) {
    Dessin().SetFontPreset(message->drawer, kHostAnnotationDefaultFont);
    const int(&bouts)[2] = kExtremites[static_cast<int>(longueur)];
    HostRealPoint a = Ancre(bouts[0]), b = Ancre(bouts[1]);
    HostRealPoint milieu{(a.h + b.h) / 2, (a.v + b.v) / 2};
    HostViewPoint centre = EnVue(message, milieu);
    if (LoinDeLaVue(centre)) return;

    char ecrit[kTailleTexteEtiquette];
    TexteEtiquette(LongueurCourante(longueur), gGlobals->Unite, ecrit);
    HostUnicodeStringRef chaine = nullptr;
    sAIUnicodeString()->NewFromWindows1252(ecrit, &chaine);
    HostRect bornes{};
    Dessin().GetTextBounds(message->drawer, chaine, nullptr, &bornes);
    HostRect boite = Boite(bornes, centre);
    Invalider(boite);
    Dessin().SetColor(message->drawer, fond);
    Dessin().DrawRect(message->drawer, &boite, true);
    Dessin().SetColor(message->drawer, texte);
    Dessin().DrawTextAligned(message->drawer, chaine, kHostAlignCenter, kHostAlignCenter, &boite);
    sAIUnicodeString()->Dispose(chaine);
}

void LigneDiagonale(const AIAnnotatorMessage* message, HostReal largeur, int diagonale,
                    HostRGBColor couleur) {
    Dessin().SetColor(message->drawer, couleur);
    Dessin().SetLineWidth(message->drawer, largeur);
    HostViewPoint v1 = EnVue(message, Ancre(0)), v3 = EnVue(message, Ancre(2));
    HostViewPoint v2 = EnVue(message, Ancre(1)), v4 = EnVue(message, Ancre(3));
    Invalider(Rectangle(v1, v3));
    Invalider(Rectangle(v2, v4));
    if (diagonale == 1)
        Dessin().DrawLine(message->drawer, &v1, &v3);
    else
        Dessin().DrawLine(message->drawer, &v2, &v4);
}

bool AngleDroit(int sommet) {
    HostRealPoint v = Ancre(sommet);
    HostRealPoint u = PointPolaire(1, Direction(v, Ancre(kVoisins[sommet][0])));
    HostRealPoint w = PointPolaire(1, Direction(v, Ancre(kVoisins[sommet][1])));
    float produit = u.h * w.h + u.v * w.v;
    float tolerance = gGlobals->ToleranceAngleDroit;
    return -tolerance < produit && produit < tolerance;
}

void MarqueAngleDroit(const AIAnnotatorMessage* message, int sommet, HostReal largeur,
                      HostRGBColor couleur) {
    HostRealPoint v = Ancre(sommet);
    HostRealPoint n1 = Ancre(kVoisins[sommet][0]), n2 = Ancre(kVoisins[sommet][1]);
    float a = Direction(v, n1);
    HostRealPoint q = Somme(v, PointPolaire(kCoteMarque, a));
    HostRealPoint r = Somme(v, PointPolaire(kCoteMarque, Direction(v, n2)));
    HostRealPoint p = Somme(q, PointPolaire(kCoteMarque, static_cast<float>(a + kQuartDeTour)));
    if (HorsDeLAngle(n1, v, n2, p))
        p = Somme(q, PointPolaire(kCoteMarque, static_cast<float>(a - kQuartDeTour)));

    Dessin().SetColor(message->drawer, couleur);
    HostViewPoint vq = EnVue(message, q), vr = EnVue(message, r), vp = EnVue(message, p);
    Invalider(Rectangle(vq, vr));
    Dessin().SetLineWidth(message->drawer, largeur);
    Dessin().DrawLine(message->drawer, &vq, &vp);
    Dessin().DrawLine(message->drawer, &vr, &vp);
}

void Anneau(const AIAnnotatorMessage* message, HostRealPoint point, HostRGBColor couleur) {
    HostViewPoint centre = EnVue(message, point);
    if (LoinDeLaVue(centre)) return;
    Dessin().SetColor(message->drawer, couleur);
    Dessin().SetLineWidth(message->drawer, 2);
    HostRect cercle{centre.h - kRayonAnneau, centre.v - kRayonAnneau, centre.h + kRayonAnneau,
                    centre.v + kRayonAnneau};
    Dessin().DrawEllipse(message->drawer, &cercle, false);
}
