/*
 * Application-wide services of the host: plug-ins, memory, menus, tools, notifiers,
 * preferences, strings, maths, context and web addresses. A suite with no function
 * declared here has an empty table: the plug-in acquires it but calls nothing in it.
 */
#ifndef HOST_AI_APPLICATION_H
#define HOST_AI_APPLICATION_H

#include "host/types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIPluginSuite "AI Plugin Suite"
#define kAIPluginSuiteVersion 3

#define kAIMdMemorySuite "AI MdMemory Suite"
#define kAIMdMemorySuiteVersion 1

#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion 1

#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion 9

#define kAIUndoSuite "AI Undo Suite"
#define kAIUndoSuiteVersion 4

#define kAIRandomSuite "AI Random Suite"
#define kAIRandomSuiteVersion 3

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 9

#define kAIToolSuite "AI Tool Suite"
#define kAIToolSuiteVersion 10

#define kAINotifierSuite "AI Notifier Suite"
#define kAINotifierSuiteVersion 2

/* The host has finished starting: sent once, right after every plug-in's start-up. */
#define kAIApplicationStartedNotifier "AI Application Started Notifier"
/* The selection of the current document changed. */
#define kAIArtSelectionChangedNotifier "AI Art Selection Changed Notifier"

typedef struct AINotifierSuite2 {
    /* Asks the host to send "AI Notifier"/"AI Notify" to PLUGIN whenever TYPE fires. NAME
       labels the notifier in traces. *notifier receives the handle, valid until the host
       quits. Null arguments: kHostErrBadParameter. Any message context. */
    HostErr(HOST_API* AddNotifier)(HostPluginRef plugin, const char* name, const char* type,
                                   HostNotifierHandle* notifier);
} AINotifierSuite2;

#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion 6

#define kAIPreferenceSuite "AI Preference Suite"
#define kAIPreferenceSuiteVersion 4

#define kAIContextSuite "AI Context Suite"
#define kAIContextSuiteVersion 4

#define kAICursorSnapSuite "AI Cursor Snap Suite"
#define kAICursorSnapSuiteVersion 3

#define kAIRuntimeSuite "AI Runtime Suite"
#define kAIRuntimeSuiteVersion 10

#define kAIURLSuite "AI URL Suite"
#define kAIURLSuiteVersion 1

#ifdef __cplusplus
}
#endif

#endif
