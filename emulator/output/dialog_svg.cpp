#include "emulator/output/dialog_svg.h"

#include <algorithm>
#include <optional>
#include <sstream>

#include "emulator/models/resources/picture_resource.h"

namespace emulator {
namespace {

constexpr int kTitleHeight = 18;
constexpr const char* kBackground = "#e8e8e8";
constexpr const char* kFont = "font-family=\"Tahoma, Verdana, sans-serif\"";

// Text as XML character data. A control character XML does not allow (all below a space
// but tab and line feed) is shown as its control picture, U+2400 and up.
std::string Escape(const std::string& text) {
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
    Painter(const ResourceFile& resources, std::ostringstream& out)
        : resources_(resources), out_(out) {}

    void Rect(const HostRect& r, const char* fill, const char* stroke) {
        out_ << "<rect x=\"" << r.left << "\" y=\"" << r.top << "\" width=\""
             << std::max(0, r.right - r.left) << "\" height=\"" << std::max(0, r.bottom - r.top)
             << "\" fill=\"" << fill << "\" stroke=\"" << stroke << "\"/>\n";
    }
    void Line(int x1, int y1, int x2, int y2, const char* colour) {
        out_ << "<line x1=\"" << x1 << "\" y1=\"" << y1 << "\" x2=\"" << x2 << "\" y2=\"" << y2
             << "\" stroke=\"" << colour << "\"/>\n";
    }
    // ANCHOR: "start", "middle" or "end".
    void Text(int x, int y, const std::string& text, int size, const char* colour,
              const char* anchor) {
        out_ << "<text x=\"" << x << "\" y=\"" << y << "\" " << kFont << " font-size=\"" << size
             << "\" fill=\"" << colour << "\" text-anchor=\"" << anchor << "\">" << Escape(text)
             << "</text>\n";
    }
    // GREYED: drawn as a disabled item's picture, without colour and faded.
    void Image(int32_t id, int x, int y, bool greyed = false) {
        std::optional<emulator::Picture> picture = FindPicture(resources_, id);
        if (!picture) return;
        out_ << "<image x=\"" << x << "\" y=\"" << y << "\" width=\"" << picture->width
             << "\" height=\"" << picture->height << '"'
             << (greyed ? " filter=\"url(#disabled)\" opacity=\"0.5\"" : "")
             << " href=\"data:" << picture->mimeType << ";base64," << Base64(picture->file)
             << "\"/>\n";
    }
    void Translate(int dx, int dy) {
        out_ << "<g transform=\"translate(" << dx << ' ' << dy << ")\">\n";
    }
    void End() { out_ << "</g>\n"; }

    // What a procedure drew; OWNER is the rectangle of the dialog or item it drew, whose
    // background the dialog's default drawing paints.
    void Ops(const std::vector<DrawOp>& ops, const HostRect& owner);

  private:
    const ResourceFile& resources_;
    std::ostringstream& out_;
};

int Middle(const HostRect& r) {
    return (r.top + r.bottom) / 2 + 3;
}

void DrawText(Painter& p, const Item& item, const char* colour) {
    const char* anchor = item.justify == 1 ? "middle" : item.justify == 2 ? "end" : "start";
    int x = item.justify == 1   ? (item.rect.left + item.rect.right) / 2
            : item.justify == 2 ? item.rect.right - 2
                                : item.rect.left + 2;
    std::istringstream lines(item.ShownText());
    std::string line;
    for (int y = item.type == kADMTextStaticMultiLineType ? item.rect.top + 11 : Middle(item.rect);
         std::getline(lines, line); y += 11)
        p.Text(x, y, line, FontSize(item.font), colour, anchor);
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
    std::ostringstream out;
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\""
        << height + kTitleHeight << "\" viewBox=\"0 0 " << width << ' ' << height + kTitleHeight
        << "\">\n"
        << "<defs><filter id=\"disabled\"><feColorMatrix type=\"saturate\" values=\"0\"/>"
           "</filter></defs>\n";
    Painter p(resources, out);
    p.Rect({0, 0, width, kTitleHeight}, "#4a4a4a", "none");
    p.Text(6, 13, dialog.title, 11, "#ffffff", "start");
    p.Translate(0, kTitleHeight);
    p.Rect({0, 0, width, height}, kBackground, "none");
    p.Ops(dialog.drawing, {0, 0, width, height});
    DrawItems(p, dialog);
    p.End();
    out << "</svg>\n";
    return out.str();
}

}  // namespace emulator
