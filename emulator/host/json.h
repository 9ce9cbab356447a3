// A small JSON value: built by the emulator for its state file, read back by tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace host {

class Json {
  public:
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>;  // keeps insertion order

    Json() = default;  // null
    Json(bool value) : value_(value) {}
    Json(int value) : value_(static_cast<int64_t>(value)) {}
    Json(int64_t value) : value_(value) {}
    Json(uint32_t value) : value_(static_cast<int64_t>(value)) {}
    // A real, written as the shortest decimal that reads back to the same double, with ".0"
    // after a whole number so that it reads back as a real too. Null when not finite.
    Json(double value);
    Json(const char* text) : value_(std::string(text)) {}
    Json(std::string text) : value_(std::move(text)) {}
    Json(Array items) : value_(std::move(items)) {}
    Json(Object members) : value_(std::move(members)) {}

    // The shortest decimal that reads back to the same float32.
    static Json Float(float value);
    static Json MakeArray() { return Json(Array{}); }
    static Json MakeObject() { return Json(Object{}); }

    bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
    bool IsBool() const { return std::holds_alternative<bool>(value_); }
    bool IsInteger() const { return std::holds_alternative<int64_t>(value_); }
    bool IsReal() const { return std::holds_alternative<Number>(value_); }
    bool IsString() const { return std::holds_alternative<std::string>(value_); }
    bool IsObject() const { return std::holds_alternative<Object>(value_); }
    bool IsArray() const { return std::holds_alternative<Array>(value_); }

    // Appends to an array.
    Json& Push(Json item);
    // Sets a member of an object, replacing one of the same key.
    Json& Set(const std::string& key, Json value);

    // Reading, for tests and tools. A missing key or a value of another kind throws.
    const Json& operator[](std::string_view key) const;
    const Json& operator[](size_t index) const;
    const Json* Find(std::string_view key) const;
    size_t Size() const;
    bool AsBool() const;
    int64_t AsInt() const;
    double AsDouble() const;
    const std::string& AsString() const;
    const Array& AsArray() const;
    const Object& AsObject() const;

    std::string Dump(int indent = 2) const;

    // Throws std::runtime_error naming the offset of the first fault.
    static Json Parse(std::string_view text);

  private:
    struct Number {
        std::string text;  // exactly as it will be written
    };
    std::variant<std::monostate, bool, int64_t, Number, std::string, Array, Object> value_;

    void DumpTo(std::string& out, int indent, int depth) const;
};

}  // namespace host
