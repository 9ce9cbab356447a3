#include "emulator/core/suites/catalogue.h"

#include "host/adm.h"
#include "host/ai_annotator.h"
#include "host/ai_application.h"
#include "host/ai_art.h"
#include "host/ai_document.h"
#include "host/ate.h"
#include "host/sp_suites.h"

namespace emulator {
namespace {

// What an acquisition of a suite without functions hands out.
const struct EmptyTable { char unused; } kEmptyTable{};

#define HOST_ATE_ROW(name, version) {name, version, &kEmptyTable},

std::vector<ServedSuite> Build() {
    return {
        {kSPBlocksSuite, kSPBlocksSuiteVersion, &kEmptyTable},
        {kSPAccessSuite, kSPAccessSuiteVersion, SpAccessSuiteTable()},
        {kAIPluginSuite, kAIPluginSuiteVersion, &kEmptyTable},
        {kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kEmptyTable},
        {kAIRealMathSuite, kAIRealMathSuiteVersion, AiRealMathSuiteTable()},
        {kAIArtSuite, kAIArtSuiteVersion, AiArtSuiteTable()},
        {kAIUserSuite, kAIUserSuiteVersion, &kEmptyTable},
        {kAIPathSuite, kAIPathSuiteVersion, AiPathSuiteTable()},
        {kAIPathStyleSuite, kAIPathStyleSuiteVersion, &kEmptyTable},
        {kAIUndoSuite, kAIUndoSuiteVersion, &kEmptyTable},
        {kAIAnnotatorSuite, kAIAnnotatorSuiteVersion, AiAnnotatorSuiteTable()},
        {kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, AiAnnotatorDrawerSuiteTable()},
        {kAIRandomSuite, kAIRandomSuiteVersion, &kEmptyTable},
        {kAIMenuSuite, kAIMenuSuiteVersion, AiMenuSuiteTable()},
        {kAIToolSuite, kAIToolSuiteVersion, AiToolSuiteTable()},
        {kAINotifierSuite, kAINotifierSuiteVersion, AiNotifierSuiteTable()},
        {kADMBasicSuite, kADMBasicSuiteVersion, AdmBasicSuiteTable()},
        {kADMDialogSuite, kADMDialogSuiteVersion, AdmDialogSuiteTable()},
        {kADMItemSuite, kADMItemSuiteVersion, AdmItemSuiteTable()},
        {kADMIconSuite, kADMIconSuiteVersion1, AdmIconSuite1Table()},
        {kADMIconSuite, kADMIconSuiteVersion2, AdmIconSuite2Table()},
        {kADMTrackerSuite, kADMTrackerSuiteVersion, AdmTrackerSuiteTable()},
        {kADMDrawerSuite, kADMDrawerSuiteVersion, AdmDrawerSuiteTable()},
        {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, AiUnicodeStringSuiteTable()},
        {kAIPreferenceSuite, kAIPreferenceSuiteVersion, AiPreferenceSuiteTable()},
        {kAIContextSuite, kAIContextSuiteVersion, AiContextSuiteTable()},
        {kADMDialogGroupSuite, kADMDialogGroupSuiteVersion, AdmDialogGroupSuiteTable()},
        {kADMListSuite, kADMListSuiteVersion, AdmListSuiteTable()},
        {kADMEntrySuite, kADMEntrySuiteVersion, AdmEntrySuiteTable()},
        {kADMNotifierSuite, kADMNotifierSuiteVersion, AdmNotifierSuiteTable()},
        {kAICursorSnapSuite, kAICursorSnapSuiteVersion, &kEmptyTable},
        {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, AiDocumentViewSuiteTable()},
        {kAIDocumentSuite, kAIDocumentSuiteVersion, AiDocumentSuiteTable()},
        {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &kEmptyTable},
        {kAITagSuite, kAITagSuiteVersion, AiTagSuiteTable()},
        {kAILayerSuite, kAILayerSuiteVersion, AiLayerSuiteTable()},
        {kAIRealBezierSuite, kAIRealBezierSuiteVersion, &kEmptyTable},
        {kAIHitTestSuite, kAIHitTestSuiteVersion, AiHitTestSuiteTable()},
        {kAITransformArtSuite, kAITransformArtSuiteVersion, AiTransformArtSuiteTable()},
        {kAITextFrameSuite, kAITextFrameSuiteVersion, &kEmptyTable},
        {kAIRuntimeSuite, kAIRuntimeSuiteVersion, &kEmptyTable},
        {kAIFontSuite, kAIFontSuiteVersion, &kEmptyTable},
        {kAIATEPaintSuite, kAIATEPaintSuiteVersion, &kEmptyTable},
        {kAIURLSuite, kAIURLSuiteVersion, AiUrlSuiteTable()},
        HOST_ATE_SUITES(HOST_ATE_ROW)};
}

#undef HOST_ATE_ROW

}  // namespace

const std::vector<ServedSuite>& Catalogue() {
    static const std::vector<ServedSuite> catalogue = Build();
    return catalogue;
}

}  // namespace emulator
