#include "emulator/app/drawing_option.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "emulator/common/terminal_text.h"
#include "emulator/core/host.h"
#include "emulator/models/drawing_file/drawing_file_reader.h"

void AddOpenOption(CLI::App& command, std::string& file) {
    command
        .add_option("--open", file,
                    "opens this drawing (an SVG file the save action wrote) before anything plays")
        ->type_name("FILE");
}

bool OpenDrawingAtStart(emulator::Host& host, const std::string& file) {
    if (file.empty()) return true;
    try {
        host.OpenDrawing(emulator::ReadDrawingFile(file));
        return true;
    } catch (const emulator::DrawingFileError& refused) {
        std::cerr << "ortaq-host: " << emulator::TerminalText(refused.what()) << '\n';
        return false;
    }
}
