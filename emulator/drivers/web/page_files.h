// The page's own files, which the web server serves and nothing else: read once from their
// folder when the server starts, and found by their exact name, so that no request path
// reaches the disk.
#pragma once

#include <map>
#include <string>

namespace emulator {

struct PageFile {
    std::string contentType;
    std::string content;
};

class PageFiles {
  public:
    // Reads every regular file directly in FOLDER (not its subfolders). Throws
    // std::runtime_error when the folder or a file cannot be read, or holds no index.html.
    explicit PageFiles(const std::string& folder);

    // The file a request PATH names: "/" is index.html, "/NAME" the file NAME. Null for
    // any other path.
    const PageFile* Find(const std::string& path) const;

  private:
    std::map<std::string, PageFile> files_;
};

}  // namespace emulator
