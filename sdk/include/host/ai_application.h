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

/* A tool's number in the toolbox: signed 16-bit, given by the host when the tool is
   added. */
typedef int16_t AIToolType;
/* The number that stands for no tool: a new group, or a toolset of the tool's own. */
enum { kNoTool = -2 };

/* What the toolbox shows for a tool being added. */
typedef struct AIAddToolData {
    const char* title;        /* Windows-1252 */
    const char* tooltip;      /* Windows-1252 */
    HostIconRef icon;         /* from the icon suite, version 1; may be null */
    AIToolType sameGroupAs;   /* the tool whose toolbox group is joined, or kNoTool */
    AIToolType sameToolsetAs; /* the tool whose toolset (fly-out) is joined, or kNoTool */
} AIAddToolData;

/* Options of AddTool. */
enum { kToolWantsToTrackCursorOption = 1 };

/*
 * The toolbox: the host's own tools, other plug-ins' tools and the caller's. A tool is
 * owned by the host until it quits; its handle stays valid until then. The plug-in that
 * added a tool receives the "AI Tool" messages for it (selection, deselection, options,
 * cursor tracking when asked for, mouse down, drag and up). Names are Windows-1252. Any
 * message context.
 */
typedef struct AIToolSuite10 {
    /* Adds a tool named NAME, owned by PLUGIN, described by DATA, with OPTIONS
       (kToolWantsToTrackCursorOption). *tool receives its handle. The icon stays the
       caller's. Null name, data, title or tool, a name already in the toolbox, or a group
       or toolset number of no tool: kHostErrBadParameter. PLUGIN other than the caller's
       own reference: kHostErrBadHandle. */
    HostErr(HOST_API* AddTool)(HostPluginRef plugin, const char* name, const AIAddToolData* data,
                               int32_t options, HostToolHandle* tool);

    /* *number receives the number of the tool named NAME. Null arguments:
       kHostErrBadParameter. No tool of that name: kHostErrNotFound, *number untouched. */
    HostErr(HOST_API* GetToolNumberFromName)(const char* name, AIToolType* number);

    /* *number receives the number of TOOL. Null number: kHostErrBadParameter. A tool the
       host does not know: kHostErrBadHandle. */
    HostErr(HOST_API* GetToolNumberFromHandle)(HostToolHandle tool, AIToolType* number);

    /* The icon the toolbox shows while the pointer is over TOOL's button, a tool of the
       caller. The icon stays the caller's. Null icon or one the host does not know:
       kHostErrBadParameter. A tool the host does not know or of another plug-in:
       kHostErrBadHandle. */
    HostErr(HOST_API* SetToolRolloverIcon)(HostToolHandle tool, HostIconRef icon);

    /* Makes TOOL the current tool, as a click on its button: the tool that was current
       receives "AI Deselect" and TOOL "AI Select" (each only if a plug-in owns it), before
       this returns. Nothing happens when TOOL is already current. A tool the host does not
       know: kHostErrBadHandle. */
    HostErr(HOST_API* SetSelectedTool)(HostToolHandle tool);
} AIToolSuite10;

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

/*
 * Preferences the host keeps from one session to the next: typed values by PREFIX and KEY.
 * PREFIX groups a plug-in's keys (null or "" names the host's own keys); PREFIX and KEY are
 * Windows-1252, zero-terminated, and compared byte for byte. A key holds one value of one
 * type: a put replaces whatever was there, of any type. Every function may be called in any
 * message context; the host copies what it is given and keeps nothing of the caller's.
 */
typedef struct AIPreferenceSuite4 {
    /* *value receives 1 or 0 for the truth value stored under PREFIX and KEY. Nothing
       stored there, or a value of another type: kHostErrNotFound and *value untouched.
       Null KEY or VALUE: kHostErrBadParameter. */
    HostErr(HOST_API* GetBooleanPreference)(const char* prefix, const char* key, HostBool32* value);
    /* Stores VALUE (any non-zero is true) under PREFIX and KEY. Null KEY:
       kHostErrBadParameter. */
    HostErr(HOST_API* PutBooleanPreference)(const char* prefix, const char* key, HostBool32 value);

    /* *value receives the whole number stored under PREFIX and KEY. Nothing stored there,
       or a value of another type: kHostErrNotFound and *value untouched. Null KEY or VALUE:
       kHostErrBadParameter. */
    HostErr(HOST_API* GetIntegerPreference)(const char* prefix, const char* key, int32_t* value);
    /* Stores VALUE under PREFIX and KEY. Null KEY: kHostErrBadParameter. */
    HostErr(HOST_API* PutIntegerPreference)(const char* prefix, const char* key, int32_t value);

    /* *value receives the real stored under PREFIX and KEY, exactly as it was put (reals
       are 64-bit here, unlike HostReal). Nothing stored there, or a value of another type:
       kHostErrNotFound and *value untouched. Null KEY or VALUE: kHostErrBadParameter. */
    HostErr(HOST_API* GetRealPreference)(const char* prefix, const char* key, double* value);
    /* Stores VALUE under PREFIX and KEY. Null KEY, or VALUE infinite or not a number:
       kHostErrBadParameter and nothing stored. */
    HostErr(HOST_API* PutRealPreference)(const char* prefix, const char* key, double value);

    /* Copies the text stored under PREFIX and KEY into BUFFER (SIZE bytes, the caller's)
       as Windows-1252, zero-terminated; text longer than SIZE - 1 bytes is cut to fit and
       still answers kHostNoError. Nothing stored there, or a value of another type:
       kHostErrNotFound and BUFFER untouched. Null KEY or BUFFER, or SIZE 0:
       kHostErrBadParameter. */
    HostErr(HOST_API* GetStringPreference)(const char* prefix, const char* key, char* buffer,
                                           uint32_t size);
    /* Stores a copy of VALUE (Windows-1252, zero-terminated) under PREFIX and KEY. Null KEY
       or VALUE: kHostErrBadParameter. */
    HostErr(HOST_API* PutStringPreference)(const char* prefix, const char* key, const char* value);
} AIPreferenceSuite4;

#define kAIContextSuite "AI Context Suite"
#define kAIContextSuiteVersion 4

typedef struct AIContextSuite4 {
    /* Enters the application context of PLUGIN, for work done outside a message (in
       dialog procedures). Every push is paired with a PopAppContext of the same context. */
    HostErr(HOST_API* PushAppContext)(HostPluginRef plugin, HostAppContextRef* context);
    HostErr(HOST_API* PopAppContext)(HostAppContextRef context);
} AIContextSuite4;

#define kAICursorSnapSuite "AI Cursor Snap Suite"
#define kAICursorSnapSuiteVersion 3

#define kAIRuntimeSuite "AI Runtime Suite"
#define kAIRuntimeSuiteVersion 10

#define kAIURLSuite "AI URL Suite"
#define kAIURLSuiteVersion 1

typedef struct AIURLSuite1 {
    /* True when a web browser can be opened. */
    HostBool32(HOST_API* IsBrowserAvailable)(void);
    /* Opens URL (Windows-1252) in the browser. */
    HostErr(HOST_API* OpenURL)(const char* url);
} AIURLSuite1;

#ifdef __cplusplus
}
#endif

#endif
