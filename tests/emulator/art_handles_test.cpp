// Art and layer handles as the plug-in uses them through the art suite: a disposed art's
// handle, or a handle of another kind, is refused and recorded, never dereferenced.
#include <gtest/gtest.h>

#include "emulator/core/host.h"
#include "host/ai_art.h"

namespace {

class ArtHandles : public ::testing::Test {
  protected:
    void SetUp() override {
        const void* table = nullptr;
        ASSERT_EQ(host.BasicSuite()->AcquireSuite(kAIArtSuite, kAIArtSuiteVersion, &table),
                  kHostNoError);
        art = static_cast<const AIArtSuite14*>(table);
    }
    void TearDown() override { host.BasicSuite()->ReleaseSuite(kAIArtSuite, kAIArtSuiteVersion); }

    HostArtHandle NewPath() {
        HostArtHandle made = nullptr;
        EXPECT_EQ(art->NewArt(kHostPathArt, kHostPlaceAboveAll, nullptr, &made), kHostNoError);
        return made;
    }

    emulator::Host host{"no-plugin.so"};
    const AIArtSuite14* art = nullptr;
};

TEST_F(ArtHandles, ADisposedArtStaysInvalidAfterNewerArtIsMade) {
    HostArtHandle old = NewPath();
    size_t before = host.Drawing().ArtCount();
    ASSERT_EQ(art->DisposeArt(old), kHostNoError);
    EXPECT_EQ(host.Drawing().ArtCount(), before - 1);
    for (int i = 0; i < 10; ++i) EXPECT_NE(NewPath(), old);
    EXPECT_EQ(art->ValidArt(old, 1), 0);
    char name[16];
    EXPECT_EQ(art->GetArtName(old, name, sizeof name), kHostErrBadHandle);
    EXPECT_EQ(art->DisposeArt(old), kHostErrBadHandle);
    EXPECT_EQ(host.Errors(),
              (std::vector<std::string>{"GetArtName: art that is not in the document",
                                        "DisposeArt: art that is not in the document"}));
}

TEST_F(ArtHandles, ALayerHandleGivenAsArtIsRefused) {
    HostLayerHandle layer = host.Drawing().HandleOf(host.Drawing().Current());
    HostArtHandle group = nullptr;
    ASSERT_EQ(art->GetFirstArtOfLayer(layer, &group), kHostNoError);
    EXPECT_EQ(art->ValidArt(group, 1), 1);
    EXPECT_EQ(art->ValidArt(reinterpret_cast<HostArtHandle>(layer), 1), 0);
    EXPECT_EQ(art->GetFirstArtOfLayer(reinterpret_cast<HostLayerHandle>(group), &group),
              kHostErrBadHandle);
    EXPECT_EQ(host.Errors(), (std::vector<std::string>{"GetFirstArtOfLayer: unknown layer"}));
}

}  // namespace
