// Host objects handed to the plug-in as opaque handles. Every handle the plug-in gives
// back is looked up here: a stale or foreign one is found missing, never dereferenced.
// A handle is a serial number, never handed out twice in the process, so a removed object
// can be freed without a stale handle ever designating a newer one.
#pragma once

#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <unordered_map>

namespace host {

// One count for every table, so that a handle of one kind never matches an object of
// another (a menu item given where a menu group is expected, say).
inline uintptr_t NextHandleSerial() {
    static uintptr_t next = 1;  // 0 stands for "not a handle"
    return next++;
}

template <typename Handle, typename Object>
class HandleTable {
  public:
    Handle Add(std::unique_ptr<Object> object) {
        uintptr_t serial = NextHandleSerial();
        serials_[object.get()] = serial;
        objects_.emplace(serial, std::move(object));
        return ToHandle(serial);
    }

    // Null for a handle this table did not hand out or has removed.
    Object* Find(Handle handle) const {
        auto found = objects_.find(ToSerial(handle));
        return found != objects_.end() ? found->second.get() : nullptr;
    }

    // Takes the object out of use and frees it.
    bool Remove(Handle handle) {
        auto found = objects_.find(ToSerial(handle));
        if (found == objects_.end()) return false;
        serials_.erase(found->second.get());
        objects_.erase(found);
        return true;
    }

    // The object at INDEX in the order they were added (removed ones left out), or null.
    Object* At(size_t index) const {
        if (index >= objects_.size()) return nullptr;
        return std::next(objects_.begin(), static_cast<std::ptrdiff_t>(index))->second.get();
    }

    Handle HandleOf(const Object& object) const { return ToHandle(serials_.at(&object)); }

    template <typename Visit>
    void ForEach(Visit visit) const {
        for (const auto& [serial, object] : objects_) visit(*object);
    }

    size_t Size() const { return objects_.size(); }

  private:
    // Spread out and away from zero, so that a handle never looks like null or a small
    // integer the plug-in might pass by mistake.
    static constexpr uintptr_t kBase = 0x10000;
    static constexpr uintptr_t kStep = 16;

    static Handle ToHandle(uintptr_t serial) {
        return reinterpret_cast<Handle>(kBase + serial * kStep);
    }
    static uintptr_t ToSerial(Handle handle) {
        auto value = reinterpret_cast<uintptr_t>(handle);
        return value >= kBase && (value - kBase) % kStep == 0 ? (value - kBase) / kStep : 0;
    }

    std::map<uintptr_t, std::unique_ptr<Object>> objects_;  // by serial: the order of adding
    std::unordered_map<const Object*, uintptr_t> serials_;
};

}  // namespace host
