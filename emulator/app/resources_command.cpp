#include "emulator/app/resources_command.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <iostream>

#include "emulator/app/exit_codes.h"
#include "emulator/models/resources/picture_resource.h"
#include "emulator/models/resources/resource_file.h"

namespace {

void List(const emulator::ResourceFile& file) {
    for (const emulator::Resource& resource : file.All()) {
        std::cout << resource.type.TypeName() << ' '
                  << (resource.name.number ? std::to_string(*resource.name.number)
                                           : resource.name.text)
                  << ' ' << resource.language << ' ' << resource.data.size() << '\n';
    }
}

// What --extract writes: a bitmap as a .bmp file a viewer opens, anything else as stored.
std::vector<unsigned char> ExtractedBytes(const emulator::Resource& resource) {
    if (resource.type == emulator::ResourceId::ParseType("BITMAP"))
        return emulator::ReadBitmapResource(resource.data).file;
    return resource.data;
}

int Extract(const emulator::ResourceFile& file, const std::string& type,
            const std::string& number) {
    uint16_t id = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), id);
    if (ec != std::errc() || end != number.data() + number.size()) {
        std::cerr << "ortaq-host resources: \"" << number << "\" is not a resource number\n";
        return kExitFailure;
    }
    const emulator::Resource* resource = file.Find(emulator::ResourceId::ParseType(type), id);
    if (resource == nullptr) {
        std::cerr << "ortaq-host resources: no resource " << type << ' ' << number << '\n';
        return kExitFailure;
    }
    std::vector<unsigned char> bytes = ExtractedBytes(*resource);
    std::cout.write(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<std::streamsize>(bytes.size()));
    return std::cout ? kExitOk : kExitFailure;
}

}  // namespace

CLI::App* AddResourcesCommand(CLI::App& app, ResourcesOptions& options) {
    CLI::App* command = app.add_subcommand(
        "resources",
        "lists the plug-in's resources (type, number, language, size in bytes), or writes one "
        "to standard output as stored; a BITMAP comes out as a complete .bmp file");
    command->add_option("PLUGIN", options.plugin, "the plug-in library")->required();
    command
        ->add_option("--extract", options.extract,
                     "writes the resource TYPE NUMBER to standard output")
        ->expected(2)
        ->type_name("TYPE NUMBER");
    return command;
}

int ResourcesCommand(const ResourcesOptions& options) {
    try {
        emulator::ResourceFile file = emulator::LoadPluginResources(options.plugin);
        if (options.extract.empty()) {
            List(file);
            return kExitOk;
        }
        return Extract(file, options.extract[0], options.extract[1]);
    } catch (const std::exception& error) {
        std::cerr << "ortaq-host resources: " << error.what() << '\n';
        return kExitFailure;
    }
}
