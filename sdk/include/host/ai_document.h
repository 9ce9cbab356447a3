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

typedef struct AIDocumentSuite11 {
    /* Asks for the document's views to be drawn again (with their annotations) once the
       current message or procedure has returned. Callable in any message and from the
       dialog manager's procedures once the plug-in has started. */
    HostErr(HOST_API* RedrawDocument)(void);
} AIDocumentSuite11;

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 10

/*
 * A view shows the artwork in whole pixels, vertical axis down; at zoom Z one artwork
 * point is Z pixels. Wherever a view is asked for, null means the document's first view.
 * Callable in any message once the plug-in has started.
 */
typedef struct AIDocumentViewSuite10 {
    /* The document's view at INDEX; index 0 is the first. Out of range:
       kHostErrBadParameter. The document owns the view. */
    HostErr(HOST_API* GetNthDocumentView)(int32_t index, HostDocumentViewHandle* view);

    /* The zoom of VIEW: pixels per artwork point, 1 for actual size. */
    HostErr(HOST_API* GetDocumentViewZoom)(HostDocumentViewHandle view, HostReal* zoom);

    /* Sets the zoom of VIEW, keeping the artwork point at its top-left corner. A zoom
       outside 1/32 to 64 (or not a number): kHostErrBadParameter, the zoom unchanged. */
    HostErr(HOST_API* SetDocumentViewZoom)(HostDocumentViewHandle view, HostReal zoom);

    /* The pixel of VIEW that shows the artwork point ARTWORK, rounded to the nearest
       pixel. */
    HostErr(HOST_API* ArtworkPointToViewPoint)(HostDocumentViewHandle view,
                                               const HostRealPoint* artwork,
                                               HostViewPoint* viewPoint);

    /* The artwork point that the pixel VIEWPOINT of VIEW shows (its top-left corner). */
    HostErr(HOST_API* ViewPointToArtworkPoint)(HostDocumentViewHandle view,
                                               const HostViewPoint* viewPoint,
                                               HostRealPoint* artwork);
} AIDocumentViewSuite10;

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

    /* The colour LAYER's selections and guides show in. Null color: kHostErrBadParameter. */
    HostErr(HOST_API* GetLayerColor)(HostLayerHandle layer, HostRGBColor* color);
} AILayerSuite11;

#ifdef __cplusplus
}
#endif

#endif
