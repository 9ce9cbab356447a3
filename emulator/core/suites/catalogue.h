// Every suite the host serves: the full table of the host interface, each suite with the
// functions its header declares (an empty table when it declares none).
#pragma once

#include <cstdint>
#include <vector>

#include "host/basic.h"

namespace emulator {

struct ServedSuite {
    const char* name;
    int32_t version;
    const void* table;
};

const std::vector<ServedSuite>& Catalogue();

// The basic suite handed out in every message header.
SPBasicSuite& ServedBasicSuite();

// The tables of the suites that declare functions.
const void* AdmBasicSuiteTable();
const void* AdmDialogGroupSuiteTable();
const void* AdmDialogSuiteTable();
const void* AdmDrawerSuiteTable();
const void* AdmEntrySuiteTable();
const void* AdmIconSuite1Table();
const void* AdmIconSuite2Table();
const void* AdmItemSuiteTable();
const void* AdmListSuiteTable();
const void* AdmNotifierSuiteTable();
const void* AdmTrackerSuiteTable();
const void* AiContextSuiteTable();
const void* AiUrlSuiteTable();
const void* SpAccessSuiteTable();
const void* AiAnnotatorSuiteTable();
const void* AiAnnotatorDrawerSuiteTable();
const void* AiArtSuiteTable();
const void* AiLayerSuiteTable();
const void* AiMenuSuiteTable();
const void* AiNotifierSuiteTable();
const void* AiPathSuiteTable();
const void* AiRealMathSuiteTable();
const void* AiTagSuiteTable();
const void* AiToolSuiteTable();
const void* AiTransformArtSuiteTable();
const void* AiDocumentSuiteTable();
const void* AiDocumentViewSuiteTable();
const void* AiHitTestSuiteTable();
const void* AiUnicodeStringSuiteTable();
const void* AiPreferenceSuiteTable();

}  // namespace emulator
