// What the program writes to a terminal: text that comes from input (an action line, a file
// name) may hold control characters, which a terminal would obey (retitle the window, clear
// the screen, move the cursor). They are shown escaped instead.
#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace emulator {

// TEXT with every control character but the line feed and the tab written as \xNN: the C0
// controls, DEL, and the C1 controls as UTF-8 encodes them (two bytes, both escaped).
std::string TerminalText(std::string_view text);

// A stream buffer that passes what it is given to TARGET escaped as TerminalText does,
// also when a two-byte control is split between two writes.
class TerminalTextBuffer : public std::streambuf {
  public:
    explicit TerminalTextBuffer(std::streambuf* target) : target_(target) {}
    ~TerminalTextBuffer() override;

  protected:
    int_type overflow(int_type byte) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

  private:
    void Put(std::string_view text);

    std::streambuf* target_;
    bool leadHeld_ = false;  // the first byte of a possible C1 control came last
};

// From here on, what std::cerr writes reaches standard error escaped. Undone when the answer
// goes out of scope.
class EscapedStandardError {
  public:
    EscapedStandardError();
    ~EscapedStandardError();
    EscapedStandardError(const EscapedStandardError&) = delete;
    EscapedStandardError& operator=(const EscapedStandardError&) = delete;

  private:
    std::streambuf* original_;
    std::unique_ptr<TerminalTextBuffer> escaping_;
};

}  // namespace emulator
