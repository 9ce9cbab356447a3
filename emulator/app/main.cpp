// ortaq-host: the emulated host application.
#include <iostream>
#include <string>
#include <vector>

#include "emulator/app/exit_codes.h"
#include "emulator/app/play_command.h"
#include "emulator/app/resources_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "usage: " << kPlayUsage << "\n"
                  << "       ortaq-host resources PLUGIN [--extract TYPE NUMBER]\n";
        return kExitFailure;
    }
    std::string command = args.front();
    args.erase(args.begin());
    try {
        if (command == "play") return PlayCommand(args);
        if (command == "resources") return ResourcesCommand(args);
    } catch (const std::exception& error) {
        std::cerr << "ortaq-host: " << error.what() << '\n';
        return kExitFailure;
    }
    std::cerr << "ortaq-host: unknown command \"" << command << "\"\n";
    return kExitFailure;
}
