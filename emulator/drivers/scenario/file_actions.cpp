// The drawing kept in a file: saved as it is, or opened in place of the document's.
#include <stdexcept>
#include <string>

#include "emulator/common/safe_file.h"
#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"
#include "emulator/models/drawing_file/drawing_file_reader.h"
#include "emulator/output/drawing_file_writer.h"

namespace emulator {
namespace {

Effect CompileSave(const ActionArguments& args) {
    return [file = args.Text(0)](Host& host, ActionContext&) {
        ReplaceFile(file, DrawingFileText(host.Drawing().Describe()), PreviousFile::kDropped);
        host.DrawingSaved();
    };
}

Effect CompileOpen(const ActionArguments& args) {
    return [file = args.Text(0)](Host& host, ActionContext&) {
        // Read whole before the document changes: a refused file leaves it as it was.
        host.OpenDrawing(ReadDrawingFile(file));
    };
}

}  // namespace

std::vector<Action> FileActions() {
    return {
        {"save",
         {Quoted(ArgumentKind::kDrawingFile, "FILE")},
         "writes the document to FILE as an SVG drawing that browsers and vector editors "
         "open, and that `open` reads back exactly",
         CompileSave},
        {"open",
         {Quoted(ArgumentKind::kDrawingFile, "FILE")},
         "replaces the document's page, layers and art with those of the drawing FILE (as "
         "`save` writes it) and tells the plug-in the art changed; a file that is not such a "
         "drawing is refused with its reason, the document untouched",
         CompileOpen},
    };
}

}  // namespace emulator
