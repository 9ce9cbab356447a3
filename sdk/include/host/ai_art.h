/*
 * Artwork services: art objects, paths, styles, tags, hit testing, transformation, text
 * and fonts. A suite with no function declared here has an empty table.
 */
#ifndef HOST_AI_ART_H
#define HOST_AI_ART_H

#include "host/types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Art types. */
enum { kHostGroupArt = 1, kHostPathArt = 2 };

/* Where new art goes, relative to a reference art (the paint order). Without a reference,
   "above all" and "below all" mean the current layer's top-level group. */
enum {
    kHostPlaceAbove = 1,          /* just above the reference, beside it */
    kHostPlaceBelow = 2,          /* just below the reference, beside it */
    kHostPlaceInsideOnTop = 3,    /* inside the reference group, above its children */
    kHostPlaceInsideOnBottom = 4, /* inside the reference group, below its children */
    kHostPlaceAboveAll = 5,       /* on top of everything (for layers: above every layer) */
    kHostPlaceBelowAll = 6        /* under everything */
};

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 14

typedef struct AIArtSuite14 {
    /* Makes an empty art of TYPE (kHostGroupArt, kHostPathArt) placed by PAINTORDER
       relative to PREP (a group for the "inside" orders). *newArt receives it; the
       document owns it. A placement inside art that is not a group, or an unknown type or
       order: kHostErrBadParameter. A locked or hidden layer: kHostErrLayerLocked. */
    HostErr(HOST_API* NewArt)(int32_t type, int32_t paintOrder, HostArtHandle prep,
                              HostArtHandle* newArt);

    /* Removes ART and everything inside it from the document. The handle stays invalid
       for good (ValidArt answers false); the host never hands it out again. */
    HostErr(HOST_API* DisposeArt)(HostArtHandle art);

    /* The top-level group of LAYER, which holds all its art. */
    HostErr(HOST_API* GetFirstArtOfLayer)(HostLayerHandle layer, HostArtHandle* art);

    /* The topmost child of the group ART, or null when it is empty (not an error). */
    HostErr(HOST_API* GetArtFirstChild)(HostArtHandle art, HostArtHandle* child);

    /* True when ART is in the document. SEARCHALLLAYERLISTS is accepted for form: every
       layer is searched. Never fails. */
    HostBool32(HOST_API* ValidArt)(HostArtHandle art, HostBool32 searchAllLayerLists);

    /* Copies ART's name (Windows-1252, zero-terminated, cut to SIZE) into BUFFER. Art
       never named has the empty name. */
    HostErr(HOST_API* GetArtName)(HostArtHandle art, char* buffer, uint32_t size);

    /* Names ART (Windows-1252), replacing any name it had. */
    HostErr(HOST_API* SetArtName)(HostArtHandle art, const char* name);

    /* *layer receives the layer that holds ART. Art the document does not hold:
       kHostErrBadHandle, and *layer is null. */
    HostErr(HOST_API* GetLayerOfArt)(HostArtHandle art, HostLayerHandle* layer);

    /* *parent receives the group that holds ART (a layer's top-level group for art placed
       directly on the layer; null for that top-level group itself). Art the document does
       not hold: kHostErrBadHandle, and *parent is null. */
    HostErr(HOST_API* GetArtParent)(HostArtHandle art, HostArtHandle* parent);
} AIArtSuite14;

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 8

typedef struct AIPathSuite8 {
    /* Sets the number of segments of PATH. New segments are at the origin, corners. */
    HostErr(HOST_API* SetPathSegmentCount)(HostArtHandle path, int16_t count);
    HostErr(HOST_API* GetPathSegmentCount)(HostArtHandle path, int16_t* count);

    /* Writes COUNT segments from SEGMENTS into PATH from index FIRST on. A range outside
       the path: kHostErrBadParameter, nothing written. */
    HostErr(HOST_API* SetPathSegments)(HostArtHandle path, int16_t first, int16_t count,
                                       const HostPathSegment* segments);

    /* Reads COUNT segments of PATH from index FIRST into SEGMENTS (the caller's array). */
    HostErr(HOST_API* GetPathSegments)(HostArtHandle path, int16_t first, int16_t count,
                                       HostPathSegment* segments);

    HostErr(HOST_API* SetPathClosed)(HostArtHandle path, HostBool32 closed);
    HostErr(HOST_API* GetPathClosed)(HostArtHandle path, HostBool32* closed);

    /* A guide is drawn as a guide line and never printed. */
    HostErr(HOST_API* SetPathGuide)(HostArtHandle path, HostBool32 guide);
} AIPathSuite8;

#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 10

#define kAIRealBezierSuite "AI Real Bezier Suite"
#define kAIRealBezierSuiteVersion 2

#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 5

#define kAITagSuite "AI Tag Suite"
#define kAITagSuiteVersion 2

typedef struct AITagSuite2 {
    /* Attaches to ART the tag NAME of TYPE (such as "string") with VALUE, replacing a tag
       of the same name. All three are Windows-1252 and copied. */
    HostErr(HOST_API* SetTag)(HostArtHandle art, const char* name, const char* type,
                              const char* value);

    /* Copies into VALUE, which the caller owns (SIZE bytes, cut to fit and always ended),
       the value of ART's tag NAME of TYPE. Null name, type or value, or SIZE 0:
       kHostErrBadParameter. Art the host does not know: kHostErrBadHandle. No such tag,
       or one of another type: kHostErrNotFound, VALUE untouched. */
    HostErr(HOST_API* GetTag)(HostArtHandle art, const char* name, const char* type, char* value,
                              uint32_t size);
} AITagSuite2;

#define kAIHitTestSuite "AI Hit Test Suite"
#define kAIHitTestSuiteVersion 3

/* What a hit test looks for. */
enum {
    /* The anchor points of paths: the hit gives the path, the anchor's segment index and
       the anchor. Guides and art of locked or hidden layers are never hit. */
    kHostHitAnchorPoints = 1
};

/* What a hit test found. */
typedef struct HostToolHitData {
    HostBool32 hit;      /* false when nothing was within the tolerance */
    HostArtHandle art;   /* the art hit, or null */
    int16_t segment;     /* the index of the segment whose anchor was hit */
    HostRealPoint point; /* the anchor hit, in artwork coordinates */
} HostToolHitData;

/* Callable in any message once the plug-in has started; a hit may be kept across
   messages until released, but the art it names may be gone by then (check ValidArt). */
typedef struct AIHitTestSuite3 {
    /* Looks at POINT (artwork coordinates) for what OPTION asks (kHostHitAnchorPoints),
       within TOLERANCE pixels of the document's first view at its zoom. ART limits the
       search to that art and what it holds; null searches the whole document. The art
       on top wins, then, within it, the anchor nearest POINT, then the lowest index.
       *hit receives a hit, made even when nothing is hit, which the caller releases. An
       unknown option or a negative tolerance: kHostErrBadParameter, no hit made. */
    HostErr(HOST_API* HitTestEx)(HostArtHandle art, const HostRealPoint* point, HostReal tolerance,
                                 int32_t option, HostHitRef* hit);

    /* Copies what HIT found into DATA, which the caller owns. */
    HostErr(HOST_API* GetHitData)(HostHitRef hit, HostToolHitData* data);

    /* Frees HIT; its handle is invalid from then on. */
    HostErr(HOST_API* Release)(HostHitRef hit);
} AIHitTestSuite3;

#define kAITransformArtSuite "AI Transform Art Suite"
#define kAITransformArtSuiteVersion 1

/* What TransformArt changes. */
enum { kHostTransformObjects = 1 };

typedef struct AITransformArtSuite1 {
    /* Applies MATRIX to ART (a group: everything inside it). With kHostTransformObjects in
       FLAGS the geometry moves: every anchor and handle. LINESCALE scales stroke widths;
       0 leaves them. */
    HostErr(HOST_API* TransformArt)(HostArtHandle art, const HostRealMatrix* matrix,
                                    HostReal lineScale, int32_t flags);
} AITransformArtSuite1;

#define kAITextFrameSuite "AI Text Frame Suite"
#define kAITextFrameSuiteVersion 1

#define kAIFontSuite "AI Font Suite"
#define kAIFontSuiteVersion 3

#define kAIATEPaintSuite "AIATE Paint Suite"
#define kAIATEPaintSuiteVersion 1

#ifdef __cplusplus
}
#endif

#endif
