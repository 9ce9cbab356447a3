// What a refusal says: tests check that bad data is refused for the right reason.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

// The message of the std::runtime_error CALL throws, or nothing when it throws none.
template <typename Call>
std::optional<std::string> RuntimeErrorOf(Call&& call) {
    try {
        call();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return std::nullopt;
}
