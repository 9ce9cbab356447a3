/*
 * Annotations drawn over the artwork. The same suite name is served at two versions:
 * version 4 manages annotators, version 1 is the drawer used inside "AI Draw".
 */
#ifndef HOST_AI_ANNOTATOR_H
#define HOST_AI_ANNOTATOR_H

#include "host/types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIAnnotatorSuite "AI Annotator Suite"
#define kAIAnnotatorSuiteVersion 4

#define kAIAnnotatorDrawerSuite "AI Annotator Suite"
#define kAIAnnotatorDrawerSuiteVersion 1

/*
 * Annotators: a plug-in's drawing over the artwork, in its own layer above the document.
 * While an annotator is active the host sends its plug-in "AI Annotation"/"AI Draw" with
 * the view and a drawer whenever the annotation layer is redrawn. Any message context.
 */
typedef struct AIAnnotatorSuite4 {
    /* Adds an annotator named NAME (Windows-1252, copied) for PLUGIN, active, and puts its
       handle into *annotator. Null name or annotator: kHostErrBadParameter. PLUGIN other
       than the caller's own reference: kHostErrBadHandle. */
    HostErr(HOST_API* AddAnnotator)(HostPluginRef plugin, const char* name,
                                    HostAnnotatorHandle* annotator);

    /* Makes ANNOTATOR active (drawn) or inactive (no draw message). An annotator the host
       does not know: kHostErrBadHandle. */
    HostErr(HOST_API* SetAnnotatorActive)(HostAnnotatorHandle annotator, HostBool32 active);

    /* *active receives whether ANNOTATOR is active. */
    HostErr(HOST_API* GetAnnotatorActive)(HostAnnotatorHandle annotator, HostBool32* active);

    /* Asks for RECT (view pixels) of the annotation layer of VIEW to be redrawn; a null
       VIEW means every view. Null rect: kHostErrBadParameter. */
    HostErr(HOST_API* InvalidAnnotationRect)(HostDocumentViewHandle view, const HostRect* rect);
} AIAnnotatorSuite4;

/* Alignments of DrawTextAligned, horizontal and vertical. */
enum {
    kHostAlignStart = 0,  /* left, or top */
    kHostAlignCenter = 1, /* centred */
    kHostAlignEnd = 2     /* right, or bottom */
};

/* The host's font for annotations: its dialog font, at the size its interface uses. */
enum { kHostAnnotationDefaultFont = 0 };

/*
 * The drawer of one "AI Draw" message: what is drawn goes into the annotation layer of the
 * message's view, in view pixels (vertical axis down). The drawer is valid only during
 * that message; a drawer of another message: kHostErrBadHandle. The colour starts black,
 * the line width 1, the font kHostAnnotationDefaultFont.
 */
typedef struct AIAnnotatorDrawerSuite1 {
    HostErr(HOST_API* SetColor)(HostDrawerRef drawer, HostRGBColor color);

    /* Width in pixels of the lines drawn from now on; not negative. */
    HostErr(HOST_API* SetLineWidth)(HostDrawerRef drawer, HostReal width);

    HostErr(HOST_API* DrawLine)(HostDrawerRef drawer, const HostViewPoint* start,
                                const HostViewPoint* end);

    /* The rectangle's outline, or the whole rectangle when FILL is set. */
    HostErr(HOST_API* DrawRect)(HostDrawerRef drawer, const HostRect* rect, HostBool32 fill);

    /* The ellipse inscribed in RECT: its outline, or the whole ellipse when FILL is set. */
    HostErr(HOST_API* DrawEllipse)(HostDrawerRef drawer, const HostRect* rect, HostBool32 fill);

    /* Draws TEXT in RECT with the current font and colour, aligned by HALIGN and VALIGN
       (kHostAlignStart, kHostAlignCenter, kHostAlignEnd). */
    HostErr(HOST_API* DrawTextAligned)(HostDrawerRef drawer, HostUnicodeStringRef text,
                                       int32_t hAlign, int32_t vAlign, const HostRect* rect);

    /* *bounds receives the rectangle TEXT covers in the current font with its top-left
       corner at POSITION, or at (0, 0) when POSITION is null: then right and bottom are
       the text's width and height. */
    HostErr(HOST_API* GetTextBounds)(HostDrawerRef drawer, HostUnicodeStringRef text,
                                     const HostViewPoint* position, HostRect* bounds);

    /* Selects the font for the texts drawn and measured from now on
       (kHostAnnotationDefaultFont). An unknown font: kHostErrBadParameter. */
    HostErr(HOST_API* SetFontPreset)(HostDrawerRef drawer, int32_t font);
} AIAnnotatorDrawerSuite1;

#ifdef __cplusplus
}
#endif

#endif
