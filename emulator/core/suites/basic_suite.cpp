// The basic suite: suite acquisition, string equality and memory blocks.
#include <cstring>

#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/needs.h"

namespace emulator {
namespace {

constexpr const char* kSuite = "SP Basic Suite";

HostErr HOST_API AcquireSuite(const char* name, int32_t version, const void** suite) {
    return Serve(
        kSuite, "AcquireSuite",
        [&] { return Arguments().Add("name", name).Add("version", version); },
        Needs(NonNull(name, suite)),
        [&](Host& host) { return host.Suites().Acquire(name, version, suite); });
}

HostErr HOST_API ReleaseSuite(const char* name, int32_t version) {
    return Serve(
        kSuite, "ReleaseSuite",
        [&] { return Arguments().Add("name", name).Add("version", version); }, Needs(NonNull(name)),
        [&](Host& host) {
            HostErr result = host.Suites().Release(name, version);
            if (result != kHostNoError)
                host.Misuse("release of a suite that is not held: " + Cp1252ToUtf8(name) + " " +
                            std::to_string(version));
            return result;
        });
}

HostBool32 HOST_API IsEqual(const char* token1, const char* token2) {
    return ServeAnswer(
        kSuite, "IsEqual", HostBool32{0},
        [&] { return Arguments().Add("a", token1).Add("b", token2); },
        [&](Host&, HostBool32& equal) -> HostErr {
            equal = token1 != nullptr && token2 != nullptr && std::strcmp(token1, token2) == 0;
            return kHostNoError;
        });
}

HostErr HOST_API AllocateBlock(uint32_t size, void** block) {
    return Serve(
        kSuite, "AllocateBlock", [&] { return Arguments().Add("size", size); },
        Needs(NonNull(block)),
        [&](Host& host) -> HostErr {
            *block = host.Blocks().Allocate(size);
            return *block != nullptr ? kHostNoError : kHostErrOutOfMemory;
        });
}

HostErr HOST_API FreeBlock(void* block) {
    return Serve(
        kSuite, "FreeBlock", [&] { return Arguments().Add("block", block); },
        [&](Host& host) -> HostErr {
            if (host.Blocks().Free(block)) return kHostNoError;
            host.Misuse("free of a block the host did not hand out");
            return kHostErrBadParameter;
        });
}

SPBasicSuite gBasicSuite = {.AcquireSuite = AcquireSuite,
                            .ReleaseSuite = ReleaseSuite,
                            .IsEqual = IsEqual,
                            .AllocateBlock = AllocateBlock,
                            .FreeBlock = FreeBlock};

}  // namespace

SPBasicSuite& ServedBasicSuite() {
    return gBasicSuite;
}

}  // namespace emulator
