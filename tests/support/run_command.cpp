#include "tests/support/run_command.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::string TemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ortaq-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

CommandResult RunCommand(const std::string& command) {
    std::string dir = TemporaryDirectory();
    std::string out = dir + "/out", err = dir + "/err";
    int raw = std::system((command + " >" + out + " 2>" + err).c_str());
    CommandResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadTextFile(out);
    result.err = ReadTextFile(err);
    std::filesystem::remove_all(dir);
    return result;
}
