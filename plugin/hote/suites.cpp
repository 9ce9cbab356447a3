#include "plugin/hote/suites.h"

#include <cstdio>
#include <iterator>

#include "host/ai_annotator.h"
#include "host/ai_art.h"
#include "host/ai_document.h"
#include "host/ate.h"
#include "host/sp_suites.h"

SPBasicSuite* sSPBasic = nullptr;
HostPluginRef sPlugin = nullptr;

namespace suite_slots {
const void* admBasic = nullptr;
const void* admDialog = nullptr;
const void* admDialogGroup = nullptr;
const void* admDrawer = nullptr;
const void* admEntry = nullptr;
const void* admIcon1 = nullptr;
const void* admIcon2 = nullptr;
const void* admItem = nullptr;
const void* admList = nullptr;
const void* admNotifier = nullptr;
// Both rows of the tracker suite share this slot.
const void* admTracker = nullptr;
const void* aiAnnotator = nullptr;
const void* aiAnnotatorDrawer = nullptr;
const void* aiArt = nullptr;
const void* aiContext = nullptr;
const void* aiDocument = nullptr;
const void* aiDocumentView = nullptr;
const void* aiHitTest = nullptr;
const void* aiLayer = nullptr;
const void* aiMenu = nullptr;
const void* aiNotifier = nullptr;
const void* aiPath = nullptr;
const void* aiPreference = nullptr;
const void* aiRealMath = nullptr;
const void* aiTag = nullptr;
const void* aiTool = nullptr;
const void* aiTransformArt = nullptr;
const void* aiUnicodeString = nullptr;
const void* aiUrl = nullptr;
const void* spAccess = nullptr;
}  // namespace suite_slots

namespace {

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
    {kSPAccessSuite, kSPAccessSuiteVersion, &suite_slots::spAccess},
    {kAIPluginSuite, kAIPluginSuiteVersion},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, &suite_slots::aiRealMath},
    {kAIArtSuite, kAIArtSuiteVersion, &suite_slots::aiArt},
    {kAIUserSuite, kAIUserSuiteVersion},
    {kAIPathSuite, kAIPathSuiteVersion, &suite_slots::aiPath},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion},
    {kAIUndoSuite, kAIUndoSuiteVersion},
    {kAIAnnotatorSuite, kAIAnnotatorSuiteVersion, &suite_slots::aiAnnotator},
    {kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, &suite_slots::aiAnnotatorDrawer},
    {kAIRandomSuite, kAIRandomSuiteVersion},
    {kAIMenuSuite, kAIMenuSuiteVersion, &suite_slots::aiMenu},
    {kAIToolSuite, kAIToolSuiteVersion, &suite_slots::aiTool},
    {kAINotifierSuite, kAINotifierSuiteVersion, &suite_slots::aiNotifier},
    {kADMBasicSuite, kADMBasicSuiteVersion, &suite_slots::admBasic},
    {kADMDialogSuite, kADMDialogSuiteVersion, &suite_slots::admDialog},
    {kADMItemSuite, kADMItemSuiteVersion, &suite_slots::admItem},
    {kADMIconSuite, kADMIconSuiteVersion1, &suite_slots::admIcon1},
    {kADMIconSuite, kADMIconSuiteVersion2, &suite_slots::admIcon2},
    {kADMTrackerSuite, kADMTrackerSuiteVersion, &suite_slots::admTracker},
    {kADMDrawerSuite, kADMDrawerSuiteVersion, &suite_slots::admDrawer},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &suite_slots::aiUnicodeString},
    {kAIPreferenceSuite, kAIPreferenceSuiteVersion, &suite_slots::aiPreference},
    {kAIContextSuite, kAIContextSuiteVersion, &suite_slots::aiContext},
    {kADMDialogGroupSuite, kADMDialogGroupSuiteVersion, &suite_slots::admDialogGroup},
    {kADMListSuite, kADMListSuiteVersion, &suite_slots::admList},
    {kADMEntrySuite, kADMEntrySuiteVersion, &suite_slots::admEntry},
    {kADMNotifierSuite, kADMNotifierSuiteVersion, &suite_slots::admNotifier},
    // The tracker suite a second time, into the same slot.
    {kADMTrackerSuite, kADMTrackerSuiteVersion, &suite_slots::admTracker},
    {kAICursorSnapSuite, kAICursorSnapSuiteVersion},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &suite_slots::aiDocumentView},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, &suite_slots::aiDocument},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion},
    {kAITagSuite, kAITagSuiteVersion, &suite_slots::aiTag},
    {kAILayerSuite, kAILayerSuiteVersion, &suite_slots::aiLayer},
    {kAIRealBezierSuite, kAIRealBezierSuiteVersion},
    {kAIHitTestSuite, kAIHitTestSuiteVersion, &suite_slots::aiHitTest},
    {kAITransformArtSuite, kAITransformArtSuiteVersion, &suite_slots::aiTransformArt},
    {kAITextFrameSuite, kAITextFrameSuiteVersion},
    {kAIRuntimeSuite, kAIRuntimeSuiteVersion},
    {kAIFontSuite, kAIFontSuiteVersion},
    {kAIATEPaintSuite, kAIATEPaintSuiteVersion},
    {kAIURLSuite, kAIURLSuiteVersion, &suite_slots::aiUrl},
    // The document suite a second time, into a slot of its own.
    {kAIDocumentSuite, kAIDocumentSuiteVersion},
    HOST_ATE_SUITES(LIGNE_ATE)};

#undef LIGNE_ATE

constexpr int kLignesNommees = 46;
static_assert(std::size(gTable) == kLignesNommees + HOST_ATE_SUITE_COUNT);

int16_t gImbrication = 0;

HostErr AcquerirTable() {
    HostErr resultat = kHostNoError;
    for (LigneSuite& ligne : gTable) {
        const void* suite = nullptr;
        resultat = sSPBasic->AcquireSuite(ligne.nom, ligne.version, &suite);
        ligne.Emplacement() = suite;
        ligne.tenue = resultat == kHostNoError;
        if (resultat != kHostNoError && sADMBasic() != nullptr) {
            AlerterSuiteManquante(resultat, ligne.nom, ligne.version);
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

void AlerterSuiteManquante(HostErr erreur, const char* nom, int32_t version) {
    if (sADMBasic() == nullptr) return;
    char message[256];
    std::snprintf(message, sizeof message, "Error: %d, suite: %s, version: %d!",
                  static_cast<int>(erreur), nom, static_cast<int>(version));
    sADMBasic()->ErrorAlert(message);
}

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

int16_t ImbricationSuites() {
    return gImbrication;
}

void RamenerSuites(int16_t niveau) {
    while (gImbrication > niveau) LibererSuites();
}
