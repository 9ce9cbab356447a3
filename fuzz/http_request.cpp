// Requests as a client sends them to the web server: whatever the bytes, the reader keeps
// its bounds, and it reads the same requests however the bytes are split (the first byte
// chooses where the rest is cut).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "emulator/drivers/web/http_request.h"

namespace {

using emulator::RequestReader;

// Each request taken, as text, then the refusal's status or "more".
std::vector<std::string> Outcome(const std::string& bytes, size_t cut) {
    std::vector<std::string> outcome;
    RequestReader reader;
    std::string buffer;
    for (const std::string& part : {bytes.substr(0, cut), bytes.substr(cut)}) {
        buffer += part;
        for (;;) {
            RequestReader::Step step = reader.Read(buffer);
            if (step == RequestReader::Step::kContinue) continue;
            if (step == RequestReader::Step::kRefused) {
                outcome.push_back("refused " + std::to_string(reader.Refusal().status));
                return outcome;
            }
            if (step == RequestReader::Step::kMore) break;
            emulator::HttpRequest request = reader.TakeRequest();
            if (request.body.size() > emulator::kMaxRequestBody) std::abort();
            if (request.headers.size() > emulator::kMaxHeaderLines) std::abort();
            std::string text = request.method + ' ' + request.path + '\n';
            for (const auto& [name, value] : request.query) text += name + '=' + value + '\n';
            for (const auto& [name, value] : request.headers) text += name + ": " + value + '\n';
            outcome.push_back(text + (request.keepAlive ? "keep\n" : "close\n") + request.body);
        }
    }
    outcome.push_back("more");
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    size_t cut = bytes.empty() ? 0 : data[0] % (bytes.size() + 1);
    if (Outcome(bytes, cut) != Outcome(bytes, bytes.size())) std::abort();
    return 0;
}
