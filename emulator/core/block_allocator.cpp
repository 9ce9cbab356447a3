#include "emulator/core/block_allocator.h"

#include <cstring>
#include <new>

namespace emulator {

void* BlockAllocator::Allocate(uint32_t size) {
    auto block =
        std::unique_ptr<unsigned char[]>(new (std::nothrow) unsigned char[size ? size : 1]);
    if (!block) return nullptr;
    std::memset(block.get(), kFreshByte, size);
    void* address = block.get();
    blocks_[address] = Held{std::move(block), size};
    return address;
}

bool BlockAllocator::Free(void* block) {
    auto found = blocks_.find(block);
    if (found == blocks_.end()) return false;
    blocks_.erase(found);
    return true;
}

}  // namespace emulator
