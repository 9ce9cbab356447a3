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

typedef struct AIRealMathSuite1 {
    /* The angle in radians of the vector P2 - P1, from the horizontal axis towards the
       vertical one: atan2(p2.v - p1.v, p2.h - p1.h). */
    HostReal(HOST_API* AIRealPointAngle)(const HostRealPoint* p1, const HostRealPoint* p2);

    /* Sets M to the translation by (TX, TY). */
    void(HOST_API* AIRealMatrixSetTranslate)(HostRealMatrix* m, HostReal tx, HostReal ty);

    /* Concatenation: M becomes "M, then the rotation by ANGLE radians about the origin"
       (positive angles turn from the horizontal axis towards the vertical one). */
    void(HOST_API* AIRealMatrixConcatRotate)(HostRealMatrix* m, HostReal angle);

    /* M becomes "M, then the translation by (TX, TY)". */
    void(HOST_API* AIRealMatrixConcatTranslate)(HostRealMatrix* m, HostReal tx, HostReal ty);
} AIRealMathSuite1;

#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion 9

#define kAIUndoSuite "AI Undo Suite"
#define kAIUndoSuiteVersion 4

#define kAIRandomSuite "AI Random Suite"
#define kAIRandomSuiteVersion 3

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 9

/*
 * The host's menus are groups of items, in the order the groups were made; an item may
 * open a submenu, which is a group of its own. The host starts with its groups "About"
 * and "Tool Palettes". Names and texts are Windows-1252. Items and groups live until the
 * host quits; their handles stay valid until then. OPTIONS are display flags that the host
 * may honour; none changes what these functions do. Any message context.
 */
typedef struct AIMenuSuite9 {
    /* Adds an item at the end of the group GROUPNAME, owned by PLUGIN, which receives
       "AI Menu"/"AI Go" when the user chooses it. NAME identifies the item (null or "" for
       an item without a name); TEXT is what the menu shows. *item receives its handle.
       Null group name, text or item: kHostErrBadParameter. No group of that name:
       kHostErrNotFound. PLUGIN other than the caller's own reference: kHostErrBadHandle. */
    HostErr(HOST_API* AddMenuItem)(HostPluginRef plugin, const char* name, const char* groupName,
                                   const char* text, int32_t options, HostMenuItemHandle* item);

    /* Makes the group GROUPNAME, empty, the submenu that PARENTITEM (an item of the caller)
       opens. *group receives its handle. Null name or group, a group of that name already
       there, or PARENTITEM already opening a submenu: kHostErrBadParameter. An item the
       host does not know or that another plug-in owns: kHostErrBadHandle. */
    HostErr(HOST_API* AddMenuGroupAsSubMenu)(const char* groupName, int32_t options,
                                             HostMenuItemHandle parentItem,
                                             HostMenuGroupHandle* group);

    /* *count receives the number of groups, the host's and every plug-in's. Null count:
       kHostErrBadParameter. */
    HostErr(HOST_API* CountMenuGroups)(int32_t* count);

    /* *group receives the group at INDEX, from 0, in the order the groups were made. Null
       group or INDEX out of range: kHostErrBadParameter. */
    HostErr(HOST_API* GetNthMenuGroup)(int32_t index, HostMenuGroupHandle* group);

    /* Copies the name of GROUP into BUFFER, cut to SIZE - 1 bytes and zero-terminated; the
       caller owns BUFFER. Null buffer or SIZE 0: kHostErrBadParameter. Unknown group:
       kHostErrBadHandle. */
    HostErr(HOST_API* GetMenuGroupName)(HostMenuGroupHandle group, char* buffer, uint32_t size);

    /* Changes the text ITEM shows. Null text: kHostErrBadParameter. An item the host does
       not know or that another plug-in owns: kHostErrBadHandle (the same for the three
       functions below). */
    HostErr(HOST_API* SetItemText)(HostMenuItemHandle item, const char* text);

    /* Copies the text of ITEM into BUFFER, cut to SIZE - 1 bytes and zero-terminated; the
       caller owns BUFFER. Null buffer or SIZE 0: kHostErrBadParameter. */
    HostErr(HOST_API* GetItemText)(HostMenuItemHandle item, char* buffer, uint32_t size);

    /* A disabled item shows greyed; choosing it sends nothing. Items start enabled. */
    HostErr(HOST_API* EnableItem)(HostMenuItemHandle item, HostBool32 enabled);

    /* A checked item shows a check mark beside its text. Items start unchecked. */
    HostErr(HOST_API* CheckItem)(HostMenuItemHandle item, HostBool32 checked);
} AIMenuSuite9;

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

typedef struct AIUnicodeStringSuite6 {
    /* Makes a host string from Windows-1252 TEXT. The caller owns *string and gives it
       back with Dispose. */
    HostErr(HOST_API* NewFromWindows1252)(const char* text, HostUnicodeStringRef* string);

    /* *order is 0 when A and B hold the same text, negative when A sorts first, positive
       otherwise (code point order). */
    HostErr(HOST_API* Compare)(HostUnicodeStringRef a, HostUnicodeStringRef b, int32_t* order);

    HostErr(HOST_API* Dispose)(HostUnicodeStringRef string);
} AIUnicodeStringSuite6;

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
