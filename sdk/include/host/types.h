/*
 * Shared types of the host interface.
 *
 * Everything here is plain C data with a fixed layout, so that a plug-in built by any
 * compiler can exchange it with the host. Reals are 32-bit IEEE floats.
 */
#ifndef HOST_TYPES_H
#define HOST_TYPES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Calling convention of every function the host and the plug-in hand each other. */
#if defined(_WIN32)
#define HOST_API __cdecl
#else
#define HOST_API
#endif

/* The plug-in's one export. */
#if defined(_WIN32)
#define HOST_PLUGIN_EXPORT __declspec(dllexport)
#else
#define HOST_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

/* A four-character code packed big-endian: HOST_FOURCC('!','i','c','o') == 0x2169636F. */
#define HOST_FOURCC(a, b, c, d)                                                  \
    ((int32_t)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | \
               ((uint32_t)(uint8_t)(c) << 8) | (uint32_t)(uint8_t)(d)))

/* Every result is a 32-bit error code; 0 is success. */
typedef int32_t HostErr;

/* A truth value as the host passes it: 0 false, anything else true. */
typedef int32_t HostBool32;

typedef float HostReal;

/* A point in artwork coordinates: document points (1/72 inch), vertical axis up. */
typedef struct HostRealPoint {
    HostReal h;
    HostReal v;
} HostRealPoint;

/* One segment of a path: anchor, in-direction handle, out-direction handle, corner flag. */
typedef struct HostPathSegment {
    HostRealPoint p;
    HostRealPoint in;
    HostRealPoint out;
    HostBool32 corner;
} HostPathSegment;

/* An affine matrix: (x, y) maps to (a x + c y + tx, b x + d y + ty). */
typedef struct HostRealMatrix {
    HostReal a, b, c, d, tx, ty;
} HostRealMatrix;

/* Colour components from 0 to 65535. */
typedef struct HostRGBColor {
    uint16_t red;
    uint16_t green;
    uint16_t blue;
} HostRGBColor;

/* A point of a document view: whole pixels, vertical axis down. */
typedef struct HostViewPoint {
    int32_t h;
    int32_t v;
} HostViewPoint;

/* A rectangle in whole pixels (views, dialogs, items, the screen). */
typedef struct HostRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} HostRect;

/*
 * Opaque handles. The host owns every object behind them; a handle stays valid until the
 * host disposes of the object. The host checks each handle it receives and answers
 * kHostErrBadHandle for one it does not know.
 */
typedef struct HostPlugin_* HostPluginRef;
typedef struct HostMenuItem_* HostMenuItemHandle;
typedef struct HostMenuGroup_* HostMenuGroupHandle;
typedef struct HostNotifier_* HostNotifierHandle;
typedef struct HostTool_* HostToolHandle;
typedef struct HostAnnotator_* HostAnnotatorHandle;
typedef struct HostArt_* HostArtHandle;
typedef struct HostLayer_* HostLayerHandle;
typedef struct HostDocumentView_* HostDocumentViewHandle;
typedef struct HostHit_* HostHitRef;
typedef struct HostDialog_* HostDialogRef;
typedef struct HostItem_* HostItemRef;
typedef struct HostDrawer_* HostDrawerRef;
typedef struct HostUnicodeString_* HostUnicodeStringRef;
typedef struct HostList_* HostListRef;
typedef struct HostEntry_* HostEntryRef;
typedef struct HostIcon_* HostIconRef;
typedef struct HostDialogNotifier_* HostDialogNotifierRef;
typedef struct HostTracker_* HostTrackerRef;
typedef struct HostAppContext_* HostAppContextRef;
typedef struct HostAccess_* HostAccessRef;

/* Error codes the host answers. */
enum {
    kHostNoError = 0,
    /* The suite asked for is unknown, or not served at that version. */
    kHostErrSuiteNotFound = HOST_FOURCC('S', '!', 'F', 'd'),
    /* A release of a suite that is not held. */
    kHostErrSuiteNotHeld = HOST_FOURCC('S', '!', 'H', 'd'),
    /* A handle the host does not know, or that is no longer valid. */
    kHostErrBadHandle = HOST_FOURCC('B', 'H', 'n', 'd'),
    /* A null pointer or out-of-range argument. */
    kHostErrBadParameter = HOST_FOURCC('P', 'a', 'r', 'm'),
    /* The host could not allocate memory. */
    kHostErrOutOfMemory = HOST_FOURCC('!', 'M', 'E', 'M'),
    /* A function called at a time it may not be: before start-up, say. */
    kHostErrWrongContext = HOST_FOURCC('C', 't', 'x', 't'),
    /* Nothing of that name or kind: a menu group, a preference never put (or put with
       another type), a resource the plug-in lacks. */
    kHostErrNotFound = HOST_FOURCC('!', 'F', 'n', 'd'),
    /* Art cannot be added to a locked or hidden layer. */
    kHostErrLayerLocked = HOST_FOURCC('L', 'c', 'k', 'd'),
    /* An unexpected internal failure, caught before it could cross the boundary. */
    kHostErrInternal = HOST_FOURCC('!', 'I', 'n', 't')
};

#ifdef __cplusplus
}
#endif

#endif
