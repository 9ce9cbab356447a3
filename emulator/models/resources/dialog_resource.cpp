#include "emulator/models/resources/dialog_resource.h"

#include "emulator/common/text_encoding.h"
#include "emulator/models/resources/byte_reader.h"

namespace emulator {
namespace {

constexpr uint16_t kExtendedSignature = 0xFFFF;
constexpr uint32_t kSetFont = 0x40;  // the template names a font after its title

// A menu or window class field: nothing, a number, or text up to a zero.
void SkipNameOrNumber(ByteReader& reader) {
    uint16_t first = reader.U16();
    if (first == 0xFFFF) {
        reader.U16();
    } else if (first != 0) {
        reader.Utf16UntilZero();
    }
}

// Every item starts on four bytes; reading each one refuses a template that lists more
// items than it holds.
void SkipItem(ByteReader& reader, bool extended) {
    reader.AlignTo4();
    reader.Take(extended ? 12 : 8);  // (help ID,) extended style, style
    reader.Take(8);                  // x, y, width, height
    reader.Take(extended ? 4 : 2);   // the item's number
    SkipNameOrNumber(reader);        // class
    SkipNameOrNumber(reader);        // text
    reader.Take(reader.U16());       // creation data
}

}  // namespace

DialogTemplate ParseDialogResource(const std::vector<unsigned char>& data) {
    ByteReader reader(data, "DIALOG resource");
    // An extended template opens with its version and a signature; a standard one with
    // its style, which never has all sixteen high bits set.
    uint16_t version = reader.U16();
    bool extended = reader.U16() == kExtendedSignature;
    if (extended && version != 1)
        reader.Fail("extended template version " + std::to_string(version));
    uint32_t style = 0;
    if (extended) {
        reader.Take(8);  // help ID, extended style
        style = reader.U32();
    } else {
        reader.Seek(0);
        style = reader.U32();
        reader.U32();  // extended style
    }
    DialogTemplate form;
    form.itemCount = reader.U16();
    reader.Take(8);            // x, y, width, height
    SkipNameOrNumber(reader);  // menu
    SkipNameOrNumber(reader);  // window class
    form.title = Utf16ToUtf8(reader.Utf16UntilZero());
    if ((style & kSetFont) != 0) {
        reader.Take(extended ? 6 : 2);  // point size (, weight, italic, character set)
        reader.Utf16UntilZero();        // typeface
    }
    for (uint16_t i = 0; i < form.itemCount; ++i) SkipItem(reader, extended);
    return form;
}

}  // namespace emulator
