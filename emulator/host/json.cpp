#include "emulator/host/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace host {
namespace {

std::string RealText(double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text = ec == std::errc() ? std::string(buffer, end) : "0";
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    return text;
}

void EscapeTo(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char code[8];
                    std::snprintf(code, sizeof code, "\\u%04x", c);
                    out += code;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    Json Document() {
        Json value = Value();
        SkipSpace();
        if (pos_ != text_.size()) Fail("text after the value");
        return value;
    }

  private:
    std::string_view text_;
    size_t pos_ = 0;

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("JSON offset " + std::to_string(pos_) + ": " + what);
    }
    void SkipSpace() {
        while (pos_ < text_.size() &&
               std::string_view(" \t\r\n").find(text_[pos_]) != std::string_view::npos)
            ++pos_;
    }
    bool Take(char c) {
        SkipSpace();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    void Expect(char c) {
        if (!Take(c)) Fail(std::string("expected '") + c + "'");
    }
    bool TakeWord(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    Json Value() {
        SkipSpace();
        if (pos_ >= text_.size()) Fail("unexpected end");
        char c = text_[pos_];
        if (c == '{') return ObjectValue();
        if (c == '[') return ArrayValue();
        if (c == '"') return Json(String());
        if (TakeWord("true")) return Json(true);
        if (TakeWord("false")) return Json(false);
        if (TakeWord("null")) return Json();
        return NumberValue();
    }
    Json ObjectValue() {
        Expect('{');
        Json object = Json::MakeObject();
        if (Take('}')) return object;
        do {
            SkipSpace();
            std::string key = String();
            Expect(':');
            object.Set(key, Value());
        } while (Take(','));
        Expect('}');
        return object;
    }
    Json ArrayValue() {
        Expect('[');
        Json array = Json::MakeArray();
        if (Take(']')) return array;
        do array.Push(Value());
        while (Take(','));
        Expect(']');
        return array;
    }
    std::string String() {
        if (pos_ >= text_.size() || text_[pos_] != '"') Fail("expected a string");
        ++pos_;
        std::string out;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            char c = text_[pos_++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size()) Fail("unfinished escape");
            char e = text_[pos_++];
            switch (e) {
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u':
                    out += UnicodeEscape();
                    break;
                default:
                    out += e;
            }
        }
        if (pos_ >= text_.size()) Fail("unfinished string");
        ++pos_;
        return out;
    }
    std::string UnicodeEscape() {
        if (pos_ + 4 > text_.size()) Fail("short \\u escape");
        unsigned code = 0;
        std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, code, 16);
        pos_ += 4;
        std::string out;
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
        return out;
    }
    Json NumberValue() {
        size_t start = pos_;
        while (pos_ < text_.size() &&
               std::string_view("+-0123456789.eE").find(text_[pos_]) != std::string_view::npos)
            ++pos_;
        std::string_view digits = text_.substr(start, pos_ - start);
        if (digits.empty()) Fail("unexpected character");
        int64_t whole = 0;
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), whole);
        if (ec == std::errc() && end == digits.data() + digits.size()) return Json(whole);
        double real = 0;
        auto [rend, rec] = std::from_chars(digits.data(), digits.data() + digits.size(), real);
        if (rec != std::errc() || rend != digits.data() + digits.size()) Fail("bad number");
        return Json(real);
    }
};

}  // namespace

Json::Json(double value) {
    if (std::isfinite(value)) value_ = Number{RealText(value)};
}

Json Json::Float(float value) {
    Json json;
    if (!std::isfinite(value)) return json;
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    json.value_ = Number{ec == std::errc() ? std::string(buffer, end) : "0"};
    return json;
}

Json& Json::Push(Json item) {
    if (IsNull()) value_ = Array{};
    std::get<Array>(value_).push_back(std::move(item));
    return std::get<Array>(value_).back();
}

Json& Json::Set(const std::string& key, Json value) {
    if (IsNull()) value_ = Object{};
    auto& members = std::get<Object>(value_);
    for (auto& [name, member] : members)
        if (name == key) return member = std::move(value);
    members.emplace_back(key, std::move(value));
    return members.back().second;
}

const Json* Json::Find(std::string_view key) const {
    for (const auto& [name, member] : AsObject())
        if (name == key) return &member;
    return nullptr;
}

const Json& Json::operator[](std::string_view key) const {
    const Json* member = Find(key);
    if (member == nullptr) throw std::out_of_range("no key \"" + std::string(key) + "\"");
    return *member;
}

const Json& Json::operator[](size_t index) const {
    return AsArray().at(index);
}

size_t Json::Size() const {
    return IsArray() ? AsArray().size() : AsObject().size();
}

bool Json::AsBool() const {
    return std::get<bool>(value_);
}

int64_t Json::AsInt() const {
    if (const auto* whole = std::get_if<int64_t>(&value_)) return *whole;
    return static_cast<int64_t>(AsDouble());
}

double Json::AsDouble() const {
    if (const auto* whole = std::get_if<int64_t>(&value_)) return static_cast<double>(*whole);
    const std::string& text = std::get<Number>(value_).text;
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

const std::string& Json::AsString() const {
    return std::get<std::string>(value_);
}
const Json::Array& Json::AsArray() const {
    return std::get<Array>(value_);
}
const Json::Object& Json::AsObject() const {
    return std::get<Object>(value_);
}

std::string Json::Dump(int indent) const {
    std::string out;
    DumpTo(out, indent, 0);
    out += '\n';
    return out;
}

void Json::DumpTo(std::string& out, int indent, int depth) const {
    auto newline = [&](int level) {
        if (indent == 0) return;
        out += '\n';
        out.append(static_cast<size_t>(indent * level), ' ');
    };
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                out += "null";
            } else if constexpr (std::is_same_v<T, bool>) {
                out += v ? "true" : "false";
            } else if constexpr (std::is_same_v<T, int64_t>) {
                out += std::to_string(v);
            } else if constexpr (std::is_same_v<T, Number>) {
                out += v.text;
            } else if constexpr (std::is_same_v<T, std::string>) {
                EscapeTo(out, v);
            } else if constexpr (std::is_same_v<T, Array>) {
                out += '[';
                for (size_t i = 0; i < v.size(); ++i) {
                    if (i > 0) out += ',';
                    newline(depth + 1);
                    v[i].DumpTo(out, indent, depth + 1);
                }
                if (!v.empty()) newline(depth);
                out += ']';
            } else {
                out += '{';
                for (size_t i = 0; i < v.size(); ++i) {
                    if (i > 0) out += ',';
                    newline(depth + 1);
                    EscapeTo(out, v[i].first);
                    out += indent == 0 ? ":" : ": ";
                    v[i].second.DumpTo(out, indent, depth + 1);
                }
                if (!v.empty()) newline(depth);
                out += '}';
            }
        },
        value_);
}

Json Json::Parse(std::string_view text) {
    return Parser(text).Document();
}

}  // namespace host
