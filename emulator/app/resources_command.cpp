#include "emulator/app/resources_command.h"

#include <charconv>
#include <iostream>

#include "emulator/app/exit_codes.h"
#include "emulator/host/resources/resource_file.h"

namespace {

void List(const host::ResourceFile& file) {
    for (const host::Resource& resource : file.All()) {
        std::cout << resource.type.TypeName() << ' '
                  << (resource.name.number ? std::to_string(*resource.name.number)
                                           : resource.name.text)
                  << ' ' << resource.language << ' ' << resource.data.size() << '\n';
    }
}

int Extract(const host::ResourceFile& file, const std::string& type, const std::string& number) {
    uint16_t id = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), id);
    if (ec != std::errc() || end != number.data() + number.size()) {
        std::cerr << "ortaq-host resources: \"" << number << "\" is not a resource number\n";
        return kExitFailure;
    }
    const host::Resource* resource = file.Find(host::ResourceId::ParseType(type), id);
    if (resource == nullptr) {
        std::cerr << "ortaq-host resources: no resource " << type << ' ' << number << '\n';
        return kExitFailure;
    }
    std::cout.write(reinterpret_cast<const char*>(resource->data.data()),
                    static_cast<std::streamsize>(resource->data.size()));
    return std::cout ? kExitOk : kExitFailure;
}

}  // namespace

int ResourcesCommand(const std::vector<std::string>& args) {
    bool list = args.size() == 1;
    bool extract = args.size() == 4 && args[1] == "--extract";
    if (!list && !extract) {
        std::cerr << "usage: ortaq-host resources PLUGIN [--extract TYPE NUMBER]\n";
        return kExitFailure;
    }
    try {
        host::ResourceFile file = host::LoadPluginResources(args[0]);
        if (list) {
            List(file);
            return kExitOk;
        }
        return Extract(file, args[2], args[3]);
    } catch (const std::exception& error) {
        std::cerr << "ortaq-host resources: " << error.what() << '\n';
        return kExitFailure;
    }
}
