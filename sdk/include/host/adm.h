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

/* Item types, by name. */
#define kADMPictureStaticType "ADM Picture Static Type"
#define kADMPicturePushButtonType "ADM Picture Push Button Type"
#define kADMPictureRadioButtonType "ADM Picture Radio Button Type"
#define kADMPopupListType "ADM Popup List Type"
#define kADMSpinEditType "ADM Spin Edit Type"
#define kADMSliderType "ADM Slider Type"
#define kADMTextStaticType "ADM Text Static Type"
#define kADMTextStaticMultiLineType "ADM Text Static Multi Line Type"
#define kADMTextPushButtonType "ADM Text Push Button Type"
#define kADMTextCheckBoxType "ADM Text Check Box Type"

/* Notification types an item's notify procedure receives. */
#define kADMUserChangedNotifier "ADM User Changed Notifier"
#define kADMCloseHitNotifier "ADM Close Hit Notifier"

/* The dialog's own flyout menu, an item of every floating dialog. */
#define kADMMenuItemID (-5)

/* Dialog styles. */
enum { kADMModalDialogStyle = 0, kADMTabbedFloatingDialogStyle = 3 };

/* Units of numeric items: values are kept in points and shown in the unit. */
enum {
    kADMNoUnits = 0,
    kADMPointUnits = 1,
    kADMInchUnits = 2,
    kADMMillimeterUnits = 3,
    kADMCentimeterUnits = 4
};

/* Procedures the plug-in attaches. The dialog manager calls them directly, not through
   PluginMain, on the user-interface thread. */
typedef HostErr(HOST_API* ADMDialogInitProc)(HostDialogRef dialog);
typedef void(HOST_API* ADMDialogDrawProc)(HostDialogRef dialog, HostDrawerRef drawer);
typedef void(HOST_API* ADMItemNotifyProc)(HostItemRef item, HostDialogNotifierRef notifier);
typedef void(HOST_API* ADMItemDrawProc)(HostItemRef item, HostDrawerRef drawer);
/* Answers true when the tracking ends in a click. */
typedef HostBool32(HOST_API* ADMItemTrackProc)(HostItemRef item, HostTrackerRef tracker);

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

    /* The bounds of the main screen, in screen pixels. */
    void(HOST_API* GetScreenDimensions)(HostRect* bounds);
} ADMBasicSuite11;

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 10

typedef struct ADMDialogSuite10 {
    /* Makes the floating dialog NAME from dialog resource DIALOGID of PLUGIN and runs
       INITPROC on it before answering. The dialog lives until Destroy. Null when the
       resource is missing. */
    HostDialogRef(HOST_API* Create)(HostPluginRef plugin, const char* name, int32_t dialogId,
                                    int32_t style, ADMDialogInitProc initProc, void* userData,
                                    int32_t options);

    /* Makes the modal dialog NAME, runs INITPROC, then runs the dialog until an item closes
       it; answers that item's number (-1 when it could not be shown). The dialog is
       destroyed before Modal returns. */
    int32_t(HOST_API* Modal)(HostPluginRef plugin, const char* name, int32_t dialogId,
                             int32_t style, ADMDialogInitProc initProc, void* userData,
                             int32_t options);

    /* Destroys DIALOG and its items; every reference into it is invalid afterwards. */
    void(HOST_API* Destroy)(HostDialogRef dialog);

    void(HOST_API* SetDrawProc)(HostDialogRef dialog, ADMDialogDrawProc drawProc);
    /* Draws the dialog's frame and items as the dialog manager would by itself. */
    void(HOST_API* DefaultDraw)(HostDialogRef dialog, HostDrawerRef drawer);

    /* The title, Windows-1252. */
    void(HOST_API* SetText)(HostDialogRef dialog, const char* text);

    /* Adds an item of ITEMTYPE (one of the kADM...Type names) numbered ITEMID at RECT
       (dialog pixels). Several items may share a number; lookups find the first. */
    HostItemRef(HOST_API* CreateItem)(HostDialogRef dialog, int32_t itemId, const char* itemType,
                                      const HostRect* rect, void* userData, int32_t options);

    /* The first item numbered ITEMID (kADMMenuItemID: the flyout menu), or null. */
    HostItemRef(HOST_API* GetItem)(HostDialogRef dialog, int32_t itemId);

    void(HOST_API* Show)(HostDialogRef dialog, HostBool32 show);
    HostBool32(HOST_API* IsVisible)(HostDialogRef dialog);

    /* Where the dialog stands on screen, in screen pixels. */
    void(HOST_API* GetBoundsRect)(HostDialogRef dialog, HostRect* bounds);
    void(HOST_API* SetBoundsRect)(HostDialogRef dialog, const HostRect* bounds);

    /* The dialog's size as a rectangle from (0, 0). Setting it resizes the dialog. */
    void(HOST_API* GetLocalRect)(HostDialogRef dialog, HostRect* rect);
    void(HOST_API* SetLocalRect)(HostDialogRef dialog, const HostRect* rect);

    /* Asks for the dialog to be drawn again; the dialog manager draws it when idle. */
    void(HOST_API* Invalidate)(HostDialogRef dialog);

    /* The icon KIND (0 normal, 1 highlighted) the dialog shows in its tab. */
    void(HOST_API* SetIcon)(HostDialogRef dialog, int32_t kind, HostIconRef icon);

    /* Sends NOTIFIERTYPE (such as kADMCloseHitNotifier) to the dialog, as the user's
       action on its frame would: a close hit hides a floating dialog. */
    void(HOST_API* SendNotify)(HostDialogRef dialog, const char* notifierType);
} ADMDialogSuite10;

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 7

typedef struct ADMItemSuite7 {
    HostDialogRef(HOST_API* GetDialog)(HostItemRef item);
    int32_t(HOST_API* GetID)(HostItemRef item);

    void(HOST_API* SetNotifyProc)(HostItemRef item, ADMItemNotifyProc notifyProc);
    /* The item's own handling of NOTIFIER: closing the modal dialog for its default (1)
       and cancel (2) buttons; nothing for other items. */
    void(HOST_API* DefaultNotify)(HostItemRef item, HostDialogNotifierRef notifier);
    void(HOST_API* SetDrawProc)(HostItemRef item, ADMItemDrawProc drawProc);
    void(HOST_API* DefaultDraw)(HostItemRef item, HostDrawerRef drawer);
    void(HOST_API* SetTrackProc)(HostItemRef item, ADMItemTrackProc trackProc);
    /* The button's own tracking: true when it ends in a click, which then notifies. */
    HostBool32(HOST_API* DefaultTrack)(HostItemRef item, HostTrackerRef tracker);

    /* Text shown by text items, Windows-1252. Numeric items show their value instead. */
    void(HOST_API* SetText)(HostItemRef item, const char* text);
    /* Copies the text as shown (numeric items: the value in its unit), cut to SIZE. */
    void(HOST_API* GetText)(HostItemRef item, char* buffer, uint32_t size);

    /* Numeric values. A float value is in points for items with units. */
    void(HOST_API* SetFloatValue)(HostItemRef item, float value);
    float(HOST_API* GetFloatValue)(HostItemRef item);
    void(HOST_API* SetIntValue)(HostItemRef item, int32_t value);
    int32_t(HOST_API* GetIntValue)(HostItemRef item);
    void(HOST_API* SetBooleanValue)(HostItemRef item, HostBool32 value);
    HostBool32(HOST_API* GetBooleanValue)(HostItemRef item);

    void(HOST_API* SetUnits)(HostItemRef item, int32_t units);
    void(HOST_API* SetPrecision)(HostItemRef item, int32_t decimals);
    void(HOST_API* SetMinFloatValue)(HostItemRef item, float value);
    void(HOST_API* SetMaxFloatValue)(HostItemRef item, float value);
    void(HOST_API* SetSmallIncrement)(HostItemRef item, float increment);
    void(HOST_API* SetLargeIncrement)(HostItemRef item, float increment);

    void(HOST_API* Enable)(HostItemRef item, HostBool32 enable);
    HostBool32(HOST_API* IsEnabled)(HostItemRef item);
    void(HOST_API* Show)(HostItemRef item, HostBool32 show);
    HostBool32(HOST_API* IsVisible)(HostItemRef item);

    /* The tip shown when the pointer rests on the item, Windows-1252. */
    void(HOST_API* SetTipString)(HostItemRef item, const char* tip);

    /* Pictures of picture items: resource numbers of the plug-in's bitmaps or PNG images;
       the selected picture is shown while the item is pressed or on. */
    void(HOST_API* SetPictureID)(HostItemRef item, int32_t pictureId);
    void(HOST_API* SetSelectedPictureID)(HostItemRef item, int32_t pictureId);

    /* Dialog-manager codes for the look of an item. */
    void(HOST_API* SetFont)(HostItemRef item, int32_t font);
    void(HOST_API* SetJustify)(HostItemRef item, int32_t justify);
    void(HOST_API* SetItemStyle)(HostItemRef item, int32_t style);
    void(HOST_API* SetForeColor)(HostItemRef item, int32_t color);
    void(HOST_API* SetItemOptions)(HostItemRef item, int32_t options);
    /* Whether the item takes the keyboard focus when clicked or tabbed to. */
    void(HOST_API* SetWantsFocus)(HostItemRef item, HostBool32 wantsFocus);

    /* Moves the item's top-left corner to (H, V), dialog pixels. */
    void(HOST_API* Move)(HostItemRef item, int32_t h, int32_t v);
    void(HOST_API* GetBoundsRect)(HostItemRef item, HostRect* rect);

    /* Gives the item the keyboard focus, or takes it away. */
    void(HOST_API* Activate)(HostItemRef item, HostBool32 activate);
    /* Selects all the text of an edit item. */
    void(HOST_API* SelectAll)(HostItemRef item);

    void(HOST_API* Invalidate)(HostItemRef item);

    /* The list of a popup or of the flyout menu item; null for items without one. */
    HostListRef(HOST_API* GetList)(HostItemRef item);
} ADMItemSuite7;

/* Version 1 loads icons for the tool, version 2 pictures for dialogs. */
#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion1 1
#define kADMIconSuiteVersion2 2

/* The type GetType answers for an icon whose resource could not be found. */
enum { kADMUnknownIconType = 7 };

typedef struct ADMIconSuite1 {
    /* The icon resource ICONID of PLUGIN (a Windows group icon, as the toolbox shows it). A
       missing resource still gives an icon, of type kADMUnknownIconType. The caller owns it
       until Destroy. */
    HostIconRef(HOST_API* GetFromResource)(HostPluginRef plugin, int32_t iconId);
    int32_t(HOST_API* GetType)(HostIconRef icon);
    void(HOST_API* Destroy)(HostIconRef icon);
} ADMIconSuite1;

typedef struct ADMIconSuite2 {
    /* The picture resource ICONID of PLUGIN (a bitmap or PNG image). A missing resource
       still gives an icon, of type kADMUnknownIconType. The caller owns it until Destroy;
       an icon given to a dialog with SetIcon belongs to the dialog from then on. */
    HostIconRef(HOST_API* GetFromResource)(HostPluginRef plugin, int32_t iconId);
    int32_t(HOST_API* GetType)(HostIconRef icon);
    /* Gives the icon back; it must not be in use by a dialog. */
    void(HOST_API* Destroy)(HostIconRef icon);
} ADMIconSuite2;

#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion 2

/* What a tracked button reports: the mouse button released over it, a click. */
enum { kADMClickAction = 2 };
/* The modifier key TestModifier asks about: SHIFT. */
enum { kADMShiftModifier = 32 };

/* A tracker is lent to an item's track procedure for the length of that call only. */
typedef struct ADMTrackerSuite2 {
    /* What the mouse did (kADMClickAction for a click); 0 for an unknown tracker. */
    int32_t(HOST_API* GetAction)(HostTrackerRef tracker);
    /* True when the modifier key MODIFIER (kADMShiftModifier) was down during the
       tracking; false for an unknown tracker. */
    HostBool32(HOST_API* TestModifier)(HostTrackerRef tracker, int32_t modifier);
} ADMTrackerSuite2;

#define kADMDrawerSuite "ADM Drawer Suite"
#define kADMDrawerSuiteVersion 7

/* Colour codes of the drawer. */
enum { kADMBlackColor = 0, kADMWhiteColor = 1, kADMButtonFaceColor = 5, kADMShadowColor = 6 };

typedef struct ADMDrawerSuite7 {
    void(HOST_API* SetADMColor)(HostDrawerRef drawer, int32_t color);
    void(HOST_API* SetFont)(HostDrawerRef drawer, int32_t font);
    /* A line from (H1, V1) to (H2, V2), in the coordinates of what is drawn. */
    void(HOST_API* DrawLine)(HostDrawerRef drawer, int32_t h1, int32_t v1, int32_t h2, int32_t v2);
    /* The outline of RECT. */
    void(HOST_API* DrawRect)(HostDrawerRef drawer, const HostRect* rect);
    void(HOST_API* FillRect)(HostDrawerRef drawer, const HostRect* rect);
    /* Paints RECT with the background colour. */
    void(HOST_API* ClearRect)(HostDrawerRef drawer, const HostRect* rect);
    /* TEXT (Windows-1252) with its baseline starting at (H, V). */
    void(HOST_API* DrawText)(HostDrawerRef drawer, const char* text, int32_t h, int32_t v);
    /* TEXT centred in RECT. */
    void(HOST_API* DrawTextCentered)(HostDrawerRef drawer, const char* text, const HostRect* rect);
    /* The picture ICON with its top-left corner at (H, V). */
    void(HOST_API* DrawIcon)(HostDrawerRef drawer, HostIconRef icon, int32_t h, int32_t v);
} ADMDrawerSuite7;

#define kADMDialogGroupSuite "ADM Dialog Group Suite"
#define kADMDialogGroupSuiteVersion 1

typedef struct ADMDialogGroupSuite1 {
    /* Docks DIALOG in the group GROUPNAME (Windows-1252) with the placement CODE. */
    HostErr(HOST_API* SetDialogGroupInfo)(HostDialogRef dialog, const char* groupName,
                                          int32_t code);
} ADMDialogGroupSuite1;

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1

typedef struct ADMListSuite1 {
    /* Fills the list from menu resource MENUID of PLUGIN (its first popup), replacing
       what it held. */
    HostErr(HOST_API* SetMenuID)(HostListRef list, HostPluginRef plugin, int32_t menuId);
    int32_t(HOST_API* NumberOfEntries)(HostListRef list);
    /* The entry at INDEX (from 0), or null. */
    HostEntryRef(HOST_API* IndexEntry)(HostListRef list, int32_t index);
    /* The first entry whose ID is ENTRYID, or null. */
    HostEntryRef(HOST_API* FindEntry)(HostListRef list, int32_t entryId);
    /* The selected entry, or null. */
    HostEntryRef(HOST_API* GetActiveEntry)(HostListRef list);
    /* Adds an empty entry at INDEX (the end when INDEX is the number of entries). */
    HostEntryRef(HOST_API* InsertEntry)(HostListRef list, int32_t index);
} ADMListSuite1;

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2

typedef struct ADMEntrySuite2 {
    int32_t(HOST_API* GetIndex)(HostEntryRef entry);
    void(HOST_API* SetID)(HostEntryRef entry, int32_t entryId);
    int32_t(HOST_API* GetID)(HostEntryRef entry);
    void(HOST_API* SetText)(HostEntryRef entry, const char* text);
    void(HOST_API* GetText)(HostEntryRef entry, char* buffer, uint32_t size);
    void(HOST_API* Enable)(HostEntryRef entry, HostBool32 enable);
    HostBool32(HOST_API* IsEnabled)(HostEntryRef entry);
    void(HOST_API* Check)(HostEntryRef entry, HostBool32 check);
    HostBool32(HOST_API* IsChecked)(HostEntryRef entry);
    /* Makes ENTRY the list's selected entry (or no longer selected). */
    void(HOST_API* Select)(HostEntryRef entry, HostBool32 select);
    void(HOST_API* MakeSeparator)(HostEntryRef entry, HostBool32 separator);
} ADMEntrySuite2;

#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion 2

typedef struct ADMNotifierSuite2 {
    /* True when NOTIFIER is of TYPE (such as kADMUserChangedNotifier). */
    HostBool32(HOST_API* IsNotifierType)(HostDialogNotifierRef notifier, const char* type);
} ADMNotifierSuite2;

#ifdef __cplusplus
}
#endif

#endif
