#include "emulator/models/drawing_file/drawing_file_reader.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <pugixml.hpp>
#include <set>
#include <system_error>
#include <vector>

#include "emulator/common/safe_file.h"
#include "emulator/common/text_encoding.h"
#include "emulator/models/drawing_file/drawing_file_format.h"
#include "host/ai_art.h"

namespace emulator {
namespace {

using namespace drawing_file;

[[noreturn]] void Refuse(const std::string& reason) {
    throw DrawingFileError("not a drawing file: " + reason);
}

// The attributes of one element, each known to the format and given once.
class Attributes {
  public:
    Attributes(const pugi::xml_node& element, std::set<std::string> allowed) {
        for (const pugi::xml_attribute& attribute : element.attributes()) {
            std::string name = attribute.name();
            if (!allowed.contains(name))
                Refuse("<" + std::string(element.name()) + "> has an unknown attribute " + name);
            if (!values_.emplace(name, attribute.value()).second)
                Refuse("<" + std::string(element.name()) + "> has " + name + " twice");
        }
        element_ = element.name();
    }

    std::optional<std::string> Find(const std::string& name) const {
        auto found = values_.find(name);
        if (found == values_.end()) return std::nullopt;
        return found->second;
    }

    std::string Required(const std::string& name) const {
        std::optional<std::string> value = Find(name);
        if (!value) Refuse("<" + element_ + "> lacks " + name);
        return *value;
    }

    // An attribute written only when true.
    bool Flag(const std::string& name) const {
        std::optional<std::string> value = Find(name);
        if (value && *value != "true") Refuse(name + " is \"" + *value + "\", not \"true\"");
        return value.has_value();
    }

    // The value of NAME, which must be EXPECTED.
    void Expect(const std::string& name, const std::string& expected) const {
        std::string value = Required(name);
        if (value != expected)
            Refuse(name + " is \"" + value + "\" where the format has \"" + expected + "\"");
    }

  private:
    std::map<std::string, std::string> values_;
    std::string element_;
};

// A text of the document: UTF-8 without a control character the writer could not have
// written (a character reference may spell any).
std::string Text(const std::string& text) {
    if (!IsUtf8(text)) Refuse("a text is not UTF-8");
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
            Refuse("a text holds a control character");
    return text;
}

// The float32 TEXT is written as: finite, nothing around it.
float Number(std::string_view text) {
    float value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        Refuse("\"" + std::string(text.substr(0, 40)) + "\" is not a finite number");
    return value;
}

// The numbers of TEXT, one space between them.
std::vector<float> Numbers(const std::string& text) {
    std::vector<float> numbers;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        numbers.push_back(Number(std::string_view(text).substr(start, end - start)));
        start = end + 1;
    }
    if (!text.empty() && text.back() == ' ') Refuse("a list of numbers ends with a space");
    return numbers;
}

uint16_t Component(std::string_view text) {
    unsigned value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > 0xFFFF)
        Refuse("\"" + std::string(text) + "\" is not a colour component from 0 to 65535");
    return static_cast<uint16_t>(value);
}

HostRGBColor Colour(const std::string& text) {
    size_t first = text.find(' '), second = text.find(' ', first + 1);
    if (first == std::string::npos || second == std::string::npos)
        Refuse("ortaq:color \"" + text + "\" is not three components");
    std::string_view view(text);
    return {Component(view.substr(0, first)), Component(view.substr(first + 1, second - first - 1)),
            Component(view.substr(second + 1))};
}

std::vector<HostPathSegment> Segments(const std::string& text) {
    std::vector<float> n = Numbers(text);
    if (n.size() % kNumbersPerSegment != 0)
        Refuse("ortaq:segments holds " + std::to_string(n.size()) +
               " numbers, not seven a segment");
    std::vector<HostPathSegment> segments;
    for (size_t i = 0; i < n.size(); i += kNumbersPerSegment) {
        if (n[i + 6] != 0 && n[i + 6] != 1) Refuse("a segment's corner flag is neither 0 nor 1");
        segments.push_back(
            {{n[i], n[i + 1]}, {n[i + 2], n[i + 3]}, {n[i + 4], n[i + 5]}, n[i + 6] == 1 ? 1 : 0});
    }
    return segments;
}

// The element children of NODE; text among them is no part of a drawing.
std::vector<pugi::xml_node> Elements(const pugi::xml_node& node) {
    std::vector<pugi::xml_node> elements;
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_element)
            elements.push_back(child);
        else if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            Refuse("<" + std::string(node.name()) + "> holds text");
    }
    return elements;
}

// The art of a group or layer, written bottom first.
class ArtReader {
  public:
    std::vector<DrawnArt> Children(const pugi::xml_node& parent, size_t depth) {
        if (depth > kMaxGroupDepth)
            Refuse("groups nest deeper than " + std::to_string(kMaxGroupDepth));
        std::vector<DrawnArt> art;
        for (const pugi::xml_node& element : Elements(parent)) art.push_back(Read(element, depth));
        return {art.rbegin(), art.rend()};
    }

  private:
    DrawnArt Read(const pugi::xml_node& element, size_t depth) {
        if (++elements_ > kMaxElements)
            Refuse("more than " + std::to_string(kMaxElements) + " elements");
        std::string name = element.name();
        if (name == "g") return Group(element, depth);
        if (name == "path") return Path(element);
        Refuse("<" + name + "> is no art of a drawing");
    }

    DrawnArt Group(const pugi::xml_node& element, size_t depth) {
        Attributes attributes(element, {"inkscape:label", "ortaq:name"});
        DrawnArt group;
        group.type = kHostGroupArt;
        group.name = Text(attributes.Find("ortaq:name").value_or(""));
        group.children = Children(element, depth + 1);
        return group;
    }

    DrawnArt Path(const pugi::xml_node& element) {
        Attributes attributes(
            element, {"d", "fill", "stroke", "stroke-width", "stroke-dasharray", "ortaq:segments",
                      "ortaq:closed", "ortaq:guide", "inkscape:label", "ortaq:name"});
        attributes.Required("d");  // the outline for the eye, written from the segments
        DrawnArt path;
        path.type = kHostPathArt;
        path.name = Text(attributes.Find("ortaq:name").value_or(""));
        path.segments = Segments(attributes.Required("ortaq:segments"));
        path.closed = attributes.Flag("ortaq:closed");
        path.guide = attributes.Flag("ortaq:guide");
        for (const pugi::xml_node& tag : Elements(element)) path.tags.push_back(TagOf(tag));
        return path;
    }

    Tag TagOf(const pugi::xml_node& element) {
        if (++elements_ > kMaxElements)
            Refuse("more than " + std::to_string(kMaxElements) + " elements");
        if (std::string(element.name()) != "ortaq:tag")
            Refuse("<" + std::string(element.name()) + "> in a path is not a tag");
        Attributes attributes(element, {"name", "type", "value"});
        if (!Elements(element).empty()) Refuse("a tag holds elements");
        return {Text(attributes.Required("name")), Text(attributes.Required("type")),
                Text(attributes.Required("value"))};
    }

    size_t elements_ = 0;
};

PageSize Page(const Attributes& root) {
    auto side = [&](const char* name) {
        std::string text = root.Required(name);
        if (!text.ends_with("pt")) Refuse(std::string(name) + " \"" + text + "\" is not in pt");
        float value = Number(std::string_view(text).substr(0, text.size() - 2));
        if (!(value > 0 && value <= kMaxPageSide))
            Refuse(std::string(name) + " \"" + text + "\" is not a page's side");
        return value;
    };
    return {side("width"), side("height")};
}

void CheckRoot(const pugi::xml_node& svg, const Attributes& root, const PageSize& page) {
    if (std::string(svg.name()) != "svg")
        Refuse("the document is <" + std::string(svg.name()) + ">, not <svg>");
    root.Expect("xmlns", kSvgNamespace);
    root.Expect("xmlns:inkscape", kInkscapeNamespace);
    root.Expect("xmlns:sodipodi", kSodipodiNamespace);
    root.Expect("xmlns:ortaq", kOrtaqNamespace);
    root.Expect("version", "1.1");
    root.Expect("ortaq:format", kFormat);
    std::vector<float> box = Numbers(root.Required("viewBox"));
    if (box != std::vector<float>{0, 0, page.width, page.height})
        Refuse("the viewBox is not the page's");
}

std::string FlipOf(const PageSize& page) {
    char height[32];
    auto end = std::to_chars(height, height + sizeof height, page.height).ptr;
    return "matrix(1 0 0 -1 0 " + std::string(height, end) + ")";
}

DrawnLayer LayerOf(const pugi::xml_node& element, const PageSize& page, ArtReader& art) {
    if (std::string(element.name()) != "g")
        Refuse("<" + std::string(element.name()) + "> is not a layer");
    Attributes attributes(element,
                          {"inkscape:groupmode", "inkscape:label", "transform", "ortaq:color",
                           "ortaq:current", "sodipodi:insensitive", "style"});
    attributes.Expect("inkscape:groupmode", "layer");
    attributes.Expect("transform", FlipOf(page));
    DrawnLayer layer;
    layer.title = Text(attributes.Required("inkscape:label"));
    layer.color = Colour(attributes.Required("ortaq:color"));
    layer.current = attributes.Flag("ortaq:current");
    layer.locked = attributes.Flag("sodipodi:insensitive");
    std::optional<std::string> style = attributes.Find("style");
    if (style && *style != "display:none") Refuse("a layer's style is \"" + *style + "\"");
    layer.visible = !style;
    layer.art = art.Children(element, 0);
    return layer;
}

Drawing DrawingOf(const pugi::xml_node& svg) {
    Attributes root(svg, {"xmlns", "xmlns:inkscape", "xmlns:sodipodi", "xmlns:ortaq", "version",
                          "ortaq:format", "width", "height", "viewBox"});
    Drawing drawing{Page(root), {}};
    CheckRoot(svg, root, drawing.page);
    ArtReader art;
    std::vector<pugi::xml_node> layers = Elements(svg);
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer)
        drawing.layers.push_back(LayerOf(*layer, drawing.page, art));
    if (drawing.layers.empty()) Refuse("it has no layer");
    size_t current = 0;
    for (const DrawnLayer& layer : drawing.layers) current += layer.current ? 1 : 0;
    if (current != 1) Refuse(std::to_string(current) + " layers are current, not one");
    return drawing;
}

}  // namespace

Drawing ParseDrawingFile(std::string_view text) {
    if (text.size() > kMaxFileBytes) Refuse("larger than 64 MB");
    if (!IsUtf8(text)) Refuse("its text is not UTF-8");
    pugi::xml_document xml;
    pugi::xml_parse_result parsed = xml.load_buffer(
        text.data(), text.size(),
        pugi::parse_default | pugi::parse_doctype | pugi::parse_declaration, pugi::encoding_utf8);
    if (!parsed)
        Refuse("XML error at byte " + std::to_string(parsed.offset) + ": " + parsed.description());
    std::vector<pugi::xml_node> top;
    for (const pugi::xml_node& node : xml.children()) {
        if (node.type() == pugi::node_doctype) Refuse("it has a document type");
        if (node.type() == pugi::node_element) top.push_back(node);
    }
    if (top.size() != 1) Refuse("it has no root element");
    return DrawingOf(top.front());
}

Drawing ReadDrawingFile(const std::string& path) {
    std::error_code error;
    uintmax_t size = std::filesystem::file_size(FilePath(path), error);
    if (!error && size > kMaxFileBytes)
        throw DrawingFileError(path + ": larger than 64 MB, not opened");
    std::optional<std::string> text;
    try {
        text = ReadFileIfPresent(path);
    } catch (const std::runtime_error& failure) {
        throw DrawingFileError(failure.what());
    }
    if (!text) throw DrawingFileError("there is no file " + path);
    try {
        return ParseDrawingFile(*text);
    } catch (const DrawingFileError& refused) {
        throw DrawingFileError(path + ": " + refused.what());
    }
}

}  // namespace emulator
