#include "emulator/drivers/scenario/argument.h"

namespace emulator {

ArgumentForm FormOf(ArgumentKind kind) {
    switch (kind) {
        case ArgumentKind::kPoint:
            return ArgumentForm::kPoint;
        case ArgumentKind::kPoints:
            return ArgumentForm::kPoints;
        case ArgumentKind::kDistance:
        case ArgumentKind::kSliderValue:
            return ArgumentForm::kSingle;  // kept as float32s, as the host keeps them
        case ArgumentKind::kZoom:
            return ArgumentForm::kReal;
        case ArgumentKind::kPixels:
        case ArgumentKind::kWindowSide:
        case ArgumentKind::kPathNumber:
        case ArgumentKind::kItem:
        case ArgumentKind::kPopupEntry:
        case ArgumentKind::kFlyoutEntry:
        case ArgumentKind::kWholeNumber:
            return ArgumentForm::kWhole;
        case ArgumentKind::kPreferenceValue:
            return ArgumentForm::kPreference;
        case ArgumentKind::kLayerTitle:
        case ArgumentKind::kNewLayerTitle:
        case ArgumentKind::kDrawingFile:
        case ArgumentKind::kTypedText:
        case ArgumentKind::kToolTitle:
        case ArgumentKind::kMenuGroup:
        case ArgumentKind::kMenuItemText:
        case ArgumentKind::kPreferencePrefix:
        case ArgumentKind::kPreferenceKey:
        case ArgumentKind::kWord:
        case ArgumentKind::kText:
            break;
    }
    return ArgumentForm::kText;
}

Argument Bare(ArgumentKind kind, const std::string& shown) {
    Argument argument;
    argument.kind = kind;
    argument.shown = shown;
    return argument;
}

Argument Quoted(ArgumentKind kind, const std::string& shown) {
    Argument argument = Bare(kind, shown);
    argument.quoted = true;
    return argument;
}

Argument OneOf(const std::vector<std::string>& words) {
    std::string shown;
    for (const std::string& word : words) shown += (shown.empty() ? "" : "|") + word;
    Argument argument = Bare(ArgumentKind::kWord, shown);
    argument.words = words;
    return argument;
}

Argument TypedValue(const std::vector<std::string>& types) {
    Argument argument = OneOf(types);
    argument.kind = ArgumentKind::kPreferenceValue;
    argument.shown += " VALUE";
    return argument;
}

Argument ItemOf(Where where, Control control) {
    Argument argument = Bare(ArgumentKind::kItem, "N");
    argument.where = where;
    argument.control = control;
    return argument;
}

Argument Optional(Argument argument) {
    argument.presence = Presence::kOptional;
    return argument;
}

Argument WithPrevious(Argument argument) {
    argument.presence = Presence::kWithPrevious;
    return argument;
}

std::string UsageOf(const std::string& name, const std::vector<Argument>& arguments) {
    std::string usage = name;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const Argument& argument = arguments[i];
        usage += argument.presence == Presence::kOptional ? " [" : " ";
        usage += argument.quoted ? "\"" + argument.shown + "\"" : argument.shown;
        bool partEnds =
            i + 1 == arguments.size() || arguments[i + 1].presence != Presence::kWithPrevious;
        if (argument.presence != Presence::kRequired && partEnds) usage += "]";
    }
    return usage;
}

}  // namespace emulator
