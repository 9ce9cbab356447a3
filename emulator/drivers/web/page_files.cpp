#include "emulator/drivers/web/page_files.h"

#include <filesystem>
#include <stdexcept>

#include "emulator/models/resources/elf_section.h"

namespace emulator {
namespace {

std::string ContentType(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    if (extension == ".html") return "text/html; charset=utf-8";
    if (extension == ".css") return "text/css; charset=utf-8";
    if (extension == ".js") return "text/javascript; charset=utf-8";
    if (extension == ".svg") return "image/svg+xml";
    if (extension == ".png") return "image/png";
    return "application/octet-stream";
}

}  // namespace

PageFiles::PageFiles(const std::string& folder) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) throw std::runtime_error("cannot read the page's folder " + folder);
    for (const std::filesystem::directory_entry& entry : entries) {
        if (!entry.is_regular_file()) continue;
        files_[entry.path().filename().string()] = {ContentType(entry.path()),
                                                    ReadWholeFile(entry.path().string())};
    }
    if (files_.count("index.html") == 0)
        throw std::runtime_error("the page's folder " + folder + " holds no index.html");
}

const PageFile* PageFiles::Find(const std::string& path) const {
    if (path == "/") return &files_.at("index.html");
    if (path.size() < 2 || path[0] != '/') return nullptr;
    auto found = files_.find(path.substr(1));
    return found == files_.end() ? nullptr : &found->second;
}

}  // namespace emulator
