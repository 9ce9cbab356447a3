#include "emulator/common/terminal_text.h"

#include <iostream>

namespace emulator {
namespace {

// UTF-8 writes the C1 controls U+0080 to U+009F as this byte followed by 0x80 to 0x9F.
constexpr unsigned char kC1Lead = 0xC2;

bool IsC0OrDelete(unsigned char byte) {
    return (byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F;
}

bool IsC1Trail(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F;
}

void AppendEscaped(std::string& out, unsigned char byte) {
    constexpr char kDigits[] = "0123456789abcdef";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}

// Escapes TEXT onto OUT; LEAD_HELD says a C1 lead byte came just before TEXT and was held
// back, and says on return whether TEXT's last byte is one.
void Escape(std::string_view text, bool& leadHeld, std::string& out) {
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (leadHeld) {
            leadHeld = false;
            if (IsC1Trail(byte)) {
                AppendEscaped(out, kC1Lead);
                AppendEscaped(out, byte);
                continue;
            }
            out += static_cast<char>(kC1Lead);
        }
        if (byte == kC1Lead)
            leadHeld = true;
        else if (IsC0OrDelete(byte))
            AppendEscaped(out, byte);
        else
            out += c;
    }
}

}  // namespace

std::string TerminalText(std::string_view text) {
    std::string out;
    bool leadHeld = false;
    Escape(text, leadHeld, out);
    if (leadHeld) out += static_cast<char>(kC1Lead);
    return out;
}

TerminalTextBuffer::~TerminalTextBuffer() {
    if (leadHeld_) target_->sputc(static_cast<char>(kC1Lead));
    target_->pubsync();
}

void TerminalTextBuffer::Put(std::string_view text) {
    std::string out;
    Escape(text, leadHeld_, out);
    target_->sputn(out.data(), static_cast<std::streamsize>(out.size()));
}

TerminalTextBuffer::int_type TerminalTextBuffer::overflow(int_type byte) {
    if (traits_type::eq_int_type(byte, traits_type::eof())) return traits_type::not_eof(byte);
    char c = traits_type::to_char_type(byte);
    Put(std::string_view(&c, 1));
    return byte;
}

std::streamsize TerminalTextBuffer::xsputn(const char* bytes, std::streamsize count) {
    Put(std::string_view(bytes, static_cast<size_t>(count)));
    return count;
}

int TerminalTextBuffer::sync() {
    return target_->pubsync();
}

EscapedStandardError::EscapedStandardError()
    : original_(std::cerr.rdbuf()), escaping_(std::make_unique<TerminalTextBuffer>(original_)) {
    std::cerr.rdbuf(escaping_.get());
}

EscapedStandardError::~EscapedStandardError() {
    std::cerr.rdbuf(original_);
}

}  // namespace emulator
