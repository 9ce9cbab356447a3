// Memory the plug-in asks of the host. Blocks are handed out uncleared, as the real host
// does, and every block still held is freed when the host goes away.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>

namespace emulator {

class BlockAllocator {
  public:
    // Filled into every new block, so that a plug-in reading fields it never wrote sees
    // a recognisable pattern rather than zeros.
    static constexpr unsigned char kFreshByte = 0xA5;

    void* Allocate(uint32_t size);
    // False when BLOCK was not handed out here (or was freed already).
    bool Free(void* block);

    struct Block {
        const unsigned char* data;
        uint32_t size;
    };
    // Live blocks in address order.
    template <typename Visit>
    void ForEach(Visit visit) const {
        for (const auto& [address, held] : blocks_) visit(Block{held.bytes.get(), held.size});
    }
    size_t Count() const { return blocks_.size(); }

  private:
    struct Held {
        std::unique_ptr<unsigned char[]> bytes;
        uint32_t size;
    };
    std::map<const void*, Held> blocks_;
};

}  // namespace emulator
