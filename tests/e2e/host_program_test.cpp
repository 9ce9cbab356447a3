// ortaq-host as a user runs it: exit statuses, messages and files.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "emulator/common/json.h"
#include "tests/support/case_name.h"
#include "tests/support/run_command.h"

namespace {

const std::string kHost = ORTAQ_HOST_PATH;
const std::string kPlugin = ORTAQ_PLUGIN_PATH;

class HostProgram : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = TemporaryDirectory(); }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // A run that hangs is stopped after a minute, with status 124.
    CommandResult Play(const std::string& scenario, const std::string& options = "") {
        WriteTextFile(dir_ + "/s.scn", scenario);
        return RunCommand("timeout 60 " + kHost + " play " + dir_ + "/s.scn --plugin " + kPlugin +
                          " " + options);
    }

    std::string dir_;
};

TEST_F(HostProgram, ExtractsThePropertyListByteForByte) {
    const unsigned char expected[102] = {
        0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00,  // kind 1, version 0, 4
        'E',  'B',  'D',  'A',  'd',  'n',  'i',  'k',  0x00, 0x00, 0x00, 0x00, 0x04,
        0x00, 0x00, 0x00, 'A',  'E',  'P',  'S',  // kind: SPEA
        'E',  'B',  'D',  'A',  's',  'r',  'v',  'i',  0x00, 0x00, 0x00, 0x00, 0x04,
        0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,  // ivrs: 2
        'E',  'B',  'D',  'A',  '6',  '8',  'x',  'w',  0x00, 0x00, 0x00, 0x00, 0x0C,
        0x00, 0x00, 0x00, 'P',  'l',  'u',  'g',  'i',  'n',  'M',  'a',  'i',  'n',
        0x00, 0x00, 'E',  'B',  'D',  'A',  'm',  'n',  'i',  'p',  0x00, 0x00, 0x00,
        0x00, 0x08, 0x00, 0x00, 0x00, 'S',  'h',  'e',  'l',  'l',  0x00, 0x00, 0x00};
    CommandResult result = RunCommand(kHost + " resources " + kPlugin + " --extract PIPL 16000");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, std::string(reinterpret_cast<const char*>(expected), sizeof expected));
}

TEST_F(HostProgram, ListsTheResources) {
    CommandResult result = RunCommand(kHost + " resources " + kPlugin);
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string lines = "\n" + result.out;
    // Type, number and language; the sizes of 24-bit bitmaps follow from their pixels.
    for (const char* line :
         {"PIPL 16000 1033 102\n", "BITMAP 128 1033 1240\n", "BITMAP 129 1033 924\n",
          "BITMAP 400 1033 364\n", "BITMAP 401 1033 364\n", "BITMAP 402 1033 364\n",
          "BITMAP 403 1033 364\n", "BITMAP 407 1033 160\n", "BITMAP 409 1033 1696\n",
          "BITMAP 410 1033 1696\n", "BITMAP 500 1033 360\n", "BITMAP 162 1033 265144\n",
          "PNG 411 1033 ", "MENU 128 1033 ", "DIALOG 16400 1033 ", "DIALOG 16800 1033 ",
          "DIALOG 16900 1033 ", "DIALOG 17100 1033 ", "DIALOG 20000 1033 "})
        EXPECT_NE(lines.find(std::string("\n") + line), std::string::npos) << line;
    // The cursors and icons by their groups, which carry the numbers: a number the script
    // misspells still compiles, as a resource named by that word.
    for (const char* line :
         {"GROUP_CURSOR 20001 1033 ", "GROUP_CURSOR 20002 1033 ", "GROUP_CURSOR 20003 1033 ",
          "GROUP_CURSOR 20004 1033 ", "GROUP_CURSOR 20005 1033 ", "GROUP_CURSOR 20006 1033 ",
          "GROUP_CURSOR 20007 1033 ", "GROUP_CURSOR 20008 1033 ", "GROUP_CURSOR 20009 1033 ",
          "GROUP_ICON 16051 1033 ", "GROUP_ICON 18001 1033 "})
        EXPECT_NE(lines.find(std::string("\n") + line), std::string::npos) << line;
}

TEST_F(HostProgram, ExtractsABitmapAsACompleteBmpFile) {
    CommandResult result = RunCommand(kHost + " resources " + kPlugin + " --extract BITMAP 128");
    ASSERT_EQ(result.status, 0) << result.err;
    ASSERT_GE(result.out.size(), 14u);
    EXPECT_EQ(result.out.substr(0, 2), "BM");
    uint32_t fileSize = 0;
    for (int i = 3; i >= 0; --i)
        fileSize = fileSize << 8 | static_cast<unsigned char>(result.out[2 + i]);
    EXPECT_EQ(fileSize, result.out.size());
    EXPECT_EQ(result.out.size(), 14u + 40u + 20u * 20u * 3u);
}

TEST_F(HostProgram, ReportsAMissingResource) {
    CommandResult result = RunCommand(kHost + " resources " + kPlugin + " --extract PIPL 1");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "ortaq-host resources: no resource PIPL 1\n");
}

TEST_F(HostProgram, PlaysTheDemoAndWritesItsState) {
    CommandResult result =
        RunCommand(kHost + " play " + ORTAQ_SOURCE_DIR + "/examples/demo.scn --plugin " + kPlugin +
                   " --json " + dir_ + "/state.json --trace " + dir_ + "/trace.txt");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("(Shell)"), std::string::npos) << result.out;
    emulator::Json state = emulator::ParseJson(ReadTextFile(dir_ + "/state.json"));
    EXPECT_EQ(state.at("plugin").at("name").get<std::string>(), "Shell");
    EXPECT_GT(state.at("calls").size(), 0u);
    EXPECT_NE(ReadTextFile(dir_ + "/trace.txt").find("SP Basic Suite.AcquireSuite("),
              std::string::npos);
    // The summary tells what the panel reads at the end: the square drawn last (its four
    // sides alike, its area), the scale, and the help pane at page 2.
    for (const char* reading : {"  panel: 28: mm, 3: 39,44, 5: 39,44, 7: 39,44, 9: 39,44,",
                                " 18: Aire=1555,65 mm2,", " 20: 1,", " 136: 2,"})
        EXPECT_NE(result.out.find(reading), std::string::npos) << reading << "\n" << result.out;
}

// The About box is modal: the application under it, quitting and unloading included, does
// nothing until it is closed.
TEST_F(HostProgram, UnderAModalWindowTheApplicationAnswersNothing) {
    CommandResult result = Play("start\nabout\nunload\nquit\ndialog click 1\nquit\n", "--check");
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string box = "the dialog \"\xC3\x80 propos de KVT.Ortaq\" is open: ";
    EXPECT_EQ(result.err, dir_ + "/s.scn:3: " + box + "`unload` reaches nothing under it; " +
                              "nothing happens\n" + dir_ + "/s.scn:4: " + box +
                              "`quit` reaches nothing under it; nothing happens\n");
}

// A modal dialog opened by a procedure of the panel, the plug-in's code still under it: the
// application's lifecycle waits until the dialog is closed, then runs as usual.
struct PanelDialog {
    const char* name;
    const char* opening;  // the panel's line that opens it
    const char* title;
};

class UnderADialogOfThePanel : public HostProgram,
                               public ::testing::WithParamInterface<PanelDialog> {};

TEST_P(UnderADialogOfThePanel, TheLifecycleWaitsAndTheQuitAfterItFreesAll) {
    CommandResult result =
        Play(std::string("start\nmenu \"Masquer KVT.Ortaq\"\nmenu \"Afficher KVT.Ortaq\"\n") +
                 GetParam().opening + "\nquit\nstart\nunload\nreload\ndialog click 2\nquit\n",
             "--check --json " + dir_ + "/state.json");
    ASSERT_EQ(result.status, 0) << result.err;
    int line = 5;
    std::string expected;
    for (const char* action : {"quit", "start", "unload", "reload"})
        expected += dir_ + "/s.scn:" + std::to_string(line++) + ": the dialog \"" +
                    GetParam().title + "\" is open: `" + action +
                    "` reaches nothing under it; nothing happens\n";
    EXPECT_EQ(result.err, expected);
    emulator::Json state = emulator::ParseJson(ReadTextFile(dir_ + "/state.json"));
    EXPECT_EQ(state.at("memory").at("blocks").size(), 0u);
    EXPECT_EQ(state.at("errors").size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    HostProgram, UnderADialogOfThePanel,
    ::testing::Values(PanelDialog{"Preferences", "panel menu 6", "Préférences (KVT.Ortaq)"},
                      PanelDialog{"CustomScale", "panel choose 20 20", "Échelle personnalisée."}),
    CaseName<PanelDialog>);

struct BadLine {
    const char* scenario;
    const char* message;  // after "FILE:"
};

class BadScenarioLines : public HostProgram, public ::testing::WithParamInterface<BadLine> {};

TEST_P(BadScenarioLines, StopTheRunNamingTheLine) {
    CommandResult result = Play(GetParam().scenario);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, dir_ + "/s.scn:" + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Scenario, BadScenarioLines,
    ::testing::Values(
        BadLine{"start\n\nfrobnicate now\n", "3: unknown action \"frobnicate\""},
        BadLine{"# comment\ncall \"SP Interface\"\n", "2: usage: call CALLER SELECTOR"},
        BadLine{"call \"SP Interface Startup\n", "1: unterminated quoted word"},
        BadLine{"start\nsnapshot \"s\xC3\"\n", "2: the line is not valid UTF-8"},
        BadLine{"without-suite \"AI Menu Suite\" nine\n", "1: \"nine\" is not a whole number"},
        BadLine{"alert yes\n", "1: usage: alert ok"},
        BadLine{"call \"SP Interface\" \"Δ\"\n", "1: \"Δ\" has a character Windows-1252 lacks"},
        BadLine{"call \"SP Interface\" Startup\n",
                "1: the host sends \"SP Interface\"/\"Startup\" itself: use start"},
        BadLine{"start\ncall \"SP Interface\" Shutdown\n",
                "2: the host sends \"SP Interface\"/\"Shutdown\" itself: use quit"},
        BadLine{"call \"SP Access\" Unload\n",
                "1: the host sends \"SP Access\"/\"Unload\" itself: use unload"},
        BadLine{"call \"SP Access\" Reload\n",
                "1: the host sends \"SP Access\"/\"Reload\" itself: use reload"},
        BadLine{"layer \"Calque\"\nlayer \"\xE9t\xE9\"\n", "2: the line is not valid UTF-8"},
        BadLine{"start\nalert ok\n", "2: no alert is on screen"},
        BadLine{"start\nstart\n", "2: the plug-in is already started"},
        BadLine{"reload\n", "1: the plug-in is not unloaded"},
        BadLine{"quit\n", "1: the plug-in is not started"},
        BadLine{
            "without-suite \"AI Notifier Suite\" 2\nstart\nunload\ncall \"AI Menu\" \"AI Go\"\n",
            "4: the plug-in is unloaded; reload it first"},
        BadLine{"start\nunload\n",
                "2: the plug-in holds its access reference: it cannot be unloaded"},
        BadLine{"panel click 3\n", "1: there is no panel"},
        BadLine{"dialog click 1\n", "1: no dialog is on screen"},
        BadLine{"start\npanel click 404\n", "2: the dialog \"KVTOrtaq\" has no item 404"},
        BadLine{"start\npanel type 18 5\n", "2: item 18 is not a field one can type in"},
        BadLine{"panel twist 3\n",
                "1: usage: panel click N | type N TEXT | choose N INDEX | slide N VALUE | press N "
                "[shift] | menu INDEX"},
        BadLine{"panel press 16 ctrl\n",
                "1: usage: panel click N | type N TEXT | choose N INDEX | slide N VALUE | press N "
                "[shift] | menu INDEX"},
        BadLine{"dialog check 3 maybe\n",
                "1: usage: dialog click N | type N TEXT | check N on|off | move DX DY"},
        BadLine{"dialog choose 3 1\n",
                "1: usage: dialog click N | type N TEXT | check N on|off | move DX DY"},
        BadLine{"start\nwithout-suite \"AI Menu Suite\" 9\n",
                "2: without-suite must come before start"},
        BadLine{"without-suite \"AI Menu Suite\" 8\n",
                "1: the host serves no suite \"AI Menu Suite\" version 8"},
        BadLine{"layer\n", "1: usage: layer \"TITLE\" [locked] [current]"},
        BadLine{"layer \"A\" hidden\n", "1: usage: layer \"TITLE\" [locked] [current]"},
        BadLine{"layer \"A\" locked locked\n", "1: usage: layer \"TITLE\" [locked] [current]"},
        BadLine{"layer-lock\n", "1: usage: layer-lock \"TITLE\""},
        BadLine{"layer \"A\"\nlayer-current \"B\"\n", "2: no layer is titled \"B\""},
        BadLine{"pref Ortaq n int\n", "1: usage: pref PREFIX KEY bool|int|real|string VALUE"},
        BadLine{"pref Ortaq n float 1\n", "1: \"float\" is not bool, int, real or string"},
        BadLine{"pref Ortaq n bool yes\n", "1: \"yes\" is not true or false"},
        BadLine{"pref Ortaq n int 1.5\n", "1: \"1.5\" is not a whole number"},
        BadLine{"pref Ortaq n real 1,5\n", "1: \"1,5\" is not a finite number"},
        BadLine{"pref Ortaq n real inf\n", "1: \"inf\" is not a finite number"},
        // Each would be infinite once kept as a float32.
        BadLine{"add-path 0 0 1e39 1\n", "1: \"1e39\" is too large for a float32"},
        BadLine{"move-art 1 0 -1e300\n", "1: \"-1e300\" is too large for a float32"},
        BadLine{"move 3.5e38 0\n", "1: \"3.5e38\" is too large for a float32"},
        BadLine{"panel slide 14 1e39\n", "1: \"1e39\" is too large for a float32"},
        BadLine{"pref Ortaq n string \"Δ\"\n", "1: \"Δ\" has a character Windows-1252 lacks"},
        BadLine{"pref Ortaq Δ int 1\n", "1: \"Δ\" has a character Windows-1252 lacks"},
        BadLine{"menu-group\n",
                "1: usage: menu-group \"NAME\" [under \"PARENT_GROUP\" \"ITEM TEXT\"]"},
        BadLine{"menu-group \"A\" under \"About\"\n",
                "1: usage: menu-group \"NAME\" [under \"PARENT_GROUP\" \"ITEM TEXT\"]"},
        BadLine{"menu-group \"A\" over \"About\" \"B\"\n",
                "1: usage: menu-group \"NAME\" [under \"PARENT_GROUP\" \"ITEM TEXT\"]"},
        BadLine{"menu-group \"Δ\"\n", "1: \"Δ\" has a character Windows-1252 lacks"},
        BadLine{"menu-group \"A\"\nmenu-group \"About\"\n",
                "2: a menu group is already named \"About\""},
        BadLine{"menu-group \"A\" under \"Nowhere\" \"B\"\n",
                "1: no menu group is named \"Nowhere\""},
        BadLine{"menu\n", "1: usage: menu \"TEXT\""},
        BadLine{"start\nmenu \"Nothing\"\n", "2: no menu item reads \"Nothing\""},
        // What a terminal would obey (retitle the window, clear the screen) is shown escaped.
        BadLine{"frob\x1b]0;TITLE\x07\x1b[2J\n",
                "1: unknown action \"frob\\x1b]0;TITLE\\x07\\x1b[2J\""}));

TEST_F(HostProgram, ChoosingAnItemThatDoesNothingIsOneLineAndTheRunGoesOn) {
    CommandResult result =
        Play("menu-group \"Sub\" under \"About\" \"Parent\"\nstart\nmenu \"Parent\"\nquit\n",
             "--json " + dir_ + "/state.json");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err,
              dir_ + "/s.scn:3: the menu item \"Parent\" opens its submenu; nothing happens\n");
    emulator::Json state = emulator::ParseJson(ReadTextFile(dir_ + "/state.json"));
    // Start-up, the application-started notification, shut-down: no menu command.
    for (const emulator::Json& call : state.at("calls"))
        EXPECT_NE(call.at("caller").get<std::string>(), "AI Menu");
}

TEST_F(HostProgram, ANoticeShowsTheControlsOfTheLineItEchoesEscaped) {
    CommandResult result = Play(
        "menu-group \"Sub\" under \"About\" \"\x1b]0;T\x07\xC2\x9B"
        "2J\"\nstart\n"
        "menu \"\x1b]0;T\x07\xC2\x9B"
        "2J\"\nquit\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, dir_ +
                              "/s.scn:3: the menu item \"\\x1b]0;T\\x07\\xc2\\x9b2J\" opens its "
                              "submenu; nothing happens\n");
}

TEST_F(HostProgram, AnAlertLeftOpenIsClosedReportedAndTheStateStillWritten) {
    CommandResult result =
        Play("without-suite \"ADM Dialog Suite\" 10\nstart\n", "--json " + dir_ + "/state.json");
    EXPECT_EQ(result.status, 3);
    const std::string alert =
        "Error: " + std::to_string(0x53214664) + ", suite: ADM Dialog Suite, version: 10!";
    EXPECT_NE(result.err.find("the alert \"" + alert + "\" was open"), std::string::npos)
        << result.err;
    emulator::Json state = emulator::ParseJson(ReadTextFile(dir_ + "/state.json"));
    ASSERT_GE(state.at("alerts").size(), 1u);
    EXPECT_EQ(state.at("alerts").at(0).get<std::string>(), alert);
}

TEST_F(HostProgram, TheStateIsUtf8WhateverBytesNameThePlugInAndItsMessages) {
    const std::string plugin = dir_ + "/\xFF.so";
    std::filesystem::copy_file(kPlugin, plugin);
    // The later --plugin is the one played.
    CommandResult result = Play("call \"Appelant \xC3\xA9\" \"S\xC3\xA9lecteur \xE2\x82\xAC\"\n",
                                "--plugin " + plugin + " --json " + dir_ + "/state.json");
    ASSERT_EQ(result.status, 0) << result.err;
    emulator::Json state = emulator::ParseJson(ReadTextFile(dir_ + "/state.json"));
    EXPECT_EQ(state.at("plugin").at("path"), dir_ + "/\uFFFD.so");
    EXPECT_EQ(state.at("calls").at(0).at("caller"), "Appelant é");
    EXPECT_EQ(state.at("calls").at(0).at("selector"), "Sélecteur €");
}

TEST_F(HostProgram, PrefLinesShowInTheState) {
    CommandResult result = Play(
        "pref - zoom real 1\npref Ortaq Forme string \"Parallélogramme\"\n"
        "pref Ortaq n int -3\npref Ortaq on bool false\nstart\n",
        "--json " + dir_ + "/state.json");
    ASSERT_EQ(result.status, 0) << result.err;
    emulator::Json state = emulator::ParseJson(ReadTextFile(dir_ + "/state.json"));
    // Beside the host's own keys, with their defaults.
    EXPECT_EQ(state.at("prefs").at("").dump(),
              "{\"snapomatic/Color/blue\":1.0,\"snapomatic/Color/green\":0.0,"
              "\"snapomatic/Color/red\":1.0,\"zoom\":1.0}");
    // The panel's docking keys join them when the host quits.
    EXPECT_EQ(state.at("prefs").at("Ortaq").dump(),
              "{\"Forme\":\"Parallélogramme\",\"kADM_DPDockCodeStr\":7168,"
              "\"kADM_DPDockGroupStr\":\"SDK Dialogs\",\"n\":-3,\"on\":false}");
}

TEST_F(HostProgram, TheHostsOwnKeysAFileLacksTakeTheirDefaultsAndPrefRemoveTakesOneOut) {
    const std::string prefs = dir_ + "/prefs.json";
    WriteTextFile(prefs, "{\"\": {\"snapomatic/Color/red\": 0.5}}");
    CommandResult result = Play("pref-remove - snapomatic/Color/green\npref-remove Ortaq none\n",
                                "--prefs " + prefs + " --json " + dir_ + "/state.json");
    ASSERT_EQ(result.status, 0) << result.err;
    emulator::Json state = emulator::ParseJson(ReadTextFile(dir_ + "/state.json"));
    EXPECT_EQ(state.at("prefs").dump(),
              "{\"\":{\"snapomatic/Color/blue\":1.0,\"snapomatic/Color/red\":0.5}}");
}

TEST_F(HostProgram, PreferencesOutliveTheRunInTheirFile) {
    const std::string prefs = dir_ + "/prefs.json";
    CommandResult first =
        Play("pref Ortaq zoom real 0.1\npref Ortaq n int 1\nstart\n", "--prefs " + prefs);
    ASSERT_EQ(first.status, 0) << first.err;
    CommandResult second =
        Play("pref Ortaq n int 2\n", "--prefs " + prefs + " --json " + dir_ + "/state.json");
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.err, "");
    emulator::Json state = emulator::ParseJson(ReadTextFile(dir_ + "/state.json"));
    EXPECT_EQ(state.at("prefs").at("Ortaq").at("zoom").get<double>(), 0.1);
    EXPECT_EQ(state.at("prefs").at("Ortaq").at("n").get<int64_t>(), 2);
    EXPECT_EQ(emulator::ParseJson(ReadTextFile(prefs)).dump(), state.at("prefs").dump());
    EXPECT_EQ(emulator::ParseJson(ReadTextFile(prefs + ".bak")).at("Ortaq").at("n").get<int64_t>(),
              1);
}

// A link the user made to keep the file elsewhere stays a link: the file it leads to is
// replaced, its earlier content kept as a copy beside it, its permissions kept.
TEST_F(HostProgram, ALinkedPreferenceFileIsWrittenThroughToItsTarget) {
    std::filesystem::create_directory(dir_ + "/store");
    const std::string target = dir_ + "/store/real.json", prefs = dir_ + "/prefs.json";
    WriteTextFile(target, "{\"Ortaq\": {\"n\": 1}}");
    std::filesystem::permissions(
        target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink("store/real.json", prefs);
    CommandResult result = Play("pref Ortaq n int 2\n", "--prefs " + prefs);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(std::filesystem::is_symlink(prefs));
    EXPECT_EQ(emulator::ParseJson(ReadTextFile(target)).at("Ortaq").at("n").get<int64_t>(), 2);
    EXPECT_EQ(ReadTextFile(target + ".bak"), "{\"Ortaq\": {\"n\": 1}}");
    EXPECT_FALSE(std::filesystem::exists(prefs + ".bak"));
    struct stat written {
    }, backup{};
    ASSERT_EQ(::stat(target.c_str(), &written), 0);
    ASSERT_EQ(::stat((target + ".bak").c_str(), &backup), 0);
    EXPECT_NE(written.st_ino, backup.st_ino);
    EXPECT_EQ(written.st_nlink, 1u);
    EXPECT_EQ(written.st_mode & 0777, 0600u);
}

// Hosts started together on one preference file take it in turn: each reads what the one
// before wrote, so no update is lost; the file is always whole JSON and its backup a whole
// earlier version.
TEST_F(HostProgram, HostsStartedTogetherOnOnePreferenceFileTakeItInTurn) {
    const std::string prefs = dir_ + "/prefs.json";
    constexpr int kPairs = 15;
    for (int pair = 1; pair <= kPairs; ++pair) {
        std::string each;
        for (const char* host : {"a", "b"}) {
            WriteTextFile(dir_ + "/" + host + ".scn", std::string("pref Ortaq ") + host +
                                                          std::to_string(pair) + " int " +
                                                          std::to_string(pair) + "\n");
            each += std::string(each.empty() ? "" : " & ") + "timeout 60 " + kHost + " play " +
                    dir_ + "/" + host + ".scn --plugin " + kPlugin + " --prefs " + prefs +
                    " >/dev/null";
        }
        CommandResult both = RunCommand(each + "; b=$?; wait $!; a=$?; echo $a $b");
        SCOPED_TRACE("pair " + std::to_string(pair));
        ASSERT_EQ(both.out, "0 0\n") << both.err;
        emulator::Json file = emulator::ParseJson(ReadTextFile(prefs)).at("Ortaq");
        for (int earlier = 1; earlier <= pair; ++earlier)
            for (const char* host : {"a", "b"})
                EXPECT_TRUE(file.contains(host + std::to_string(earlier)))
                    << host << earlier << " lost: " << file.dump();
        // The backup is the file as the first of the two left it.
        emulator::Json backup = emulator::ParseJson(ReadTextFile(prefs + ".bak")).at("Ortaq");
        EXPECT_EQ(backup.size(), file.size() - 1) << backup.dump();
    }
}

TEST_F(HostProgram, ACorruptPreferenceFileIsSetAsideInOneLineAndTheRunGoesOn) {
    const std::string prefs = dir_ + "/prefs.json";
    WriteTextFile(prefs, "{\"Ortaq\": ");
    CommandResult result = Play("pref Ortaq n int 1\nstart\n", "--prefs " + prefs);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err,
              "ortaq-host: preferences " + prefs +
                  " could not be read (JSON offset 10: unexpected end of input; expected '[', "
                  "'{', or a literal); moved to " +
                  prefs + ".bad, starting empty\n");
    EXPECT_EQ(ReadTextFile(prefs + ".bad"), "{\"Ortaq\": ");
    EXPECT_EQ(emulator::ParseJson(ReadTextFile(prefs)).at("Ortaq").at("n").get<int64_t>(), 1);
}

struct PlaceOfPreferences {
    const char* name;
    std::function<void(const std::string& path)> make;
};

class PreferencesInPlaceOfAFile : public HostProgram,
                                  public ::testing::WithParamInterface<PlaceOfPreferences> {};

TEST_P(PreferencesInPlaceOfAFile, StopTheRunWithStatus1AndAreLeftAsTheyWere) {
    const std::string prefs = dir_ + "/prefs.json";
    GetParam().make(prefs);
    const std::filesystem::file_type type = std::filesystem::symlink_status(prefs).type();
    CommandResult result =
        Play("pref Ortaq n int 1\nstart\n", "--prefs " + prefs + " --json " + dir_ + "/state.json");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "ortaq-host: cannot read " + prefs + " (not a regular file)\n");
    EXPECT_EQ(std::filesystem::symlink_status(prefs).type(), type);
    EXPECT_FALSE(std::filesystem::exists(prefs + ".bad"));
    EXPECT_FALSE(std::filesystem::exists(dir_ + "/state.json"));
}

INSTANTIATE_TEST_SUITE_P(
    Preferences, PreferencesInPlaceOfAFile,
    ::testing::Values(PlaceOfPreferences{"Folder",
                                         [](const std::string& path) {
                                             std::filesystem::create_directory(path);
                                         }},
                      PlaceOfPreferences{"Fifo",  // opening it to read would wait for a writer
                                         [](const std::string& path) {
                                             ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
                                         }}),
    CaseName<PlaceOfPreferences>);

// The host takes its preference file before it plays anything: a place where the file could
// not be written is told at once, before the user's work would be lost at the end.
TEST_F(HostProgram, APreferenceFileThatCannotBeWrittenIsOneClearLineBeforeTheRun) {
    const std::string prefs = dir_ + "/missing/prefs.json";
    CommandResult result = Play("start\n", "--prefs " + prefs + " --json " + dir_ + "/state.json");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "ortaq-host: cannot take " + prefs + " for this host (" + prefs +
                              ".lock: No such file or directory)\n");
    EXPECT_FALSE(std::filesystem::exists(dir_ + "/state.json"));
}

TEST_F(HostProgram, APanelPictureWithNoPanelStillLeavesThePreferencesAndTheState) {
    const std::string prefs = dir_ + "/prefs.json", svg = dir_ + "/panel.svg";
    CommandResult result = Play("pref Ortaq n int 1\n", "--prefs " + prefs + " --json " + dir_ +
                                                            "/state.json --panel-svg " + svg);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "ortaq-host: there is no panel to draw in " + svg + "\n");
    EXPECT_EQ(emulator::ParseJson(ReadTextFile(prefs)).at("Ortaq").at("n").get<int64_t>(), 1);
    EXPECT_EQ(emulator::ParseJson(ReadTextFile(dir_ + "/state.json"))
                  .at("prefs")
                  .at("Ortaq")
                  .at("n")
                  .get<int64_t>(),
              1);
    EXPECT_FALSE(std::filesystem::exists(svg));
}

struct RunEnd {
    const char* scenario;  // after a line that puts a preference
    int status;
    bool written;
};

class PreferencesAtTheEnd : public HostProgram, public ::testing::WithParamInterface<RunEnd> {};

TEST_P(PreferencesAtTheEnd, AreWrittenWhenTheHostQuitsOnly) {
    const std::string prefs = dir_ + "/prefs.json";
    CommandResult result =
        Play(std::string("pref Ortaq n int 1\n") + GetParam().scenario, "--prefs " + prefs);
    EXPECT_EQ(result.status, GetParam().status) << result.err;
    EXPECT_EQ(std::filesystem::exists(prefs), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Preferences, PreferencesAtTheEnd,
    ::testing::Values(RunEnd{"start\nquit\n", 0, true},
                      RunEnd{"without-suite \"ADM Dialog Suite\" 10\nstart\n", 3, true},
                      RunEnd{"start\nstart\n", 2, false}, RunEnd{"frobnicate\n", 2, false}));

// What --json and --panel-svg write takes the place of the earlier file in one step, so that
// a reader never finds it half written: one who opened the earlier file reads it whole.
class OutputFiles : public HostProgram, public ::testing::WithParamInterface<const char*> {};

TEST_P(OutputFiles, ReplaceTheEarlierOneWhole) {
    const std::string out = dir_ + "/out";
    WriteTextFile(out, "earlier");
    std::filesystem::create_hard_link(out, dir_ + "/opened");
    CommandResult result = Play("start\n", std::string(GetParam()) + " " + out);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadTextFile(dir_ + "/opened"), "earlier");
    EXPECT_NE(ReadTextFile(out), "earlier");
    // An output is made again by every run: no backup beside it.
    EXPECT_FALSE(std::filesystem::exists(out + ".bak"));
    EXPECT_FALSE(std::filesystem::exists(out + ".tmp"));
}

INSTANTIATE_TEST_SUITE_P(Outputs, OutputFiles, ::testing::Values("--json", "--panel-svg"));

TEST_F(HostProgram, ABadPluginPathIsOneClearLine) {
    CommandResult result = Play("start\n", "--plugin " + dir_ + "/nothing.so");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "ortaq-host: cannot read " + dir_ + "/nothing.so\n");
}

TEST_F(HostProgram, OptionsTakeTheirValueAfterAnEqualSignToo) {
    WriteTextFile(dir_ + "/s.scn", "start\n");
    CommandResult result = RunCommand(kHost + " play --plugin=" + kPlugin + " --json=" + dir_ +
                                      "/state.json " + dir_ + "/s.scn");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(emulator::ParseJson(ReadTextFile(dir_ + "/state.json"))
                  .at("plugin")
                  .at("name")
                  .get<std::string>(),
              "Shell");
}

TEST_F(HostProgram, EachCommandHasItsHelp) {
    for (const char* command : {"play", "resources", "actions"}) {
        CommandResult result = RunCommand(kHost + " " + command + " --help");
        EXPECT_EQ(result.status, 0) << command;
        EXPECT_NE(result.out.find(std::string("Usage: ortaq-host ") + command), std::string::npos)
            << result.out;
    }
}

TEST_F(HostProgram, TheScenarioDocsCarryTheActionTableAsTheProgramPrintsIt) {
    CommandResult result = RunCommand(kHost + " actions");
    ASSERT_EQ(result.status, 0) << result.err;
    ASSERT_EQ(result.out.find("| action | what happens |\n|---|---|\n| `start` |"), 0u)
        << result.out;
    EXPECT_NE(ReadTextFile(std::string(ORTAQ_SOURCE_DIR) + "/docs/scenarios.md").find(result.out),
              std::string::npos)
        << "paste the output of ortaq-host actions into docs/scenarios.md:\n"
        << result.out;
}

class BadCommandLines : public HostProgram, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadCommandLines, ExitWithStatusOneAndSayWhy) {
    WriteTextFile(dir_ + "/s.scn", "start\n");
    CommandResult result = RunCommand("cd " + dir_ + " && " + kHost + " " + GetParam());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err.find("ortaq-host: "), 0u) << result.err;
    EXPECT_EQ(result.out, "");
}

INSTANTIATE_TEST_SUITE_P(CommandLine, BadCommandLines,
                         ::testing::Values("", "frobnicate", "play", "play s.scn s.scn",
                                           "play s.scn --frobnicate", "play s.scn --json",
                                           "resources", "resources x.so --extract PIPL"));

TEST_F(HostProgram, APluginNamedWithoutAFolderIsTheFileInTheCurrentOne) {
    // Its resources and its code come from the same file, not from the loader's search path.
    std::filesystem::copy_file(kPlugin, dir_ + "/libcopy.so");
    WriteTextFile(dir_ + "/s.scn", "start\n");
    CommandResult result = RunCommand("cd " + dir_ + " && env -u LD_LIBRARY_PATH " + kHost +
                                      " play s.scn --plugin libcopy.so --json state.json");
    ASSERT_EQ(result.status, 0) << result.err;
    emulator::Json state = emulator::ParseJson(ReadTextFile(dir_ + "/state.json"));
    EXPECT_EQ(state.at("plugin").at("path").get<std::string>(),
              (std::filesystem::canonical(dir_) / "libcopy.so").string());
    EXPECT_TRUE(state.at("plugin").at("loaded").get<bool>());
}

TEST_F(HostProgram, AMissingScenarioIsOneClearLine) {
    CommandResult result = RunCommand(kHost + " play " + dir_ + "/none.scn");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "ortaq-host: cannot read " + dir_ + "/none.scn\n");
}

}  // namespace
