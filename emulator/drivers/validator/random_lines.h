// Writes random scenario lines that fit what is on screen: the validator's user, who plays
// the actions of the action table, each argument drawn from its kind with valid and
// boundary values.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "emulator/drivers/scenario/action.h"

namespace emulator {

class Host;
struct Item;

class RandomLines {
  public:
    // The drawing files it saves and opens are in the folder DRAWINGS, which the caller
    // owns; with none, it leaves the actions on files out.
    explicit RandomLines(uint64_t seed, std::string drawings = {})
        : random_(seed), drawings_(std::move(drawings)) {}

    // Lines to play before `start`, drawn for HOST as it is then: the toolbox, menus and
    // preferences another session or plug-in left.
    std::vector<std::string> SetUp(const Host& host);
    // The next line for HOST as it is now: mostly what suits its state (an answer to the
    // modal window, the plug-in started, the gesture under way...), and under a modal
    // window now and then one the host must refuse.
    std::string Next(const Host& host);

  private:
    // What LineOf knows of the arguments drawn so far.
    struct LineSoFar {
        std::vector<std::string> previous;  // the words of the argument before
        const Item* item = nullptr;         // the item the last item number names
    };

    // A whole number in [LOW, HIGH].
    int64_t Between(int64_t low, int64_t high);
    bool OneIn(int64_t n) { return Between(1, n) == 1; }
    template <typename T>
    const T& AnyOf(const std::vector<T>& choices) {
        return choices[static_cast<size_t>(Between(0, static_cast<int64_t>(choices.size()) - 1))];
    }

    std::string UserLine(const Host& host);
    std::string UnderModalLine(const Host& host);
    // A line of an action of ROLE, or else of the user's, for HOST.
    std::string Line(Role role, const Host& host);
    // A line of an action of ROLE drawn by weight among those HOST is in the state for (or
    // among all of them, ANYTIME), whose arguments find what they name; none if no such.
    std::optional<std::string> Drawn(Role role, const Host& host, bool anytime = false);
    // ACTION with arguments drawn for HOST, or none when HOST has nothing they could name
    // (no dialog on screen, no path...).
    std::optional<std::string> LineOf(const Action& action, const Host& host);

    // The words of ARGUMENT, or none.
    std::optional<std::vector<std::string>> Fill(const Argument& argument, const Host& host,
                                                 LineSoFar& line);
    std::optional<std::vector<std::string>> ItemNumber(const Argument& argument, const Host& host,
                                                       LineSoFar& line);
    std::optional<std::vector<std::string>> PathNumber(const Host& host);
    std::optional<std::vector<std::string>> Entry(const Item* list);
    std::vector<std::string> Point(const Host& host);
    std::vector<std::string> Corners();
    std::optional<std::vector<std::string>> DrawingFile();
    std::string Coordinate();
    std::string FieldText();
    std::string PreferenceKey(const std::string& prefix);
    std::vector<std::string> PreferenceValue(const Argument& argument, const std::string& key);

    std::mt19937_64 random_;
    std::string drawings_;
};

}  // namespace emulator
