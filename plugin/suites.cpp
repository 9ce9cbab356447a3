#include "plugin/suites.h"

#include <cstdio>
#include <iterator>

#include "host/ai_annotator.h"
#include "host/ai_art.h"
#include "host/ai_document.h"
#include "host/ate.h"
#include "host/sp_suites.h"

SPBasicSuite* sSPBasic = nullptr;

namespace suite_slots {
const void* admBasic = nullptr;
const void* aiArt = nullptr;
const void* aiLayer = nullptr;
const void* aiPath = nullptr;
const void* aiRealMath = nullptr;
const void* aiTag = nullptr;
const void* aiTransformArt = nullptr;
const void* aiUnicodeString = nullptr;
}  // namespace suite_slots

namespace {

// Both rows of the tracker suite share this slot.
const void* admTracker = nullptr;

struct LigneSuite {
    const char* nom;
    int32_t version;
    const void** partage = nullptr;  // a slot outside the table, when one is named
    const void* propre = nullptr;    // the row's own slot otherwise
    bool tenue = false;              // acquired and not yet given back

    const void*& Emplacement() { return partage != nullptr ? *partage : propre; }
};

#define LIGNE_ATE(nom, version) {nom, version},

LigneSuite gTable[] = {
    {kSPBlocksSuite, kSPBlocksSuiteVersion},
    {kSPAccessSuite, kSPAccessSuiteVersion},
    {kAIPluginSuite, kAIPluginSuiteVersion},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, &suite_slots::aiRealMath},
    {kAIArtSuite, kAIArtSuiteVersion, &suite_slots::aiArt},
    {kAIUserSuite, kAIUserSuiteVersion},
    {kAIPathSuite, kAIPathSuiteVersion, &suite_slots::aiPath},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion},
    {kAIUndoSuite, kAIUndoSuiteVersion},
    {kAIAnnotatorSuite, kAIAnnotatorSuiteVersion},
    {kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion},
    {kAIRandomSuite, kAIRandomSuiteVersion},
    {kAIMenuSuite, kAIMenuSuiteVersion},
    {kAIToolSuite, kAIToolSuiteVersion},
    {kAINotifierSuite, kAINotifierSuiteVersion},
    {kADMBasicSuite, kADMBasicSuiteVersion, &suite_slots::admBasic},
    {kADMDialogSuite, kADMDialogSuiteVersion},
    {kADMItemSuite, kADMItemSuiteVersion},
    {kADMIconSuite, kADMIconSuiteVersion1},
    {kADMIconSuite, kADMIconSuiteVersion2},
    {kADMTrackerSuite, kADMTrackerSuiteVersion, &admTracker},
    {kADMDrawerSuite, kADMDrawerSuiteVersion},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &suite_slots::aiUnicodeString},
    {kAIPreferenceSuite, kAIPreferenceSuiteVersion},
    {kAIContextSuite, kAIContextSuiteVersion},
    {kADMDialogGroupSuite, kADMDialogGroupSuiteVersion},
    {kADMListSuite, kADMListSuiteVersion},
    {kADMEntrySuite, kADMEntrySuiteVersion},
    {kADMNotifierSuite, kADMNotifierSuiteVersion},
    // The tracker suite a second time, into the same slot.
    {kADMTrackerSuite, kADMTrackerSuiteVersion, &admTracker},
    {kAICursorSnapSuite, kAICursorSnapSuiteVersion},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion},
    {kAIDocumentSuite, kAIDocumentSuiteVersion},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion},
    {kAITagSuite, kAITagSuiteVersion, &suite_slots::aiTag},
    {kAILayerSuite, kAILayerSuiteVersion, &suite_slots::aiLayer},
    {kAIRealBezierSuite, kAIRealBezierSuiteVersion},
    {kAIHitTestSuite, kAIHitTestSuiteVersion},
    {kAITransformArtSuite, kAITransformArtSuiteVersion, &suite_slots::aiTransformArt},
    {kAITextFrameSuite, kAITextFrameSuiteVersion},
    {kAIRuntimeSuite, kAIRuntimeSuiteVersion},
    {kAIFontSuite, kAIFontSuiteVersion},
    {kAIATEPaintSuite, kAIATEPaintSuiteVersion},
    {kAIURLSuite, kAIURLSuiteVersion},
    // The document suite a second time, into a slot of its own.
    {kAIDocumentSuite, kAIDocumentSuiteVersion},
    HOST_ATE_SUITES(LIGNE_ATE)};

#undef LIGNE_ATE

constexpr int kLignesNommees = 46;
static_assert(std::size(gTable) == kLignesNommees + HOST_ATE_SUITE_COUNT);

int16_t gImbrication = 0;

void AlerterEchec(HostErr erreur, const LigneSuite& ligne) {
    char message[256];
    std::snprintf(message, sizeof message, "Error: %d, suite: %s, version: %d!",
                  static_cast<int>(erreur), ligne.nom, static_cast<int>(ligne.version));
    sADMBasic()->ErrorAlert(message);
}

HostErr AcquerirTable() {
    HostErr resultat = kHostNoError;
    for (LigneSuite& ligne : gTable) {
        const void* suite = nullptr;
        resultat = sSPBasic->AcquireSuite(ligne.nom, ligne.version, &suite);
        ligne.Emplacement() = suite;
        ligne.tenue = resultat == kHostNoError;
        if (resultat != kHostNoError && sADMBasic() != nullptr) {
            AlerterEchec(resultat, ligne);
            break;
        }
    }
    return resultat;
}

// Only rows that were acquired are given back: releasing a suite that is missing would
// fail and stop the release, leaving every later suite held for good.
void LibererTable() {
    for (LigneSuite& ligne : gTable) {
        if (!ligne.tenue) continue;
        if (sSPBasic->ReleaseSuite(ligne.nom, ligne.version) != kHostNoError) return;
        ligne.tenue = false;
        ligne.Emplacement() = nullptr;
    }
}

}  // namespace

HostErr AcquerirSuites() {
    HostErr resultat = kHostNoError;
    if (gImbrication == 0) resultat = AcquerirTable();
    ++gImbrication;
    return resultat;
}

void LibererSuites() {
    if (gImbrication == 1) LibererTable();
    --gImbrication;
}

void OublierSuites() {
    gImbrication = 0;
}
