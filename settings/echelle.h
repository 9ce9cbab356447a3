// The drawing scale's ratios: the ratio between a drawn length and the real one, as the
// entries of the panel's scale popup offer them.
#pragma once

#include <cstddef>
#include <cstdint>

// The popup's entries are numbered 0 to 21 (the number is the entry's identifier and its
// place); 8, 10 and 19 are separators.
constexpr int32_t kDerniereEntreeEchelle = 21;
// The entry that opens the custom-scale dialog.
constexpr int32_t kEntreeEchellePersoDialogue = 20;
// The entry of the custom ratio.
constexpr int32_t kEntreeEchellePerso = 21;

struct Rapport {
    int32_t entree;
    const char* texte;
    float numerateur;
    float denominateur;
};

// The fixed ratio of entry ENTREE (0 to 18), or null for a separator and entries 20, 21.
const Rapport* RapportDe(int32_t entree);

// The entry whose fixed ratio is exactly NUMERATEUR over DENOMINATEUR, the ratios over 1
// tested first, then 1 over the others; kEntreeEchellePerso when none matches.
int32_t EntreeDeLEchelle(float numerateur, float denominateur);

// The custom ratio as entry 21 shows it: "3/7", or "…/…" when either term is 0.
void TexteEchellePerso(float numerateur, float denominateur, char* texte, size_t taille);

// The least a term of the custom ratio may be: no zero, negative or absent term ever
// divides the drawing scale.
constexpr float kTermePersoMinimum = 0.0001f;

// The most a term of any drawing scale may be: one to a million is a map's scale, and far
// beyond it the lengths and the area held at that scale overflow float32.
constexpr float kTermeMaximum = 1000000.0f;

// The custom ratio's term read as LU: from kTermePersoMinimum to kTermeMaximum, and
// PRECEDENT when LU is not a finite number.
float TermePersoValide(float lu, float precedent);

// The custom-scale dialog's equivalence line: what 1 mm drawn stands for, "1 mm -> 2,33333
// mm" for 3/7.
void TexteEquivalence(float numerateur, float denominateur, char* texte, size_t taille);
