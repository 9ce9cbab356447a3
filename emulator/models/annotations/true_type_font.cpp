#include "emulator/models/annotations/true_type_font.h"

#include <algorithm>
#include <optional>

#include "emulator/models/resources/byte_reader.h"

namespace emulator {
namespace {

constexpr const char* kWhat = "font";

// The offset of the table TAG, from the file's table directory.
std::optional<size_t> FindTable(std::string_view bytes, std::string_view tag) {
    ByteReader reader(bytes, kWhat);
    reader.Seek(4);
    uint16_t count = reader.U16BigEndian();
    reader.Seek(12);
    for (uint16_t i = 0; i < count; ++i) {
        std::string_view found = reader.Take(4);
        reader.U32BigEndian();  // checksum
        uint32_t offset = reader.U32BigEndian();
        reader.U32BigEndian();  // length
        if (found == tag) return offset;
    }
    return std::nullopt;
}

ByteReader TableReader(std::string_view bytes, std::string_view tag) {
    ByteReader reader(bytes, kWhat);
    std::optional<size_t> offset = FindTable(bytes, tag);
    if (!offset) reader.Fail("no " + std::string(tag) + " table");
    reader.Seek(*offset);
    return reader;
}

int16_t Signed(uint16_t value) {
    return static_cast<int16_t>(value);
}

}  // namespace

TrueTypeFont::TrueTypeFont(std::string bytes) : bytes_(std::move(bytes)) {
    ByteReader head = TableReader(bytes_, "head");
    head.Seek(head.Position() + 18);
    unitsPerEm_ = head.U16BigEndian();
    if (unitsPerEm_ == 0) head.Fail("no units per em");

    ByteReader maximums = TableReader(bytes_, "maxp");
    maximums.Seek(maximums.Position() + 4);
    glyphCount_ = maximums.U16BigEndian();

    ByteReader horizontal = TableReader(bytes_, "hhea");
    size_t start = horizontal.Position();
    horizontal.Seek(start + 4);
    ascender_ = Signed(horizontal.U16BigEndian());
    descender_ = Signed(horizontal.U16BigEndian());
    horizontal.Seek(start + 34);
    uint16_t metricCount = horizontal.U16BigEndian();
    if (metricCount == 0) horizontal.Fail("no horizontal metrics");

    ByteReader metrics = TableReader(bytes_, "hmtx");
    for (uint16_t i = 0; i < metricCount; ++i) {
        advances_.push_back(metrics.U16BigEndian());
        metrics.U16BigEndian();  // left side bearing
    }

    std::optional<size_t> map = FindTable(bytes_, "cmap");
    if (!map) ByteReader(bytes_, kWhat).Fail("no cmap table");
    ReadCharacterMap(*map);
}

// A map of all Unicode (format 12) is preferred to one of its first plane (format 4), and
// among equals the last listed, as FreeType chooses.
void TrueTypeFont::ReadCharacterMap(size_t offset) {
    ByteReader reader(bytes_, kWhat);
    reader.Seek(offset + 2);
    uint16_t count = reader.U16BigEndian();
    std::optional<size_t> full;
    std::optional<size_t> basic;
    for (uint16_t i = 0; i < count; ++i) {
        uint16_t platform = reader.U16BigEndian();
        uint16_t encoding = reader.U16BigEndian();
        size_t subtable = offset + reader.U32BigEndian();
        bool unicode = platform == 0 || (platform == 3 && (encoding == 1 || encoding == 10));
        if (!unicode) continue;
        size_t resume = reader.Position();
        reader.Seek(subtable);
        uint16_t format = reader.U16BigEndian();
        reader.Seek(resume);
        if (format == 12) full = subtable;
        if (format == 4) basic = subtable;
    }
    if (full)
        ReadFormat12(*full);
    else if (basic)
        ReadFormat4(*basic);
    else
        reader.Fail("no Unicode character map of format 4 or 12");
}

void TrueTypeFont::ReadFormat12(size_t offset) {
    ByteReader reader(bytes_, kWhat);
    reader.Seek(offset + 12);
    uint32_t groups = reader.U32BigEndian();
    for (uint32_t i = 0; i < groups; ++i) {
        char32_t first = reader.U32BigEndian();
        char32_t last = reader.U32BigEndian();
        uint32_t glyph = reader.U32BigEndian();
        if (last < first) reader.Fail("a character group that ends before it starts");
        AddRange(first, last, glyph);
    }
}

void TrueTypeFont::ReadFormat4(size_t offset) {
    ByteReader reader(bytes_, kWhat);
    reader.Seek(offset + 6);
    uint16_t segments = reader.U16BigEndian() / 2;
    const size_t ends = offset + 14;
    const size_t starts = ends + 2 * segments + 2;
    const size_t deltas = starts + 2 * segments;
    const size_t rangeOffsets = deltas + 2 * segments;
    auto at = [&](size_t position) {
        reader.Seek(position);
        return reader.U16BigEndian();
    };
    for (uint16_t s = 0; s < segments; ++s) {
        uint16_t last = at(ends + 2 * s);
        uint16_t first = at(starts + 2 * s);
        uint16_t delta = at(deltas + 2 * s);
        uint16_t rangeOffset = at(rangeOffsets + 2 * s);
        for (uint32_t c = first; c <= last; ++c) {
            uint16_t glyph = rangeOffset == 0
                                 ? static_cast<uint16_t>(c + delta)
                                 : at(rangeOffsets + 2 * s + rangeOffset + 2 * (c - first));
            if (rangeOffset != 0 && glyph != 0) glyph = static_cast<uint16_t>(glyph + delta);
            if (glyph != 0) AddRange(c, c, glyph);
        }
    }
}

void TrueTypeFont::AddRange(char32_t first, char32_t last, uint32_t glyph) {
    if (!ranges_.empty()) {
        Range& previous = ranges_.back();
        if (first <= previous.last) ByteReader(bytes_, kWhat).Fail("characters mapped twice");
        if (first == previous.last + 1 && glyph == previous.glyph + (first - previous.first)) {
            previous.last = last;
            return;
        }
    }
    ranges_.push_back({first, last, glyph});
}

uint16_t TrueTypeFont::GlyphIndex(char32_t c) const {
    auto after = std::upper_bound(ranges_.begin(), ranges_.end(), c,
                                  [](char32_t value, const Range& r) { return value < r.first; });
    if (after == ranges_.begin()) return 0;
    const Range& range = *std::prev(after);
    if (c > range.last) return 0;
    uint32_t glyph = range.glyph + (c - range.first);
    // A glyph the font does not have is the missing one.
    return glyph < glyphCount_ ? static_cast<uint16_t>(glyph) : 0;
}

uint16_t TrueTypeFont::AdvanceWidth(uint16_t glyph) const {
    return glyph < advances_.size() ? advances_[glyph] : advances_.back();
}

}  // namespace emulator
