#include "emulator/common/json.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace emulator {
namespace {

[[noreturn]] void Fail(size_t offset, const std::string& reason) {
    throw std::runtime_error("JSON offset " + std::to_string(offset) + ": " + reason);
}

// nlohmann's message without its exception's id and, for a syntax error, without the line,
// column and "syntax error while parsing value - ": the offset says where.
std::string Reason(const Json::exception& error) {
    std::string_view text = error.what();
    text.remove_prefix(text.find("] ") + 2);
    if (text.starts_with("parse error")) text.remove_prefix(text.find(": ") + 2);
    if (text.starts_with("syntax error")) text.remove_prefix(text.find(" - ") + 3);
    return std::string(text);
}

// The offset of the first bracket nested deeper than kJsonMaxDepth, if any. Found before
// reading, so that no value deeper than that is ever built; brackets in strings do not count.
std::optional<size_t> TooDeep(std::string_view text) {
    int depth = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kJsonMaxDepth) return i;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return std::nullopt;
}

// Builds the value as nlohmann's own reader does, except that a key is looked for in an
// index of its object rather than by a search through it, so that an object of n keys is
// read in linear time.
class ValueBuilder final : public nlohmann::json_sax<Json> {
  public:
    Json Take() { return std::move(root_); }

    bool null() override { return Add(nullptr); }
    bool boolean(bool value) override { return Add(value); }
    bool number_integer(number_integer_t value) override { return Add(value); }
    bool number_unsigned(number_unsigned_t value) override { return Add(value); }
    bool number_float(number_float_t value, const string_t&) override { return Add(value); }
    bool string(string_t& value) override { return Add(std::move(value)); }
    bool binary(binary_t& value) override { return Add(Json::binary(std::move(value))); }
    bool start_object(std::size_t) override { return Open(Json::object()); }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override { return Open(Json::array()); }
    bool end_array() override { return Close(); }

    bool key(string_t& name) override {
        Container& object = open_.back();
        auto& members = object.value->get_ref<Json::object_t&>();
        auto [place, added] = object.places.try_emplace(name, members.size());
        if (added) AppendMember(*object.value, std::move(name), nullptr);
        object.member = &(members.begin() + static_cast<std::ptrdiff_t>(place->second))->second;
        return true;
    }

    bool parse_error(std::size_t position, const std::string&,
                     const Json::exception& error) override {
        Fail(position - 1, Reason(error));  // POSITION counts the faulty character
    }

  private:
    // An array or object still open. Its parents receive nothing until it closes, so the
    // pointers into them stay valid.
    struct Container {
        Json* value;
        std::unordered_map<std::string, size_t> places;  // an object's keys, by position
        Json* member = nullptr;  // in an object, where the value of the last key goes
    };

    // Puts VALUE where the text has it; answers where it now is.
    Json& Place(Json value) {
        if (open_.empty()) return root_ = std::move(value);
        Container& parent = open_.back();
        if (!parent.value->is_array()) return *parent.member = std::move(value);
        parent.value->push_back(std::move(value));
        return parent.value->back();
    }
    bool Add(Json value) {
        Place(std::move(value));
        return true;
    }
    bool Open(Json container) {
        open_.push_back({&Place(std::move(container)), {}});
        return true;
    }
    bool Close() {
        open_.pop_back();
        return true;
    }

    Json root_;
    std::vector<Container> open_;
};

}  // namespace

Json JsonFloat(float value) {
    if (!std::isfinite(value)) return nullptr;
    // The double nearest the float's shortest decimal prints as that decimal.
    char text[32];
    auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    double widened = 0;
    std::from_chars(text, end, widened);
    return widened;
}

void AppendMember(Json& object, std::string key, Json value) {
    object.get_ref<Json::object_t&>().push_back({std::move(key), std::move(value)});
}

Json ParseJson(std::string_view text) {
    if (std::optional<size_t> offset = TooDeep(text))
        Fail(*offset, "nested deeper than " + std::to_string(kJsonMaxDepth) + " levels");
    ValueBuilder builder;
    Json::sax_parse(text, &builder);
    return builder.Take();
}

std::string JsonFileText(const Json& value) {
    return value.dump(2) + '\n';
}

}  // namespace emulator
