// The art the user selected with the host's selection tool.
#include <stdexcept>

#include "emulator/models/document/document.h"

namespace emulator {

void Document::Select(Art* art) {
    if (art == nullptr) {
        selection_ = nullptr;
        return;
    }
    if (art->parent == nullptr) throw std::invalid_argument("a layer's own group is not selected");
    if (!art->layer->Editable())
        throw std::invalid_argument("art of a locked or hidden layer cannot be selected");
    while (art->parent != art->layer->group) art = art->parent;
    selection_ = art;
}

void Document::SetLocked(Layer& layer, bool locked) {
    Touch(layer);
    layer.locked = locked;
    if (locked && selection_ != nullptr && selection_->layer == &layer) selection_ = nullptr;
}

}  // namespace emulator
