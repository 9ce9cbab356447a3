/*
 * The dialog manager: dialogs, items, lists, drawing, icons, alerts and cursors.
 * A suite with no function declared here has an empty table.
 */
#ifndef HOST_ADM_H
#define HOST_ADM_H

#include "host/types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMBasicSuite "ADM Basic Suite"
#define kADMBasicSuiteVersion 11

typedef struct ADMBasicSuite11 {
    /* Shows TEXT (Windows-1252, zero-terminated) in a modal error alert with an OK button
       and returns when the user has answered it. The host copies the text. */
    void(HOST_API* ErrorAlert)(const char* text);

    /* Shows TEXT in a modal message alert with an OK button; returns when answered. */
    void(HOST_API* MessageAlert)(const char* text);

    /* Shows the cursor resource CURSORID of PLUGIN's resources. */
    HostErr(HOST_API* SetPlatformCursor)(HostPluginRef plugin, int32_t cursorId);
} ADMBasicSuite11;

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 10

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 7

/* Version 1 loads icons for the tool, version 2 pictures for dialogs. */
#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion1 1
#define kADMIconSuiteVersion2 2

#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion 2

#define kADMDrawerSuite "ADM Drawer Suite"
#define kADMDrawerSuiteVersion 7

#define kADMDialogGroupSuite "ADM Dialog Group Suite"
#define kADMDialogGroupSuiteVersion 1

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2

#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion 2

#ifdef __cplusplus
}
#endif

#endif
