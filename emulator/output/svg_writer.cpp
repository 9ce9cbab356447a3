#include "emulator/output/svg_writer.h"

#include <cmath>
#include <cstdio>

namespace emulator {

std::string SvgEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') {
            out += "\xE2\x90";
            out += static_cast<char>(0x80 + c);
            continue;
        }
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string SvgNumber(double value) {
    // Nothing drawn is placed at infinity: the picture stays readable.
    if (!std::isfinite(value)) value = 0;
    char text[400];  // the longest double written with three decimals fits
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string number = text;
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') number.pop_back();
    return number == "-0" ? "0" : number;
}

std::string SvgColour(uint8_t red, uint8_t green, uint8_t blue) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", red, green, blue);
    return text;
}

SvgAttributes& SvgAttributes::Add(const char* name, const std::string& value) {
    text_ += ' ';
    text_ += name;
    text_ += "=\"";
    text_ += SvgEscape(value);
    text_ += '"';
    return *this;
}

SvgWriter::SvgWriter(int width, int height) {
    Open("svg", SvgAttributes()
                    .Add("xmlns", "http://www.w3.org/2000/svg")
                    .Add("width", width)
                    .Add("height", height)
                    .Add("viewBox", "0 0 " + std::to_string(width) + ' ' + std::to_string(height)));
}

void SvgWriter::Start(const char* name, const SvgAttributes& attributes) {
    out_ << '<' << name << attributes.Text();
}

void SvgWriter::Element(const char* name, const SvgAttributes& attributes) {
    Start(name, attributes);
    out_ << "/>\n";
}

void SvgWriter::TextElement(const char* name, const SvgAttributes& attributes,
                            const std::string& text) {
    Start(name, attributes);
    out_ << '>' << SvgEscape(text) << "</" << name << ">\n";
}

void SvgWriter::Open(const char* name, const SvgAttributes& attributes) {
    Start(name, attributes);
    out_ << ">\n";
    open_.emplace_back(name);
}

void SvgWriter::Close() {
    out_ << "</" << open_.back() << ">\n";
    open_.pop_back();
}

std::string SvgWriter::Finish() {
    while (!open_.empty()) Close();
    return out_.str();
}

}  // namespace emulator
