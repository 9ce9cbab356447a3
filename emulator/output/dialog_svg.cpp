#include "emulator/output/dialog_svg.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "emulator/common/text_encoding.h"
#include "emulator/models/annotations/annotation_font.h"
#include "emulator/models/resources/picture_resource.h"
#include "emulator/output/svg_writer.h"

namespace emulator {
namespace {

constexpr int kTitleHeight = 18;
constexpr const char* kBackground = "#e8e8e8";
constexpr const char* kFont = "Tahoma, Verdana, sans-serif";

const char* Colour(int32_t code) {
    switch (code) {
        case kADMWhiteColor:
            return "#ffffff";
        case kADMButtonFaceColor:
            return "#d4d0c8";
        case kADMShadowColor:
            return "#808080";
        default:
            return "#000000";
    }
}

int FontSize(int32_t font) {
    return font == 13 || font == 2 ? 9 : 10;
}

std::string Base64(const std::vector<unsigned char>& bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t chunk = static_cast<uint32_t>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) chunk |= static_cast<uint32_t>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) chunk |= bytes[i + 2];
        out += kDigits[(chunk >> 18) & 63];
        out += kDigits[(chunk >> 12) & 63];
        out += i + 1 < bytes.size() ? kDigits[(chunk >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kDigits[chunk & 63] : '=';
    }
    return out;
}

// The bitmap or PNG image numbered ID, or nothing when the plug-in has no such picture.
std::optional<Picture> FindPicture(const ResourceFile& resources, int32_t id) {
    for (const char* type : {"BITMAP", "PNG"}) {
        const Resource* resource =
            resources.Find(ResourceId::ParseType(type), static_cast<uint16_t>(id));
        if (resource == nullptr) continue;
        try {
            return ReadPictureResource(*resource);
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

class Painter {
  public:
    Painter(const ResourceFile& resources, SvgWriter& svg) : resources_(resources), svg_(svg) {}

    void Rect(const HostRect& r, const char* fill, const char* stroke) {
        svg_.Element("rect", SvgAttributes()
                                 .Add("x", r.left)
                                 .Add("y", r.top)
                                 .Add("width", std::max(0, r.right - r.left))
                                 .Add("height", std::max(0, r.bottom - r.top))
                                 .Add("fill", fill)
                                 .Add("stroke", stroke));
    }
    void Line(int x1, int y1, int x2, int y2, const char* colour) {
        svg_.Element("line",
                     SvgAttributes().Add("x1", x1).Add("y1", y1).Add("x2", x2).Add("y2", y2).Add(
                         "stroke", colour));
    }
    // ANCHOR: "start", "middle" or "end".
    void Text(int x, int y, const std::string& text, int size, const char* colour,
              const char* anchor) {
        svg_.TextElement("text",
                         SvgAttributes()
                             .Add("x", x)
                             .Add("y", y)
                             .Add("font-family", kFont)
                             .Add("font-size", size)
                             .Add("fill", colour)
                             .Add("text-anchor", anchor),
                         text);
    }
    // GREYED: drawn as a disabled item's picture, without colour and faded.
    void Image(int32_t id, int x, int y, bool greyed = false) {
        std::optional<emulator::Picture> picture = FindPicture(resources_, id);
        if (!picture) return;
        SvgAttributes attributes;
        attributes.Add("x", x)
            .Add("y", y)
            .Add("width", static_cast<int>(picture->width))
            .Add("height", static_cast<int>(picture->height));
        if (greyed) attributes.Add("filter", "url(#disabled)").Add("opacity", "0.5");
        attributes.Add("href", "data:" + picture->mimeType + ";base64," + Base64(picture->file));
        svg_.Element("image", attributes);
    }
    void Translate(int dx, int dy) {
        svg_.Open("g", SvgAttributes().Add("transform", "translate(" + std::to_string(dx) + ' ' +
                                                            std::to_string(dy) + ")"));
    }
    void End() { svg_.Close(); }

    // What a procedure drew; OWNER is the rectangle of the dialog or item it drew, whose
    // background the dialog's default drawing paints.
    void Ops(const std::vector<DrawOp>& ops, const HostRect& owner);

  private:
    const ResourceFile& resources_;
    SvgWriter& svg_;
};

int Middle(const HostRect& r) {
    return (r.top + r.bottom) / 2 + 3;
}

// TEXT's width in pixels at SIZE, from the host's font measured at its own size.
double TextWidth(const std::string& text, int size) {
    const AnnotationFont& font = AnnotationFont::Default();
    return font.Measure(Utf8ToUtf32(text)).width * size / double(AnnotationFont::kPixelSize);
}

// The lines a multi-line text shows: its own lines (ended by CR LF, LF or CR), each broken
// between words so that it fits WIDTH pixels at SIZE. A single line stays as it is.
std::vector<std::string> ShownLines(const Item& item, int width, int size) {
    std::string text = item.ShownText();
    std::vector<std::string> lines;
    std::string paragraph;
    auto wrap = [&] {
        if (item.type != kADMTextStaticMultiLineType) return lines.push_back(paragraph);
        std::istringstream words(paragraph);
        std::string word, line;
        while (words >> word) {
            std::string longer = line.empty() ? word : line + ' ' + word;
            if (!line.empty() && TextWidth(longer, size) > width) {
                lines.push_back(line);
                longer = word;
            }
            line = longer;
        }
        lines.push_back(line);
    };
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') {
            paragraph += text[i];
            continue;
        }
        wrap();
        paragraph.clear();
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    }
    return lines;
}

void DrawText(Painter& p, const Item& item, const char* colour) {
    const char* anchor = item.justify == 1 ? "middle" : item.justify == 2 ? "end" : "start";
    int x = item.justify == 1   ? (item.rect.left + item.rect.right) / 2
            : item.justify == 2 ? item.rect.right - 2
                                : item.rect.left + 2;
    int size = FontSize(item.font);
    int y = item.type == kADMTextStaticMultiLineType ? item.rect.top + 11 : Middle(item.rect);
    for (const std::string& line : ShownLines(item, item.rect.right - item.rect.left - 4, size)) {
        p.Text(x, y, line, size, colour, anchor);
        y += 11;
    }
}

void DrawField(Painter& p, const Item& item, const char* colour, bool focused) {
    p.Rect(item.rect, "#ffffff", focused ? "#3a6ea5" : "#7a7a7a");
    p.Text(item.rect.right - 4, Middle(item.rect), item.ShownText(), 10, colour, "end");
}

void DrawPopup(Painter& p, const Item& item, const char* colour) {
    p.Rect(item.rect, "#f4f4f4", "#7a7a7a");
    p.Text(item.rect.left + 3, Middle(item.rect), item.ShownText(), 10, colour, "start");
    int x = item.rect.right - 9, y = (item.rect.top + item.rect.bottom) / 2 - 2;
    p.Line(x, y, x + 6, y, colour);
    p.Line(x + 1, y + 1, x + 5, y + 1, colour);
    p.Line(x + 2, y + 2, x + 4, y + 2, colour);
}

void DrawSlider(Painter& p, const Item& item) {
    int y = (item.rect.top + item.rect.bottom) / 2;
    p.Line(item.rect.left, y, item.rect.right, y, "#7a7a7a");
    float low = item.minimum.value_or(0), high = item.maximum.value_or(100);
    float at = high > low ? (std::clamp(item.value, low, high) - low) / (high - low) : 0;
    int x = item.rect.left + static_cast<int>(at * (item.rect.right - item.rect.left));
    p.Rect({x - 3, item.rect.top - 2, x + 3, item.rect.bottom + 2}, "#d4d0c8", "#555555");
}

void DrawButton(Painter& p, const Item& item, const char* colour) {
    p.Rect(item.rect, "#e0e0e0", "#707070");
    p.Text((item.rect.left + item.rect.right) / 2, Middle(item.rect), item.ShownText(), 10, colour,
           "middle");
}

void DrawCheckBox(Painter& p, const Item& item, const char* colour) {
    int y = (item.rect.top + item.rect.bottom) / 2;
    p.Rect({item.rect.left, y - 5, item.rect.left + 10, y + 5}, "#ffffff", "#555555");
    if (item.on) {
        p.Line(item.rect.left + 2, y, item.rect.left + 4, y + 3, "#000000");
        p.Line(item.rect.left + 4, y + 3, item.rect.left + 8, y - 3, "#000000");
    }
    p.Text(item.rect.left + 14, y + 4, item.ShownText(), 10, colour, "start");
}

// The look the dialog manager gives an item of each type.
void DrawItem(Painter& p, const Item& item, const Dialog& dialog) {
    const char* colour = item.enabled ? "#000000" : "#9a9a9a";
    if (item.drawProc != nullptr) {
        p.Translate(item.rect.left, item.rect.top);
        p.Ops(item.drawing,
              {0, 0, item.rect.right - item.rect.left, item.rect.bottom - item.rect.top});
        p.End();
    } else if (item.type == kADMSpinEditType) {
        DrawField(p, item, colour, dialog.focused == &item);
    } else if (item.type == kADMPopupListType) {
        DrawPopup(p, item, colour);
    } else if (item.type == kADMSliderType) {
        DrawSlider(p, item);
    } else if (item.type == kADMTextPushButtonType) {
        DrawButton(p, item, colour);
    } else if (item.type == kADMTextCheckBoxType) {
        DrawCheckBox(p, item, colour);
    } else if (item.type == kADMTextStaticType || item.type == kADMTextStaticMultiLineType) {
        DrawText(p, item, colour);
    } else if (item.picture != 0) {
        p.Image(item.on && item.selectedPicture != 0 ? item.selectedPicture : item.picture,
                item.rect.left, item.rect.top, !item.enabled);
    }
}

// The items are windows of their own on the dialog: whatever the dialog's procedure drew,
// before or after its default drawing, lies under them.
void DrawItems(Painter& p, const Dialog& dialog) {
    for (const auto& item : dialog.items)
        if (item->shown && item->id != kADMMenuItemID) DrawItem(p, *item, dialog);
}

void Painter::Ops(const std::vector<DrawOp>& ops, const HostRect& owner) {
    for (const DrawOp& op : ops) {
        const auto& c = op.coords;
        if (op.op == "items") {
            Rect(owner, kBackground, "none");
        } else if (op.op == "line") {
            Line(c[0], c[1], c[2], c[3], Colour(op.color));
        } else if (op.op == "rect") {
            Rect({c[0], c[1], c[2], c[3]}, "none", Colour(op.color));
        } else if (op.op == "fill") {
            Rect({c[0], c[1], c[2], c[3]}, Colour(op.color), "none");
        } else if (op.op == "clear") {
            Rect({c[0], c[1], c[2], c[3]}, kBackground, "none");
        } else if (op.op == "text") {
            Text(c[0], c[1], op.text, FontSize(op.font), Colour(op.color), "start");
        } else if (op.op == "text-centred") {
            Text((c[0] + c[2]) / 2, (c[1] + c[3]) / 2 + 3, op.text, FontSize(op.font),
                 Colour(op.color), "middle");
        } else if (op.op == "picture") {
            Image(op.picture, c[0], c[1]);
        }
    }
}

}  // namespace

std::string DialogSvg(const Dialog& dialog, const ResourceFile& resources) {
    int width = dialog.bounds.right - dialog.bounds.left;
    int height = dialog.bounds.bottom - dialog.bounds.top;
    SvgWriter svg(width, height + kTitleHeight);
    svg.Open("defs");
    svg.Open("filter", SvgAttributes().Add("id", "disabled"));
    svg.Element("feColorMatrix", SvgAttributes().Add("type", "saturate").Add("values", "0"));
    svg.Close();
    svg.Close();
    Painter p(resources, svg);
    p.Rect({0, 0, width, kTitleHeight}, "#4a4a4a", "none");
    p.Text(6, 13, dialog.title, 11, "#ffffff", "start");
    p.Translate(0, kTitleHeight);
    p.Rect({0, 0, width, height}, kBackground, "none");
    p.Ops(dialog.drawing, {0, 0, width, height});
    DrawItems(p, dialog);
    p.End();
    return svg.Finish();
}

}  // namespace emulator
