/*
 * Document services: the document, its views and its layers. A suite with no function
 * declared here has an empty table.
 */
#ifndef HOST_AI_DOCUMENT_H
#define HOST_AI_DOCUMENT_H

#include "host/types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 11

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 10

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 11

typedef struct AILayerSuite11 {
    HostErr(HOST_API* CountLayers)(int32_t* count);

    /* The layer at INDEX; index 0 is the topmost. Out of range: kHostErrBadParameter. */
    HostErr(HOST_API* GetNthLayer)(int32_t index, HostLayerHandle* layer);

    /* The layer new art goes to. */
    HostErr(HOST_API* GetCurrentLayer)(HostLayerHandle* layer);

    /* Adds a layer placed by PAINTORDER (kHostPlaceAbove, kHostPlaceBelow relative to
       LAYER; kHostPlaceAboveAll, kHostPlaceBelowAll). The new layer is visible, unlocked,
       titled "Calque N", and does not become current. */
    HostErr(HOST_API* InsertLayer)(HostLayerHandle layer, int32_t paintOrder,
                                   HostLayerHandle* inserted);

    /* Copies LAYER's title into the string TITLE, which the caller made. */
    HostErr(HOST_API* GetLayerTitle)(HostLayerHandle layer, HostUnicodeStringRef title);
    HostErr(HOST_API* SetLayerTitle)(HostLayerHandle layer, HostUnicodeStringRef title);

    /* True when art can be added to LAYER: it is unlocked and visible. */
    HostErr(HOST_API* GetLayerEditable)(HostLayerHandle layer, HostBool32* editable);
} AILayerSuite11;

#ifdef __cplusplus
}
#endif

#endif
