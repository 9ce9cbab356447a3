/*
 * Messages: the host calls the plug-in's PluginMain(caller, selector, message). Every
 * message record begins with SPMessageData; each caller's record adds its own fields.
 * The host owns the record; it is valid for the one call.
 */
#ifndef HOST_MESSAGES_H
#define HOST_MESSAGES_H

#include "host/basic.h"
#include "host/types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The header of every message. */
typedef struct SPMessageData {
    int32_t checkWord;   /* the host's own marker; plug-ins do not read it */
    HostPluginRef self;  /* this plug-in, passed back when it adds menus, tools... */
    void* globals;       /* kept by the host while the plug-in is unloaded */
    SPBasicSuite* basic; /* the basic suite, valid for the call */
} SPMessageData;

/* The value of checkWord in every message the host sends. */
#define kHostCheckWord HOST_FOURCC('S', 'P', 'C', 'K')

/* The plug-in's entry point, exported as "PluginMain". */
typedef HostErr(HOST_API* PluginMainProc)(const char* caller, const char* selector, void* message);

/* Life cycle: load and unload of the plug-in's code. Record: SPAccessMessage. */
#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"

typedef struct SPAccessMessage {
    SPMessageData d;
} SPAccessMessage;

/* Start-up, shut-down and the About box. Record: SPInterfaceMessage. */
#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kSPInterfaceAboutSelector "About"

typedef struct SPInterfaceMessage {
    SPMessageData d;
} SPInterfaceMessage;

/* Menu commands. Record: AIMenuMessage. */
#define kCallerAIMenu "AI Menu"
#define kSelectorAIGoMenuItem "AI Go"
#define kSelectorAIUpdateMenuItem "AI Update"

typedef struct AIMenuMessage {
    SPMessageData d;
    HostMenuItemHandle menuItem; /* the item chosen */
} AIMenuMessage;

/* Tool messages. Record: AIToolMessage. */
#define kCallerAITool "AI Tool"
#define kSelectorAIEditToolOptions "AI Edit Options"
#define kSelectorAITrackToolCursor "AI Track Cursor"
#define kSelectorAIToolMouseDown "AI Mouse Down"
#define kSelectorAIToolMouseDrag "AI Mouse Drag"
#define kSelectorAIToolMouseUp "AI Mouse Up"
#define kSelectorAISelectTool "AI Select"
#define kSelectorAIDeselectTool "AI Deselect"

/* Modifier keys held during a tool message. */
enum { kHostShiftKey = 1, kHostOptionKey = 2, kHostCommandKey = 4 };

typedef struct AIToolMessage {
    SPMessageData d;
    HostToolHandle tool;  /* the tool the message is for */
    HostRealPoint cursor; /* artwork coordinates of the pointer */
    HostReal pressure;    /* 1 for a mouse */
    int32_t modifiers;    /* kHostShiftKey | kHostOptionKey | kHostCommandKey */
} AIToolMessage;

/* Notifications. Record: AINotifierMessage. */
#define kCallerAINotify "AI Notifier"
#define kSelectorAINotify "AI Notify"

typedef struct AINotifierMessage {
    SPMessageData d;
    HostNotifierHandle notifier; /* the notifier that fired */
    const char* type;            /* its type, as the notifier was added */
    void* notifyData;            /* type-specific; null for the types this SDK declares */
} AINotifierMessage;

/* Annotation drawing. Record: AIAnnotatorMessage. */
#define kCallerAIAnnotation "AI Annotation"
#define kSelectorAIDrawAnnotation "AI Draw"

typedef struct AIAnnotatorMessage {
    SPMessageData d;
    HostAnnotatorHandle annotator; /* the annotator asked to draw */
    HostDocumentViewHandle view;   /* the view being drawn */
    HostDrawerRef drawer;          /* the annotation-drawing context, valid for the call */
    HostRect invalidRect;          /* the part of the view to redraw, view pixels */
} AIAnnotatorMessage;

#ifdef __cplusplus
}
#endif

#endif
