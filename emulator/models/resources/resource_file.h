// Compiled Windows resources in the standard .res format, looked up by type and number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace emulator {

// A resource type or name: a number, or a string (named types such as "PIPL").
struct ResourceId {
    std::optional<uint16_t> number;
    std::string text;  // UTF-8, used when number is empty

    bool operator==(const ResourceId&) const = default;
    // "PIPL", "BITMAP" for standard numbered types, or the number itself.
    std::string TypeName() const;
    // Reads what TypeName writes, and plain numbers.
    static ResourceId ParseType(std::string_view word);
};

struct Resource {
    ResourceId type;
    ResourceId name;
    uint16_t language = 0;
    std::vector<unsigned char> data;
};

class ResourceFile {
  public:
    // Throws std::runtime_error when BYTES are not a well-formed .res file.
    static ResourceFile Parse(std::string_view bytes);
    // Resources found otherwise (the Windows loader's), in the order given.
    static ResourceFile FromResources(std::vector<Resource> resources);

    const std::vector<Resource>& All() const { return resources_; }
    // The first resource of TYPE with the number NUMBER, or null.
    const Resource* Find(const ResourceId& type, uint16_t number) const;

  private:
    std::vector<Resource> resources_;
};

// The resources a plug-in library carries, or those of a bare .res file: on Linux the ELF
// section ".ortaq_resources"; on Windows the DLL's own resources, through the system's
// resource functions. Throws std::runtime_error with one line on failure.
ResourceFile LoadPluginResources(const std::string& path);

}  // namespace emulator
