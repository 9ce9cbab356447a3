#include "emulator/models/resources/dialog_resource.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "emulator/models/resources/resource_file.h"
#include "tests/support/case_name.h"
#include "tests/support/runtime_error.h"

namespace {

// Template bytes from 16-bit words, as the menu tests build them.
std::vector<unsigned char> Words(std::initializer_list<uint16_t> words) {
    std::vector<unsigned char> bytes;
    for (uint16_t word : words) {
        bytes.push_back(static_cast<unsigned char>(word));
        bytes.push_back(static_cast<unsigned char>(word >> 8));
    }
    return bytes;
}

TEST(DialogResource, ThePluginsTemplatesAreEmptyAndUntitled) {
    emulator::ResourceFile file = emulator::LoadPluginResources(ORTAQ_PLUGIN_PATH);
    for (uint16_t number : {16400, 16800, 16900, 17100, 20000}) {
        SCOPED_TRACE("DIALOG " + std::to_string(number));
        const emulator::Resource* dialog =
            file.Find(emulator::ResourceId::ParseType("DIALOG"), number);
        ASSERT_NE(dialog, nullptr);
        emulator::DialogTemplate form = emulator::ParseDialogResource(dialog->data);
        EXPECT_EQ(form.itemCount, 0);
        EXPECT_EQ(form.title, "");
    }
}

TEST(DialogResource, AStandardTemplateReadsItsTitleAndItems) {
    std::vector<unsigned char> data = Words({
        0,      0x80C8, 0,   0,           // style, extended style
        1,      0,      0,   50,  20,     // one item; x, y, width, height
        0,      0,      'A', 'b', 0,      // no menu, no class; title "Ab"
        0,      0x5000, 0,   0,           // the item: style, extended style
        4,      4,      40,  12,  1,      // x, y, width, height; number 1
        0xFFFF, 0x0080, 'O', 'K', 0,  0,  // a button reading "OK"; no creation data
    });
    emulator::DialogTemplate form = emulator::ParseDialogResource(data);
    EXPECT_EQ(form.title, "Ab");
    EXPECT_EQ(form.itemCount, 1);
}

TEST(DialogResource, AnExtendedTemplateReadsItsFontAndItemsOnFourBytes) {
    std::vector<unsigned char> data = Words({
        1,      0xFFFF, 0,   0,   0,      0,
        0x40,   0x80C8,                       // version 1; help ID, extended style, style
        2,      0,      0,   90,  40,         // two items; x, y, width, height
        0,      0,      'T', 0,               // no menu, no class; title "T"
        8,      400,    0,   'F', 0,          // 8 points, weight 400, "F"
        0,      0,      0,   0,   0,      0,  // first item: help ID, ext. style, style
        1,      1,      10,  10,  7,      0,  // x, y, width, height; number 7
        0xFFFF, 0x0081, 'x', 0,   0,          // an edit field reading "x"; no data
        0,                                    // to the next multiple of four
        0,      0,      0,   0,   0,      0,  // second item
        1,      1,      10,  10,  8,      0,  // number 8
        'C',    0,      0,   2,   0xABCD,     // class "C", no text, two bytes of data
    });
    emulator::DialogTemplate form = emulator::ParseDialogResource(data);
    EXPECT_EQ(form.title, "T");
    EXPECT_EQ(form.itemCount, 2);
}

struct BadTemplate {
    const char* name;
    std::vector<unsigned char> data;
    const char* reason;  // part of the message
};

class BadTemplates : public ::testing::TestWithParam<BadTemplate> {};

TEST_P(BadTemplates, AreRefusedWithAReason) {
    std::optional<std::string> message =
        RuntimeErrorOf([this] { emulator::ParseDialogResource(GetParam().data); });
    ASSERT_TRUE(message) << "accepted";
    EXPECT_NE(message->find("malformed DIALOG resource"), std::string::npos) << *message;
    EXPECT_NE(message->find(GetParam().reason), std::string::npos) << *message;
}

INSTANTIATE_TEST_SUITE_P(
    DialogResource, BadTemplates,
    ::testing::Values(BadTemplate{"Empty", {}, "runs past the end"},
                      BadTemplate{"ExtendedVersion2",
                                  Words({2, 0xFFFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
                                  "extended template version 2"},
                      BadTemplate{"MoreItemsThanItHolds",
                                  Words({1, 0xFFFF, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}),
                                  "runs past the end"},
                      BadTemplate{"AFontItLacks",
                                  Words({1, 0xFFFF, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
                                  "runs past the end"},
                      BadTemplate{"ATitleWithoutItsEnd",
                                  Words({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'A'}),
                                  "runs past the end"}),
    CaseName<BadTemplate>);

}  // namespace
