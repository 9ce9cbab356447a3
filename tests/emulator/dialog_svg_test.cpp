// The picture of a dialog: painted in the order a dialog manager paints, disabled pictures
// greyed, and always well-formed XML whatever text the plug-in set.
#include "emulator/output/dialog_svg.h"

#include <gtest/gtest.h>

#include "host/adm.h"

namespace {

emulator::Item& AddItem(emulator::Dialog& dialog, int32_t id, const char* type, HostRect rect) {
    auto item = std::make_unique<emulator::Item>();
    item->dialog = &dialog;
    item->id = id;
    item->type = type;
    item->rect = rect;
    dialog.items.push_back(std::move(item));
    return *dialog.items.back();
}

emulator::Dialog Panel() {
    emulator::Dialog dialog;
    dialog.bounds = {0, 0, 200, 100};
    return dialog;
}

const emulator::ResourceFile& PluginResources() {
    static const emulator::ResourceFile file = emulator::LoadPluginResources(ORTAQ_PLUGIN_PATH);
    return file;
}

TEST(DialogSvg, ItemsLieOverWhatTheDialogDrewAfterItsDefaultDrawing) {
    emulator::Dialog dialog = Panel();
    AddItem(dialog, 13, kADMSpinEditType, {35, 21, 95, 40});
    emulator::DrawOp box("fill");
    box.coords = {35, 21, 95, 40};
    box.color = kADMButtonFaceColor;
    dialog.drawing = {emulator::DrawOp("items"), box};
    std::string svg = emulator::DialogSvg(dialog, PluginResources());
    size_t boxAt = svg.find("<rect x=\"35\" y=\"21\" width=\"60\" height=\"19\" fill=\"#d4d0c8\"");
    size_t fieldAt =
        svg.find("<rect x=\"35\" y=\"21\" width=\"60\" height=\"19\" fill=\"#ffffff\"");
    ASSERT_NE(boxAt, std::string::npos) << svg;
    ASSERT_NE(fieldAt, std::string::npos) << svg;
    EXPECT_LT(boxAt, fieldAt);
}

TEST(DialogSvg, TheDefaultDrawingPaintsOverWhatWasDrawnBeforeIt) {
    emulator::Dialog dialog = Panel();
    emulator::DrawOp early("fill");
    early.coords = {1, 2, 3, 4};
    dialog.drawing = {early, emulator::DrawOp("items")};
    std::string svg = emulator::DialogSvg(dialog, PluginResources());
    size_t earlyAt = svg.find("<rect x=\"1\" y=\"2\"");
    size_t backgroundAt = svg.rfind("<rect x=\"0\" y=\"0\" width=\"200\" height=\"100\"");
    ASSERT_NE(earlyAt, std::string::npos);
    EXPECT_GT(backgroundAt, earlyAt);
}

TEST(DialogSvg, OnlyDisabledPicturesAreGreyed) {
    emulator::Dialog dialog = Panel();
    emulator::Item& on = AddItem(dialog, 1, kADMPicturePushButtonType, {0, 0, 20, 20});
    emulator::Item& off = AddItem(dialog, 2, kADMPictureStaticType, {30, 0, 40, 10});
    on.picture = 128;
    off.picture = 500;
    off.enabled = false;
    std::string svg = emulator::DialogSvg(dialog, PluginResources());
    auto image = [&](const char* at) {
        size_t start = svg.find(std::string("<image ") + at);
        return start == std::string::npos ? "" : svg.substr(start, svg.find("href", start) - start);
    };
    EXPECT_EQ(image("x=\"0\""), "<image x=\"0\" y=\"0\" width=\"20\" height=\"20\" ");
    EXPECT_EQ(image("x=\"30\""),
              "<image x=\"30\" y=\"0\" width=\"10\" height=\"10\" "
              "filter=\"url(#disabled)\" opacity=\"0.5\" ");
    EXPECT_NE(svg.find("<filter id=\"disabled\">"), std::string::npos);
}

// XML 1.0 allows no character below a space but tab, line feed and carriage return, and
// the picture writes no carriage return either.
bool HasForbiddenCharacter(const std::string& xml) {
    for (char c : xml)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') return true;
    return false;
}

TEST(DialogSvg, ControlCharactersInTextsAreShownAsTheirPictures) {
    emulator::Dialog dialog = Panel();
    dialog.title =
        "A\x01"
        "B\r";
    emulator::Item& text = AddItem(dialog, 5, kADMTextStaticType, {0, 0, 100, 20});
    text.text = "x\x1Fy\x7F";
    std::string svg = emulator::DialogSvg(dialog, PluginResources());
    EXPECT_FALSE(HasForbiddenCharacter(svg));
    EXPECT_NE(svg.find(">A\u2401B\u240D</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find(">x\u241Fy\x7F</text>"), std::string::npos) << svg;
}

}  // namespace
