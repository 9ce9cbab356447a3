/*
 * Artwork services: art objects, paths, styles, tags, hit testing, transformation, text
 * and fonts. A suite with no function declared here has an empty table.
 */
#ifndef HOST_AI_ART_H
#define HOST_AI_ART_H

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 14

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 8

#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 10

#define kAIRealBezierSuite "AI Real Bezier Suite"
#define kAIRealBezierSuiteVersion 2

#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 5

#define kAITagSuite "AI Tag Suite"
#define kAITagSuiteVersion 2

#define kAIHitTestSuite "AI Hit Test Suite"
#define kAIHitTestSuiteVersion 3

#define kAITransformArtSuite "AI Transform Art Suite"
#define kAITransformArtSuiteVersion 1

#define kAITextFrameSuite "AI Text Frame Suite"
#define kAITextFrameSuiteVersion 1

#define kAIFontSuite "AI Font Suite"
#define kAIFontSuiteVersion 3

#define kAIATEPaintSuite "AIATE Paint Suite"
#define kAIATEPaintSuiteVersion 1

#endif
