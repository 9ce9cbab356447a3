#include "emulator/output/drawing_file_writer.h"

#include <charconv>
#include <sstream>
#include <stdexcept>

#include "emulator/common/text_encoding.h"
#include "emulator/models/drawing_file/drawing_file_format.h"
#include "host/ai_art.h"

namespace emulator {
namespace {

using namespace drawing_file;

constexpr const char* kPathStroke = "#000000";
constexpr const char* kGuideStroke = "#4a9eff";

// The shortest text that reads back as VALUE.
std::string Number(float value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string Point(HostRealPoint point) {
    return Number(point.h) + " " + Number(point.v);
}

// TEXT as an attribute value: the whitespace a reader would turn into spaces kept as
// character references.
std::string Escaped(const std::string& text) {
    if (!IsUtf8(text)) throw std::runtime_error("a text of the drawing is not UTF-8");
    std::string out;
    for (char c : text) {
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
            case '\t':
                out += "&#9;";
                break;
            case '\n':
                out += "&#10;";
                break;
            case '\r':
                out += "&#13;";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20)
                    throw std::runtime_error("the text \"" + RepairUtf8(text) +
                                             "\" holds a control character no SVG file keeps");
                out += c;
        }
    }
    return out;
}

class Writer {
  public:
    explicit Writer(const PageSize& page) : page_(page) {}

    std::string Text(const Drawing& drawing) {
        std::string width = Number(page_.width), height = Number(page_.height);
        out_ << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             << "<svg xmlns=\"" << kSvgNamespace << "\" xmlns:inkscape=\"" << kInkscapeNamespace
             << "\" xmlns:sodipodi=\"" << kSodipodiNamespace << "\" xmlns:ortaq=\""
             << kOrtaqNamespace << "\" version=\"1.1\" ortaq:format=\"" << kFormat << "\" width=\""
             << width << "pt\" height=\"" << height << "pt\" viewBox=\"0 0 " << width << ' '
             << height << "\">\n";
        // SVG paints what comes last on top.
        for (auto layer = drawing.layers.rbegin(); layer != drawing.layers.rend(); ++layer)
            Layer(*layer);
        out_ << "</svg>\n";
        return out_.str();
    }

  private:
    void Layer(const DrawnLayer& layer) {
        const HostRGBColor& c = layer.color;
        out_ << "<g inkscape:groupmode=\"layer\" inkscape:label=\"" << Escaped(layer.title)
             << "\" transform=\"matrix(1 0 0 -1 0 " << Number(page_.height) << ")\" ortaq:color=\""
             << c.red << ' ' << c.green << ' ' << c.blue << '"';
        if (layer.current) out_ << " ortaq:current=\"true\"";
        if (layer.locked) out_ << " sodipodi:insensitive=\"true\"";
        if (!layer.visible) out_ << " style=\"display:none\"";
        out_ << ">\n";
        Children(layer.art);
        out_ << "</g>\n";
    }

    void Children(const std::vector<DrawnArt>& art) {
        for (auto child = art.rbegin(); child != art.rend(); ++child) Art(*child);
    }

    void Art(const DrawnArt& art) {
        if (art.type == kHostGroupArt) {
            out_ << "<g" << Name(art.name) << ">\n";
            Children(art.children);
            out_ << "</g>\n";
            return;
        }
        out_ << "<path d=\"" << Outline(art) << "\" fill=\"none\" stroke=\""
             << (art.guide ? kGuideStroke : kPathStroke) << "\" stroke-width=\"1\"";
        if (art.guide) out_ << " stroke-dasharray=\"4 2\"";
        out_ << " ortaq:segments=\"" << Segments(art) << '"';
        if (art.closed) out_ << " ortaq:closed=\"true\"";
        if (art.guide) out_ << " ortaq:guide=\"true\"";
        out_ << Name(art.name) << ">\n";
        for (const Tag& tag : art.tags)
            out_ << "<ortaq:tag name=\"" << Escaped(tag.name) << "\" type=\"" << Escaped(tag.type)
                 << "\" value=\"" << Escaped(tag.value) << "\"/>\n";
        out_ << "</path>\n";
    }

    // An editor shows the label; the reader takes the name.
    static std::string Name(const std::string& name) {
        if (name.empty()) return "";
        std::string escaped = Escaped(name);
        return " inkscape:label=\"" + escaped + "\" ortaq:name=\"" + escaped + "\"";
    }

    static std::string Segments(const DrawnArt& path) {
        std::string numbers;
        for (const HostPathSegment& s : path.segments)
            numbers += (numbers.empty() ? "" : " ") + Point(s.p) + " " + Point(s.in) + " " +
                       Point(s.out) + (s.corner != 0 ? " 1" : " 0");
        return numbers;
    }

    // The curve from one anchor to the next, straight when neither handle leaves its anchor.
    static std::string Piece(const HostPathSegment& from, const HostPathSegment& to) {
        bool straight = from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h &&
                        to.in.v == to.p.v;
        if (straight) return " L " + Point(to.p);
        return " C " + Point(from.out) + " " + Point(to.in) + " " + Point(to.p);
    }

    static std::string Outline(const DrawnArt& path) {
        const std::vector<HostPathSegment>& s = path.segments;
        if (s.empty()) return "";
        std::string d = "M " + Point(s.front().p);
        for (size_t i = 1; i < s.size(); ++i) d += Piece(s[i - 1], s[i]);
        if (path.closed) d += Piece(s.back(), s.front()) + " Z";
        return d;
    }

    PageSize page_;
    std::ostringstream out_;
};

}  // namespace

std::string DrawingFileText(const Drawing& drawing) {
    return Writer(drawing.page).Text(drawing);
}

}  // namespace emulator
