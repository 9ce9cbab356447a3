// Reading the settings at start-up, with their checks, against the host's store.
#include "settings/preferences.h"

#include <gtest/gtest.h>

#include <limits>

#include "emulator/output/state.h"
#include "tests/support/plugin_in_process.h"

namespace {

class Preferences : public PluginInProcess {
  protected:
    void PutReal(const char* key, double value) { host.Preferences().Put(kPrefixe, key, value); }
};

struct RealCase {
    const char* key;
    double stored;
    float Globals::*field;
    float read;
};

class StoredReals : public Preferences, public ::testing::WithParamInterface<RealCase> {};

TEST_P(StoredReals, AreCheckedAgainstTheirBounds) {
    const RealCase& c = GetParam();
    PutReal(c.key, c.stored);
    LirePreferences();
    EXPECT_EQ(globals.*c.field, c.read) << c.key << " " << c.stored;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredReals,
    ::testing::Values(RealCase{"EchelleNum", 0.5, &Globals::EchelleNum, 1},
                      RealCase{"EchelleNum", 2.5, &Globals::EchelleNum, 2.5f},
                      RealCase{"EchelleDen", 0, &Globals::EchelleDen, 1},
                      RealCase{"EchelleDenPersoReal", 0.0002, &Globals::EchelleDenPersoReal,
                               0.0002f},
                      // Its float32 value lies just below the double 0.0001.
                      RealCase{"EchelleDenPersoReal", 0.0001, &Globals::EchelleDenPersoReal, 1},
                      RealCase{"EchelleNumPersoReal", 0.00005, &Globals::EchelleNumPersoReal, 1},
                      RealCase{"EchelleNumPersoReal", 12.5, &Globals::EchelleNumPersoReal, 12.5f},
                      // Found by the validator: a finite float32 this large made every length
                      // shown at that scale infinite.
                      RealCase{"EchelleNum", 3.4e38, &Globals::EchelleNum, 1},
                      RealCase{"EchelleDen", 1000001, &Globals::EchelleDen, 1},
                      RealCase{"EchelleDen", 1000000, &Globals::EchelleDen, 1000000},
                      RealCase{"EchelleDenPersoReal", 2e9, &Globals::EchelleDenPersoReal, 1}));

TEST_F(Preferences, ARealBeyondFloat32IsReadAsTheKeysDefault) {
    // It would be infinite once narrowed, and every length with it.
    host.Preferences().Put(kPrefixe, "EchelleNum", std::numeric_limits<double>::max());
    host.Preferences().Put(kPrefixe, "EchelleNumPersoReal", 1e39);
    LirePreferences();
    EXPECT_EQ(globals.EchelleNum, 1);
    EXPECT_EQ(globals.EchelleNumPersoReal, 3);
}

TEST_F(Preferences, AFirstLaunchWritesTheDefaults) {
    globals.OutilsGroupe = 1;
    LirePreferences();
    EXPECT_FALSE(globals.OutilsGroupe);
    EXPECT_TRUE(globals.Son);
    EXPECT_TRUE(globals.MontreAnno);
    EXPECT_FALSE(globals.Calque);
    EXPECT_EQ(globals.EchelleNumPersoReal, 3);
    EXPECT_EQ(globals.EchelleDenPersoReal, 7);
    emulator::Json stored = emulator::HostState(host).at("prefs").at("KVTOrtaq");
    EXPECT_EQ(stored.dump(),
              "{\"Calque\":false,\"EchelleDen\":1.0,\"EchelleDenPersoReal\":7.0,\"EchelleNum\":1.0,"
              "\"EchelleNumPersoReal\":3.0,\"MontreAnno\":true,\"OutilsGroupe\":false,\"Son\":true,"
              "\"TaillePalette\":1,\"kADM_DPVisibleStr\":true}");
}

TEST_F(Preferences, StoredSwitchesAreReadAndMissingOnesTakeTheirDefaults) {
    host.Preferences().Put(kPrefixe, "OutilsGroupe", true);
    host.Preferences().Put(kPrefixe, "Son", false);
    LirePreferences();
    EXPECT_TRUE(globals.OutilsGroupe);
    EXPECT_FALSE(globals.Son);
    EXPECT_TRUE(globals.MontreAnno);
    EXPECT_FALSE(globals.Calque);
    EXPECT_EQ(globals.EchelleNum, 1);
    // Not a first launch: nothing is written.
    EXPECT_EQ(emulator::HostState(host).at("prefs").at("KVTOrtaq").size(), 2u);
}

}  // namespace
