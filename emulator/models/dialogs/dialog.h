// The dialog manager's objects: dialogs, their items, lists and entries, and what a
// drawing procedure drew.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/adm.h"

namespace emulator {

// One drawing operation, in the coordinates of what was drawn (dialog or item).
struct DrawOp {
    explicit DrawOp(std::string name = {}) : op(std::move(name)) {}

    std::string op;  // "line", "rect", "fill", "clear", "text", "text-centred", "picture", "items"
    std::array<int32_t, 4> coords{};  // line: h1 v1 h2 v2; rectangles: l t r b; text: h v
    int32_t color = 0;
    int32_t font = 0;
    std::string text;     // UTF-8
    int32_t picture = 0;  // the resource number of a picture
};

struct List;

struct Entry {
    List* list = nullptr;
    int32_t id = 0;
    std::string text;  // UTF-8
    bool enabled = true;
    bool checked = false;
    bool separator = false;
};

struct List {
    std::vector<std::unique_ptr<Entry>> entries;
    Entry* active = nullptr;

    int32_t IndexOf(const Entry* entry) const;
};

struct Dialog;

struct Item {
    Dialog* dialog = nullptr;
    int32_t id = 0;
    std::string type;
    HostRect rect{};
    std::string text;  // UTF-8
    float value = 0;
    bool hasValue = false;  // a text item shows its value once one is set
    bool on = false;        // check boxes, radio and picture buttons
    int32_t units = 0;
    int32_t precision = 0;
    std::optional<float> minimum;
    std::optional<float> maximum;
    float smallStep = 1;
    float largeStep = 10;
    bool enabled = true;
    bool shown = true;
    std::string tip;
    int32_t picture = 0;
    int32_t selectedPicture = 0;
    int32_t font = 0;
    int32_t justify = 0;
    int32_t style = 0;
    int32_t foreColor = 0;
    int32_t options = 0;
    bool wantsFocus = false;
    bool textSelected = false;
    ADMItemNotifyProc notifyProc = nullptr;
    ADMItemDrawProc drawProc = nullptr;
    ADMItemTrackProc trackProc = nullptr;
    std::unique_ptr<List> list;   // popups and the flyout menu
    std::vector<DrawOp> drawing;  // what its own drawing procedure drew last

    bool IsNumeric() const;
    bool IsPushButton() const;
    // The value or text as the user sees it.
    std::string ShownText() const;
    // Keeps VALUE within the item's bounds.
    float Clamp(float candidate) const;
};

struct Dialog {
    std::string name;
    bool modal = false;
    int32_t resourceId = 0;
    int32_t style = 0;
    std::string title;  // UTF-8
    bool visible = false;
    HostRect bounds{};  // on screen
    std::string dockGroup;
    std::optional<int32_t> dockCode;
    std::array<int32_t, 2> icons{};  // picture resources of the tab icons, 0 for none
    ADMDialogDrawProc drawProc = nullptr;
    std::vector<std::unique_ptr<Item>> items;
    Item* focused = nullptr;
    std::vector<DrawOp> drawing;  // the last drawing of the dialog
    bool dirty = true;
    std::optional<int32_t> closedBy;  // modal dialogs: the item that closed it

    // The first item numbered ID, or null.
    Item* Find(int32_t id) const;
    // The last item numbered ID: the one on top, which the user's click reaches.
    Item* Topmost(int32_t id) const;
};

}  // namespace emulator
