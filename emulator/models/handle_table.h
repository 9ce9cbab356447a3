// Host objects handed to the plug-in as opaque handles. Every handle the plug-in gives
// back is looked up here: a stale or foreign one is found missing, never dereferenced.
// A handle is a serial number, never handed out twice in the process, so a removed object
// can be freed without a stale handle ever designating a newer one.
//
// A HandleTable owns its objects; a HandleRegistry only gives handles to objects that
// something else owns (a dialog owns its items), which registers each object it makes and
// removes it before freeing it. Both number from the one count.
#pragma once

#include <atomic>
#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

namespace emulator {

// One count for every table of every host, so that a handle of one kind never matches an
// object of another (a menu item given where a menu group is expected, say), nor one host's
// handle an object of another host running on another thread.
inline uintptr_t NextHandleSerial() {
    static std::atomic<uintptr_t> next{1};  // 0 stands for "not a handle"
    return next.fetch_add(1, std::memory_order_relaxed);
}

template <typename Handle, typename Object>
class HandleRegistry {
  public:
    Handle Add(Object& object) { return AddAs(object, NextHandleSerial()); }

    // Gives OBJECT back the serial it had before it was removed: an object taken out of use
    // for a while (art whose deletion is undone) is found again under its old handle.
    Handle AddAs(Object& object, uintptr_t serial) {
        serials_[&object] = serial;
        objects_.emplace(serial, &object);
        return ToHandle(serial);
    }

    // OBJECT's serial, or 0 when it is not registered.
    uintptr_t SerialOf(const Object& object) const {
        auto found = serials_.find(&object);
        return found != serials_.end() ? found->second : 0;
    }

    // Null for a handle this registry did not hand out or has removed.
    Object* Find(Handle handle) const {
        auto found = objects_.find(ToSerial(handle));
        return found != objects_.end() ? found->second : nullptr;
    }

    // Takes OBJECT out of use: its handle is found missing from now on. False when it was
    // not registered.
    bool Remove(const Object& object) {
        auto found = serials_.find(&object);
        if (found == serials_.end()) return false;
        objects_.erase(found->second);
        serials_.erase(found);
        return true;
    }

    // The object at INDEX in the order they were added (removed ones left out), or null.
    Object* At(size_t index) const {
        if (index >= objects_.size()) return nullptr;
        return std::next(objects_.begin(), static_cast<std::ptrdiff_t>(index))->second;
    }

    // Null for no object.
    Handle HandleOf(const Object* object) const {
        return object != nullptr ? ToHandle(serials_.at(object)) : nullptr;
    }

    // In the order they were added.
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

    std::map<uintptr_t, Object*> objects_;  // by serial: the order of adding
    std::unordered_map<const Object*, uintptr_t> serials_;
};

template <typename Handle, typename Object>
class HandleTable {
  public:
    Handle Add(std::unique_ptr<Object> object) {
        Handle handle = registry_.Add(*object);
        owned_.emplace(object.get(), std::move(object));
        return handle;
    }

    Object* Find(Handle handle) const { return registry_.Find(handle); }

    // Takes the object out of use and frees it.
    bool Remove(Handle handle) {
        Object* object = registry_.Find(handle);
        if (object == nullptr) return false;
        registry_.Remove(*object);
        owned_.erase(object);
        return true;
    }

    // Takes OBJECT out of use as Remove does, but keeps it: its handle is found missing until
    // Resume gives it back. Undoing a deletion restores the very object the plug-in knew.
    void Suspend(const Object& object) {
        uintptr_t serial = registry_.SerialOf(object);
        if (serial == 0) return;
        registry_.Remove(object);
        suspended_[&object] = serial;
    }
    void Resume(Object& object) {
        auto found = suspended_.find(&object);
        if (found == suspended_.end()) return;
        registry_.AddAs(object, found->second);
        suspended_.erase(found);
    }
    bool Suspended(const Object& object) const { return suspended_.contains(&object); }
    bool InUse(const Object& object) const { return registry_.SerialOf(object) != 0; }
    // Frees a suspended OBJECT for good.
    void Erase(const Object& object) {
        if (suspended_.erase(&object) > 0) owned_.erase(&object);
    }
    // The objects kept while out of use.
    size_t SuspendedCount() const { return suspended_.size(); }

    // Removes, as Remove does, every object SELECTED answers true for.
    template <typename Select>
    void RemoveIf(Select selected) {
        std::vector<Handle> chosen;
        registry_.ForEach([&](const Object& object) {
            if (selected(object)) chosen.push_back(registry_.HandleOf(&object));
        });
        for (Handle handle : chosen) Remove(handle);
    }

    Object* At(size_t index) const { return registry_.At(index); }
    Handle HandleOf(const Object* object) const { return registry_.HandleOf(object); }
    template <typename Visit>
    void ForEach(Visit visit) const {
        registry_.ForEach(visit);
    }
    size_t Size() const { return registry_.Size(); }

  private:
    HandleRegistry<Handle, Object> registry_;
    std::unordered_map<const Object*, std::unique_ptr<Object>> owned_;
    std::unordered_map<const Object*, uintptr_t> suspended_;  // their serials
};

// Registers OBJECT, which lives only for one call into the plug-in (what a drawing
// procedure draws with, say), until the call is over.
template <typename Handle, typename Object>
class LentHandle {
  public:
    LentHandle(HandleRegistry<Handle, Object>& registry, Object& object)
        : registry_(registry), object_(object), handle_(registry.Add(object)) {}
    ~LentHandle() { registry_.Remove(object_); }
    LentHandle(const LentHandle&) = delete;
    LentHandle& operator=(const LentHandle&) = delete;

    Handle Get() const { return handle_; }

  private:
    HandleRegistry<Handle, Object>& registry_;
    Object& object_;
    Handle handle_;
};

}  // namespace emulator
