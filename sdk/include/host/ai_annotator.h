/*
 * Annotations drawn over the artwork. The same suite name is served at two versions:
 * version 4 manages annotators, version 1 is the drawer used inside "AI Draw".
 */
#ifndef HOST_AI_ANNOTATOR_H
#define HOST_AI_ANNOTATOR_H

#define kAIAnnotatorSuite "AI Annotator Suite"
#define kAIAnnotatorSuiteVersion 4

#define kAIAnnotatorDrawerSuite "AI Annotator Suite"
#define kAIAnnotatorDrawerSuiteVersion 1

#endif
