// Host objects handed to the plug-in as opaque handles. Every handle the plug-in gives
// back is looked up here: a stale or foreign one is found missing, never dereferenced.
#pragma once

#include <memory>
#include <vector>

namespace host {

template <typename Handle, typename Object>
class HandleTable {
  public:
    Handle Add(std::unique_ptr<Object> object) {
        objects_.push_back(std::move(object));
        return reinterpret_cast<Handle>(objects_.back().get());
    }

    // Null for a handle this table did not hand out or has removed.
    Object* Find(Handle handle) const {
        for (const auto& object : objects_)
            if (reinterpret_cast<Handle>(object.get()) == handle) return object.get();
        return nullptr;
    }

    // Takes the object out of use. It is kept, so that its address is never handed out
    // again and a stale handle can never designate a newer object.
    bool Remove(Handle handle) {
        for (auto it = objects_.begin(); it != objects_.end(); ++it) {
            if (reinterpret_cast<Handle>(it->get()) != handle) continue;
            removed_.push_back(std::move(*it));
            objects_.erase(it);
            return true;
        }
        return false;
    }

    // The object at INDEX in the order they were added (removed ones left out), or null.
    Object* At(size_t index) const {
        return index < objects_.size() ? objects_[index].get() : nullptr;
    }

    Handle HandleOf(const Object& object) const {
        return reinterpret_cast<Handle>(const_cast<Object*>(&object));
    }

    template <typename Visit>
    void ForEach(Visit visit) const {
        for (const auto& object : objects_) visit(*object);
    }

    size_t Size() const { return objects_.size(); }

  private:
    std::vector<std::unique_ptr<Object>> objects_;
    std::vector<std::unique_ptr<Object>> removed_;
};

}  // namespace host
