#include "emulator/models/resources/menu_resource.h"

#include "emulator/common/text_encoding.h"
#include "emulator/models/resources/byte_reader.h"

namespace emulator {
namespace {

// Real menus nest a few levels; the limit keeps hostile data from exhausting the stack.
constexpr int kMaxDepth = 16;

std::vector<MenuEntry> ReadList(ByteReader& reader, int depth);

MenuEntry ReadEntry(ByteReader& reader, int depth) {
    MenuEntry entry;
    entry.flags = reader.U16();
    if (!entry.IsPopup()) entry.id = reader.U16();
    entry.text = Utf16ToUtf8(reader.Utf16UntilZero());
    if (entry.IsPopup())
        entry.entries = ReadList(reader, depth + 1);
    else  // what MENUITEM SEPARATOR compiles to
        entry.separator = entry.id == 0 && entry.text.empty();
    return entry;
}

// A list runs up to its entry with the last-entry flag; running out of data first fails.
std::vector<MenuEntry> ReadList(ByteReader& reader, int depth) {
    if (depth > kMaxDepth) reader.Fail("popups nested deeper than " + std::to_string(kMaxDepth));
    std::vector<MenuEntry> list;
    bool last = false;
    while (!last) {
        list.push_back(ReadEntry(reader, depth));
        last = (list.back().flags & kMenuLastEntry) != 0;
    }
    return list;
}

}  // namespace

std::vector<MenuEntry> ParseMenuResource(const std::vector<unsigned char>& data) {
    ByteReader reader(data, "MENU resource");
    uint16_t version = reader.U16();
    uint16_t headerSize = reader.U16();
    if (version != 0)
        reader.Fail("template version " + std::to_string(version) +
                    " is not a standard menu (extended menus are not read)");
    reader.Take(headerSize);
    return ReadList(reader, 0);
}

}  // namespace emulator
