// What each argument of an action is: its kind (what it stands for, hence how its words are
// read and what a driver that makes up lines puts there), how the usage shows it, and
// whether it may be left out. An action's usage is written from its arguments, and a line's
// words are matched against them before the action reads them, so neither can disagree
// with the other.
#pragma once

#include <string>
#include <vector>

namespace emulator {

enum class ArgumentKind {
    kPoint,             // X Y: a point of the artwork, in points, vertical axis up
    kPoints,            // X1 Y1 X2 Y2 ...: the corners of a path, two at least
    kDistance,          // a distance along one axis of the artwork, in points
    kPixels,            // a whole number of pixels on screen
    kWindowSide,        // a window's width or height, in pixels
    kZoom,              // pixels per point
    kPathNumber,        // the N-th path of the document, from 1
    kLayerTitle,        // the title of a layer of the document
    kNewLayerTitle,     // the title of a layer the action adds
    kDrawingFile,       // the name of a drawing file the user saves or opens
    kItem,              // the number of an item of a dialog: Argument::where and ::control
    kPopupEntry,        // an entry, from 0, of the popup the argument before names
    kFlyoutEntry,       // an entry, from 0, of the panel's flyout menu
    kSliderValue,       // a value of the slider the argument before names
    kTypedText,         // what the user types in a field
    kToolTitle,         // a tool's name
    kMenuGroup,         // a menu group's name
    kMenuItemText,      // the text of a menu item
    kPreferencePrefix,  // a plug-in's prefix of its keys, `-` for the host's own
    kPreferenceKey,     // a key under the prefix before
    kPreferenceValue,   // two words: its type, one of Argument::words, then the value
    kWord,              // one of Argument::words
    kText,              // any other text
    kWholeNumber,       // any other whole number
};

// How the words of a kind are read.
enum class ArgumentForm { kText, kWhole, kReal, kSingle, kPoint, kPoints, kPreference };
ArgumentForm FormOf(ArgumentKind kind);

// The dialog whose items an item number names.
enum class Where { kPanel, kModalDialog };

// The items an item number is meant for: the user types in fields, picks in popups...
enum class Control { kAny, kClickable, kField, kPopup, kSlider, kPushButton, kCheckBox };

enum class Presence {
    kRequired,
    kOptional,      // may be left out: in brackets in the usage
    kWithPrevious,  // there exactly when the argument before is, in the same brackets
};

struct Argument {
    ArgumentKind kind = ArgumentKind::kText;
    std::string shown{};  // in the usage: "N", "X Y"; a kWord's words joined by |
    bool quoted = false;
    Presence presence = Presence::kRequired;
    std::vector<std::string> words{};  // kWord; kPreferenceValue: the types
    Where where = Where::kPanel;       // kItem
    Control control = Control::kAny;   // kItem
};

// An argument the usage shows as SHOWN.
Argument Bare(ArgumentKind kind, const std::string& shown);
// One the usage shows in double quotes: a text that may hold spaces.
Argument Quoted(ArgumentKind kind, const std::string& shown);
// One of WORDS.
Argument OneOf(const std::vector<std::string>& words);
// A type of TYPES, then a value of that type.
Argument TypedValue(const std::vector<std::string>& types);
// The number of an item of the dialog WHERE, meant for CONTROL.
Argument ItemOf(Where where, Control control);
Argument Optional(Argument argument);
Argument WithPrevious(Argument argument);

// "NAME ARGUMENT...", as the usage of an action.
std::string UsageOf(const std::string& name, const std::vector<Argument>& arguments);

}  // namespace emulator
