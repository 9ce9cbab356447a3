// Every reader of the plug-in's resources, fed each prefix of real data: it either reads
// it or refuses it with an error, and never reads past the end (the sanitizer build
// checks that).
#include <gtest/gtest.h>

#include <stdexcept>

#include "emulator/models/resources/dialog_resource.h"
#include "emulator/models/resources/elf_section.h"
#include "emulator/models/resources/menu_resource.h"
#include "emulator/models/resources/picture_resource.h"
#include "emulator/models/resources/property_list.h"
#include "emulator/models/resources/resource_file.h"

namespace {

// Parses each prefix of BYTES; counts those that were refused.
template <typename Parse>
size_t RefusedPrefixes(const std::vector<unsigned char>& bytes, Parse parse) {
    size_t refused = 0;
    for (size_t length = 0; length < bytes.size(); ++length) {
        std::vector<unsigned char> prefix(bytes.begin(), bytes.begin() + static_cast<long>(length));
        try {
            parse(prefix);
        } catch (const std::runtime_error&) {
            ++refused;
        }
    }
    return refused;
}

const emulator::ResourceFile& PluginResources() {
    static const emulator::ResourceFile file = emulator::LoadPluginResources(ORTAQ_PLUGIN_PATH);
    return file;
}

const emulator::Resource& Resource(const char* type, uint16_t number) {
    const emulator::Resource* found =
        PluginResources().Find(emulator::ResourceId::ParseType(type), number);
    if (found == nullptr) throw std::logic_error("missing resource");
    return *found;
}

TEST(TruncatedResources, TheMenuIsReadWholeOrRefused) {
    const auto& data = Resource("MENU", 128).data;
    // Only the whole template is a menu: every shorter prefix misses its last entry.
    EXPECT_EQ(RefusedPrefixes(data, [](const auto& bytes) { emulator::ParseMenuResource(bytes); }),
              data.size());
}

TEST(TruncatedResources, TheDialogTemplateIsReadWholeOrRefused) {
    const auto& data = Resource("DIALOG", 16400).data;
    EXPECT_EQ(
        RefusedPrefixes(data, [](const auto& bytes) { emulator::ParseDialogResource(bytes); }),
        data.size());
}

TEST(TruncatedResources, PicturesAreReadWholeOrRefused) {
    for (auto [type, number] :
         {std::pair{"BITMAP", 407}, std::pair{"BITMAP", 128}, std::pair{"PNG", 411}}) {
        emulator::Resource resource = Resource(type, static_cast<uint16_t>(number));
        const std::vector<unsigned char> whole = resource.data;
        EXPECT_EQ(RefusedPrefixes(whole,
                                  [&](const auto& bytes) {
                                      resource.data = bytes;
                                      emulator::ReadPictureResource(resource);
                                  }),
                  whole.size())
            << type << " " << number;
    }
}

TEST(TruncatedResources, ThePropertyListNeverReadsPastItsEnd) {
    const auto& data = Resource("PIPL", 16000).data;
    for (size_t length = 0; length < data.size(); ++length) {
        std::vector<unsigned char> prefix(data.begin(), data.begin() + static_cast<long>(length));
        EXPECT_FALSE(emulator::PropertyListName(prefix)) << length;
    }
}

TEST(TruncatedResources, TheResourceFileIsReadOrRefusedAtEveryLength) {
    std::string library = emulator::ReadWholeFile(ORTAQ_PLUGIN_PATH);
    std::string_view section = *emulator::FindElfSection(library, ".ortaq_resources");
    size_t whole = emulator::ResourceFile::Parse(section).All().size();
    // The start of the file, where the headers are, byte by byte; the rest in steps. A
    // prefix that is read holds no resource the whole file lacks.
    for (size_t length = 0; length < section.size(); length += length < 4096 ? 1 : 509) {
        try {
            EXPECT_LE(emulator::ResourceFile::Parse(section.substr(0, length)).All().size(), whole);
        } catch (const std::runtime_error&) {
        }
    }
}

}  // namespace
