// Writes random scenario lines that fit what is on screen: the validator's user, who tries
// every action of the action table with valid and boundary arguments.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace emulator {

class Host;

class RandomLines {
  public:
    explicit RandomLines(uint64_t seed) : random_(seed) {}

    // Lines to play before `start`: the toolbox, layers, menus and preferences another
    // session or plug-in left.
    std::vector<std::string> SetUp();
    // The next line for HOST as it is now: actions the host would carry out, and under a
    // modal window now and then one it must refuse.
    std::string Next(const Host& host);

    // The actions these lines use, and those of the table they leave out on purpose.
    static std::vector<std::string> ActionsUsed();
    static std::vector<std::string> ActionsLeftOut();

  private:
    // A whole number in [LOW, HIGH].
    int64_t Between(int64_t low, int64_t high);
    bool OneIn(int64_t n) { return Between(1, n) == 1; }
    template <typename T>
    const T& AnyOf(const std::vector<T>& choices) {
        return choices[static_cast<size_t>(Between(0, static_cast<int64_t>(choices.size()) - 1))];
    }

    std::string Point(const Host& host);
    std::string Coordinate();
    std::string Length();
    std::string FieldText();
    std::string Preference();

    std::string UserLine(const Host& host);
    std::string UnderModalLine(const Host& host);
    std::string ModalLine(const Host& host);
    std::string PanelLine(const Host& host);
    std::string PointerLine(const Host& host);
    std::string DocumentLine(const Host& host);
    std::string ApplicationLine(const Host& host);

    std::mt19937_64 random_;
};

}  // namespace emulator
