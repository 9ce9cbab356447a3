// What the application keeps for the plug-in around the document: the cursor it set, the
// beeps it rang, the web pages it opened, the redraws it asked for and the application
// contexts it entered.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "emulator/models/resources/cursor_resource.h"
#include "emulator/models/tools/keyboard.h"

namespace emulator {

class Application {
  public:
    // The cursor resource ID the plug-in set; its picture, when the plug-in carries one,
    // comes after it, so that a damaged resource still leaves the cursor set.
    void SetCursor(int32_t id) {
        cursor_ = id;
        cursorPicture_.reset();
    }
    void SetCursorPicture(std::optional<CursorImage> picture) {
        cursorPicture_ = std::move(picture);
    }
    std::optional<int32_t> Cursor() const { return cursor_; }
    const std::optional<CursorImage>& CursorPicture() const { return cursorPicture_; }

    void Beep(BeepSound sound) { beeps_.push_back(sound); }
    const std::vector<BeepSound>& Beeps() const { return beeps_; }

    void OpenPage(std::string utf8Address) { pagesOpened_.push_back(std::move(utf8Address)); }
    const std::vector<std::string>& PagesOpened() const { return pagesOpened_; }

    void RequestRedraw() { ++redrawsRequested_; }
    int64_t RedrawsRequested() const { return redrawsRequested_; }

    // Contexts nest: entering answers the depth reached, which is the context's identity.
    int64_t EnterContext() { return ++contextDepth_; }
    // False, and nothing left, unless DEPTH is the innermost context.
    bool LeaveContext(int64_t depth) {
        if (depth != contextDepth_ || contextDepth_ == 0) return false;
        --contextDepth_;
        return true;
    }

  private:
    std::optional<int32_t> cursor_;
    std::optional<CursorImage> cursorPicture_;
    std::vector<BeepSound> beeps_;
    std::vector<std::string> pagesOpened_;
    int64_t redrawsRequested_ = 0;
    int64_t contextDepth_ = 0;
};

}  // namespace emulator
