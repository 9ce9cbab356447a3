#include "emulator/drivers/web/http_request.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace emulator {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string_view Trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A header name's characters (a token's).
bool IsTokenChar(unsigned char c) {
    return std::isalnum(c) ||
           std::string_view("!#$%&'*+-.^_`|~").find(static_cast<char>(c)) != std::string_view::npos;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// TEXT with its %XX escapes (and, in a query, its '+') decoded; nothing for a broken escape.
std::optional<std::string> Decoded(std::string_view text, bool inQuery) {
    std::string decoded;
    for (size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '+' && inQuery) {
            decoded += ' ';
        } else if (text[k] != '%') {
            decoded += text[k];
        } else {
            if (k + 2 >= text.size()) return std::nullopt;
            int high = HexDigit(text[k + 1]);
            int low = HexDigit(text[k + 2]);
            if (high < 0 || low < 0) return std::nullopt;
            decoded += static_cast<char>(high * 16 + low);
            k += 2;
        }
    }
    return decoded;
}

// The head's lines, without their ends (CRLF, or a bare LF).
std::vector<std::string_view> Lines(std::string_view head) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < head.size()) {
        size_t end = head.find('\n', start);
        std::string_view line = head.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Where the head's blank line ends in TEXT, searching from FROM; npos when it has none yet.
size_t HeadEnd(std::string_view text, size_t from) {
    for (size_t k = text.find('\n', from); k != std::string_view::npos;
         k = text.find('\n', k + 1)) {
        if (k + 1 < text.size() && text[k + 1] == '\n') return k + 2;
        if (k + 2 < text.size() && text[k + 1] == '\r' && text[k + 2] == '\n') return k + 3;
    }
    return std::string_view::npos;
}

}  // namespace

std::string HttpRequest::Header(const std::string& name) const {
    for (const auto& [key, value] : headers)
        if (key == name) return value;
    return {};
}

RequestReader::Step RequestReader::Refuse(int status, std::string reason) {
    refusal_ = {status, std::move(reason)};
    return Step::kRefused;
}

RequestReader::Step RequestReader::Read(std::string& buffer) {
    if (!head_) {
        // Searched again from a little before where the last search stopped: the blank line
        // may straddle two reads.
        size_t headLength = HeadEnd(buffer, scanned_ < 2 ? 0 : scanned_ - 2);
        if (headLength == std::string::npos) {
            scanned_ = buffer.size();
            if (buffer.size() > kMaxRequestHead)
                return Refuse(431, "the request's head is longer than the host takes");
            return Step::kMore;
        }
        if (headLength > kMaxRequestHead)
            return Refuse(431, "the request's head is longer than the host takes");
        if (Step step = ReadHead(buffer, headLength); step != Step::kMore) return step;
    }
    if (buffer.size() < bodyLength_) {
        if (!continueAsked_ && Lower(head_->Header("expect")) == "100-continue") {
            continueAsked_ = true;
            return Step::kContinue;
        }
        return Step::kMore;
    }
    request_ = std::move(*head_);
    request_.body = buffer.substr(0, bodyLength_);
    buffer.erase(0, bodyLength_);
    head_.reset();
    scanned_ = 0;
    bodyLength_ = 0;
    continueAsked_ = false;
    return Step::kRequest;
}

RequestReader::Step RequestReader::ReadHead(std::string& buffer, size_t headLength) {
    std::vector<std::string_view> lines = Lines(std::string_view(buffer).substr(0, headLength));
    // A client may send blank lines before its request.
    while (!lines.empty() && lines.front().empty()) lines.erase(lines.begin());
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.empty()) return Refuse(400, "the request has no request line");
    if (lines.size() - 1 > kMaxHeaderLines)
        return Refuse(431, "the request has more headers than the host takes");

    HttpRequest request;
    std::string_view requestLine = lines.front();
    size_t firstSpace = requestLine.find(' ');
    size_t lastSpace = requestLine.rfind(' ');
    if (firstSpace == std::string_view::npos || firstSpace == lastSpace)
        return Refuse(400, "the request line is not METHOD TARGET VERSION");
    request.method = requestLine.substr(0, firstSpace);
    std::string_view target = requestLine.substr(firstSpace + 1, lastSpace - firstSpace - 1);
    std::string_view version = requestLine.substr(lastSpace + 1);
    if (version != "HTTP/1.1" && version != "HTTP/1.0") {
        if (version.substr(0, 5) != "HTTP/")
            return Refuse(400, "the request line is not METHOD TARGET VERSION");
        return Refuse(505, "the host speaks HTTP/1.1 only");
    }
    if (request.method.empty() || !std::all_of(request.method.begin(), request.method.end(),
                                               [](unsigned char c) { return IsTokenChar(c); }))
        return Refuse(400, "the request's method is not a word");
    if (target.empty() || target.front() != '/')
        return Refuse(400, "the request's target is not a path");

    size_t question = target.find('?');
    std::optional<std::string> path = Decoded(target.substr(0, question), false);
    if (!path) return Refuse(400, "the request's path has a broken %-escape");
    request.path = *path;
    if (question != std::string_view::npos) {
        std::string_view query = target.substr(question + 1);
        while (!query.empty()) {
            size_t amp = query.find('&');
            std::string_view pair = query.substr(0, amp);
            size_t equals = pair.find('=');
            std::optional<std::string> name = Decoded(pair.substr(0, equals), true);
            std::optional<std::string> value = equals == std::string_view::npos
                                                   ? std::string()
                                                   : Decoded(pair.substr(equals + 1), true);
            if (!name || !value) return Refuse(400, "the request's query has a broken %-escape");
            request.query.emplace(*name, *value);
            query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
        }
    }

    for (size_t k = 1; k < lines.size(); ++k) {
        std::string_view line = lines[k];
        size_t colon = line.find(':');
        std::string_view name = line.substr(0, colon);
        if (colon == std::string_view::npos || name.empty() ||
            !std::all_of(name.begin(), name.end(), [](unsigned char c) { return IsTokenChar(c); }))
            return Refuse(400, "a header line is not NAME: VALUE");
        request.headers.emplace_back(Lower(name), Trimmed(line.substr(colon + 1)));
    }

    // Headers that say who is asking or where the body ends: two of one, and a reader
    // along the way may have read the other.
    for (const char* single : {"host", "origin", "cookie", "content-length"})
        if (std::count_if(request.headers.begin(), request.headers.end(),
                          [single](const auto& header) { return header.first == single; }) > 1)
            return Refuse(400, std::string("the request has two ") + single + " headers");
    if (!request.Header("transfer-encoding").empty())
        return Refuse(501, "the host takes a body of a stated length only (no Transfer-Encoding)");
    std::string length = request.Header("content-length");
    if (!length.empty()) {
        if (length.find_first_not_of("0123456789") != std::string::npos)
            return Refuse(400, "the request's Content-Length is not a number");
        // Refused before a byte of it is read.
        size_t most = request.method == "POST" && request.path == kUploadPath ? kMaxUploadBody
                                                                              : kMaxRequestBody;
        if (length.size() > 9 || std::stoul(length) > most)
            return Refuse(413, "the request's body is longer than the host takes");
        bodyLength_ = std::stoul(length);
    }
    std::string connection = Lower(request.Header("connection"));
    request.keepAlive = version == "HTTP/1.1" ? connection.find("close") == std::string::npos
                                              : connection.find("keep-alive") != std::string::npos;

    buffer.erase(0, headLength);
    head_ = std::move(request);
    return Step::kMore;
}

HttpRequest RequestReader::TakeRequest() {
    return std::move(request_);
}

}  // namespace emulator
