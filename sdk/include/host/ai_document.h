/*
 * Document services: the document, its views and its layers. A suite with no function
 * declared here has an empty table.
 */
#ifndef HOST_AI_DOCUMENT_H
#define HOST_AI_DOCUMENT_H

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 11

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 10

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 11

#endif
