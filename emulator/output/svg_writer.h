// Writes SVG pictures: elements with their attributes in the order given, text escaped so
// that the file is always well-formed XML, numbers in one short form.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace emulator {

// Text as XML character data or attribute value. A control character XML does not allow
// (all below a space but tab and line feed) is shown as its control picture, U+2400 and up.
std::string SvgEscape(const std::string& text);

// A number as SVG writes it: a whole number without a decimal point, a real with at most
// three decimals and no trailing zero.
std::string SvgNumber(double value);

// A colour "#rrggbb" from components 0 to 255.
std::string SvgColour(uint8_t red, uint8_t green, uint8_t blue);

class SvgAttributes {
  public:
    SvgAttributes& Add(const char* name, const std::string& value);
    SvgAttributes& Add(const char* name, const char* value) {
        return Add(name, std::string(value));
    }
    SvgAttributes& Add(const char* name, int value) { return Add(name, std::to_string(value)); }
    SvgAttributes& Add(const char* name, double value) { return Add(name, SvgNumber(value)); }

    const std::string& Text() const { return text_; }

  private:
    std::string text_;  // each attribute with its leading space
};

class SvgWriter {
  public:
    // Opens a picture of WIDTH by HEIGHT pixels.
    SvgWriter(int width, int height);

    // <NAME ATTRIBUTES/>
    void Element(const char* name, const SvgAttributes& attributes);
    // <NAME ATTRIBUTES>TEXT</NAME>
    void TextElement(const char* name, const SvgAttributes& attributes, const std::string& text);
    // <NAME ATTRIBUTES>, which the next Close ends.
    void Open(const char* name, const SvgAttributes& attributes = {});
    void Close();

    // The whole picture: every element still open is closed.
    std::string Finish();

  private:
    void Start(const char* name, const SvgAttributes& attributes);

    std::ostringstream out_;
    std::vector<std::string> open_;
};

}  // namespace emulator
