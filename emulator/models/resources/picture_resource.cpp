#include "emulator/models/resources/picture_resource.h"

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "emulator/models/resources/byte_reader.h"

namespace emulator {
namespace {

constexpr size_t kBitmapFileHeaderSize = 14;
constexpr uint32_t kBitmapInfoHeaderSize = 40;
constexpr uint32_t kUncompressed = 0;  // BI_RGB

struct BitmapInfo {
    uint32_t headerSize;
    int32_t width;
    int32_t height;  // negative for rows stored top-down
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t coloursUsed;
};

BitmapInfo ReadBitmapInfo(ByteReader& reader) {
    BitmapInfo info{};
    info.headerSize = reader.U32();
    if (info.headerSize < kBitmapInfoHeaderSize)
        reader.Fail("a header of " + std::to_string(info.headerSize) +
                    " bytes is not a BITMAPINFOHEADER");
    info.width = static_cast<int32_t>(reader.U32());
    info.height = static_cast<int32_t>(reader.U32());
    info.planes = reader.U16();
    info.bitCount = reader.U16();
    info.compression = reader.U32();
    reader.Take(12);  // image size, horizontal and vertical resolution
    info.coloursUsed = reader.U32();
    reader.Seek(info.headerSize);  // skips what later versions of the header add
    return info;
}

// Entries of the colour table, which sits between the header and the pixels.
uint64_t ColourTableEntries(const BitmapInfo& info, const ByteReader& reader) {
    if (info.bitCount > 8) return info.coloursUsed;
    uint32_t most = uint32_t{1} << info.bitCount;
    if (info.coloursUsed > most)
        reader.Fail(std::to_string(info.coloursUsed) + " colours for " +
                    std::to_string(info.bitCount) + " bits a pixel");
    return info.coloursUsed != 0 ? info.coloursUsed : most;
}

uint32_t Rows(const BitmapInfo& info) {
    return info.height < 0 ? -static_cast<uint32_t>(info.height) : info.height;
}

void CheckBitmapInfo(const BitmapInfo& info, const ByteReader& reader) {
    if (info.width <= 0 || info.height == 0)
        reader.Fail("a size of " + std::to_string(info.width) + " x " +
                    std::to_string(info.height) + " pixels");
    if (info.planes != 1) reader.Fail(std::to_string(info.planes) + " planes");
    constexpr std::array<uint16_t, 6> kBitCounts = {1, 4, 8, 16, 24, 32};
    if (std::find(kBitCounts.begin(), kBitCounts.end(), info.bitCount) == kBitCounts.end())
        reader.Fail(std::to_string(info.bitCount) + " bits a pixel");
    if (info.compression != kUncompressed)
        reader.Fail("compression " + std::to_string(info.compression) + " is not read");
}

// Each row of pixels is padded to four bytes.
void CheckPixelsFit(const BitmapInfo& info, const ByteReader& reader) {
    uint64_t rowBytes = (uint64_t{static_cast<uint32_t>(info.width)} * info.bitCount + 31) / 32 * 4;
    if (rowBytes > reader.Remaining() / Rows(info)) reader.Fail("the pixels run past the end");
}

void AppendU16(std::vector<unsigned char>& out, uint16_t value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void AppendU32(std::vector<unsigned char>& out, uint32_t value) {
    AppendU16(out, static_cast<uint16_t>(value));
    AppendU16(out, static_cast<uint16_t>(value >> 16));
}

// BITMAPFILEHEADER: "BM", the file's size, two reserved words, where the pixels start.
std::vector<unsigned char> BitmapFile(const std::vector<unsigned char>& data,
                                      uint32_t pixelsOffset) {
    std::vector<unsigned char> file = {'B', 'M'};
    AppendU32(file, static_cast<uint32_t>(kBitmapFileHeaderSize + data.size()));
    AppendU32(file, 0);
    AppendU32(file, static_cast<uint32_t>(kBitmapFileHeaderSize + pixelsOffset));
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

// CRC-32 as PNG uses it (polynomial 0xEDB88320), over a chunk's type and data.
uint32_t Crc32(std::string_view bytes) {
    uint32_t crc = 0xFFFFFFFF;
    for (char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit) crc = crc >> 1 ^ (crc & 1 ? 0xEDB88320 : 0);
    }
    return ~crc;
}

struct PngChunk {
    std::string_view type;
    std::string_view data;
};

PngChunk ReadPngChunk(ByteReader& reader) {
    uint32_t length = reader.U32BigEndian();
    std::string_view typeAndData = reader.Take(4 + size_t{length});
    if (reader.U32BigEndian() != Crc32(typeAndData))
        reader.Fail("chunk \"" + std::string(typeAndData.substr(0, 4)) + "\" fails its checksum");
    return {typeAndData.substr(0, 4), typeAndData.substr(4)};
}

// Every chunk is read, so that a cut or damaged file is refused whole.
void CheckChunksUpToTheEnd(ByteReader& reader) {
    while (true) {
        if (reader.AtEnd()) reader.Fail("the file ends before its IEND chunk");
        if (ReadPngChunk(reader).type == "IEND") return;
    }
}

}  // namespace

Picture ReadBitmapResource(const std::vector<unsigned char>& data) {
    ByteReader reader(data, "BITMAP resource");
    if (data.size() > std::numeric_limits<uint32_t>::max() - kBitmapFileHeaderSize)
        reader.Fail("too large for a .bmp file");
    BitmapInfo info = ReadBitmapInfo(reader);
    CheckBitmapInfo(info, reader);
    reader.Take(ColourTableEntries(info, reader) * 4);
    uint32_t pixelsOffset = static_cast<uint32_t>(reader.Position());
    CheckPixelsFit(info, reader);
    return {static_cast<uint32_t>(info.width), Rows(info), "image/bmp",
            BitmapFile(data, pixelsOffset)};
}

Picture ReadPngResource(const std::vector<unsigned char>& data) {
    ByteReader reader(data, "PNG resource");
    if (reader.Remaining() < 8 || reader.Take(8) != "\x89PNG\r\n\x1a\n")
        reader.Fail("no PNG signature");
    PngChunk header = ReadPngChunk(reader);
    if (header.type != "IHDR" || header.data.size() != 13) reader.Fail("no IHDR chunk first");
    ByteReader fields(header.data, "PNG header");
    uint32_t width = fields.U32BigEndian();
    uint32_t height = fields.U32BigEndian();
    if (width == 0 || height == 0)
        reader.Fail("a size of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels");
    CheckChunksUpToTheEnd(reader);
    return {width, height, "image/png", data};
}

Picture ReadPictureResource(const Resource& resource) {
    if (resource.type == ResourceId::ParseType("BITMAP")) return ReadBitmapResource(resource.data);
    if (resource.type == ResourceId::ParseType("PNG")) return ReadPngResource(resource.data);
    throw std::runtime_error(resource.type.TypeName() + " is not a picture resource");
}

}  // namespace emulator
