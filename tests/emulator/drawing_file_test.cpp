// The drawing file: what the writer writes reads back as the same drawing, to the last bit
// of every float, and a file that is not such a drawing is refused before the document is
// touched.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "emulator/models/document/document.h"
#include "emulator/models/drawing_file/drawing_file_reader.h"
#include "emulator/output/drawing_file_writer.h"
#include "host/ai_art.h"
#include "tests/support/case_name.h"

namespace {

using emulator::DrawingFileText;
using emulator::ParseDrawingFile;

// Floats whose shortest text is long or odd: the file must give the same bits back.
const float kAwkward[] = {0.1f,     -0.0f,    1e-45f,   std::numeric_limits<float>::max(),
                          123.456f, -7.3e-8f, 1.0f / 3, 16777217.0f};

// A drawing of every sort of thing the document keeps: layers locked, hidden, coloured,
// the current one not on top, nested named groups, open and closed paths with curves,
// smooth and corner points, a guide, tags, texts XML must escape.
emulator::Drawing Sample() {
    emulator::Drawing drawing;
    drawing.page = {612, 792.5f};
    std::vector<HostPathSegment> curve;
    for (size_t i = 0; i + 1 < std::size(kAwkward); i += 2)
        curve.push_back({{kAwkward[i], kAwkward[i + 1]},
                         {kAwkward[i + 1], 2.5f},
                         {-kAwkward[i], 99.99f},
                         static_cast<HostBool32>(i % 4 == 0)});
    emulator::DrawnArt open{kHostPathArt, "ouvert", {}, curve, false, false, {}};
    emulator::DrawnArt closed{kHostPathArt,
                              "",
                              {},
                              curve,
                              true,
                              false,
                              {{"qqq", "string", "1"}, {"note", "t\"y<pe>", "a&b\tc\nd\re"}}};
    emulator::DrawnArt guide{kHostPathArt, "", {}, {curve[0]}, false, true, {}};
    emulator::DrawnArt empty{kHostPathArt, "", {}, {}, false, false, {}};
    emulator::DrawnArt inner{kHostGroupArt, "Carré", {closed, guide}, {}, false, false, {}};
    emulator::DrawnArt outer{kHostGroupArt, "", {inner, open, empty}, {}, false, false, {}};
    drawing.layers.push_back({"Dessus \"1\"", false, true, false, {1, 2, 3}, {outer}});
    drawing.layers.push_back({"Verrou", true, false, true, {65535, 0, 257}, {open}});
    drawing.layers.push_back({"Vide", false, false, false, {0, 0, 0}, {}});
    return drawing;
}

std::string SampleText() {
    return DrawingFileText(Sample());
}

TEST(DrawingFile, ReadsBackWhatItWroteBitForBit) {
    std::string text = SampleText();
    emulator::Drawing read = ParseDrawingFile(text);
    // Written again, the same text: nothing was lost or changed on the way.
    EXPECT_EQ(DrawingFileText(read), text);
    const auto& segments = read.layers[0].art[0].children[1].segments;
    ASSERT_EQ(segments.size(), 4u);
    emulator::Drawing sample = Sample();
    const auto& expected = sample.layers[0].art[0].children[1].segments;
    for (size_t i = 0; i < segments.size(); ++i)
        EXPECT_EQ(std::memcmp(&segments[i], &expected[i], sizeof segments[i]), 0) << i;
    EXPECT_EQ(read.page, (emulator::PageSize{612, 792.5f}));
    EXPECT_EQ(read.layers[0].art[0].children[0].name, "Carré");
    EXPECT_EQ(read.layers[0].art[0].children[0].children[0].tags.at(1).value, "a&b\tc\nd\re");
    EXPECT_TRUE(read.layers[1].locked && !read.layers[1].visible && read.layers[1].current);
}

TEST(DrawingFile, IsAPictureOfThePageWithItsLayers) {
    std::string text = SampleText();
    for (const char* part :
         {"width=\"612pt\" height=\"792.5pt\" viewBox=\"0 0 612 792.5\"",
          "inkscape:groupmode=\"layer\" inkscape:label=\"Verrou\" transform=\"matrix(1 0 0 -1 0 "
          "792.5)\"",
          "sodipodi:insensitive=\"true\" style=\"display:none\"", " C ", " Z\"",
          "fill=\"none\" stroke=\"#000000\""})
        EXPECT_NE(text.find(part), std::string::npos) << part;
}

TEST(DrawingFile, RefusesATextXmlCannotKeep) {
    emulator::Drawing drawing = Sample();
    drawing.layers[0].title = "bell\a";
    EXPECT_THROW(DrawingFileText(drawing), std::runtime_error);
    drawing.layers[0].title = "\xFF";
    EXPECT_THROW(DrawingFileText(drawing), std::runtime_error);
}

// TEXT with FROM replaced by TO, once.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    if (at == std::string::npos) throw std::logic_error("no " + from);
    return text.replace(at, from.size(), to);
}

std::string Nested(int depth) {
    std::string groups;
    for (int i = 0; i < depth; ++i) groups += "<g>";
    for (int i = 0; i < depth; ++i) groups += "</g>";
    return groups;
}

struct RefusedFile {
    std::string name;
    std::string text;
};

class DrawingFileRefused : public ::testing::TestWithParam<RefusedFile> {};

TEST_P(DrawingFileRefused, LeavesTheDocumentAsItWas) {
    emulator::Document document;
    document.Replace(Sample());
    std::string before = DrawingFileText(document.Describe());
    try {
        document.Replace(ParseDrawingFile(GetParam().text));
        FAIL() << "read";
    } catch (const emulator::DrawingFileError& refused) {
        std::string reason = refused.what();
        EXPECT_EQ(reason.find('\n'), std::string::npos) << reason;
        EXPECT_EQ(reason.rfind("not a drawing file: ", 0), 0u) << reason;
    }
    EXPECT_EQ(DrawingFileText(document.Describe()), before);
}

const std::string kLayerOpen = "ortaq:current=\"true\"";

INSTANTIATE_TEST_SUITE_P(
    EachFault, DrawingFileRefused,
    ::testing::Values(
        RefusedFile{"NotXml", "Ortaq, not XML"}, RefusedFile{"Empty", ""},
        RefusedFile{"AnotherPicture", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>"},
        RefusedFile{"Truncated", SampleText().substr(0, SampleText().size() / 2)},
        RefusedFile{"NotUtf8", Replaced(SampleText(), "Verrou", "Verrou\xC3")},
        RefusedFile{"ForeignElement",
                    Replaced(SampleText(), "<g>", "<g><rect width=\"1\" height=\"1\"/>")},
        RefusedFile{"ForeignAttribute", Replaced(SampleText(), "<g>", "<g id=\"a\">")},
        RefusedFile{"TextInALayer", Replaced(SampleText(), "<g>", "<g>texte")},
        RefusedFile{"UnknownTagElement", Replaced(SampleText(), "<ortaq:tag ", "<ortaq:label ")},
        RefusedFile{"TagWithoutValue", Replaced(SampleText(), " value=\"1\"", "")},
        RefusedFile{"BrokenNumber",
                    Replaced(SampleText(), "ortaq:segments=\"0.1 ", "ortaq:segments=\"0.1x ")},
        RefusedFile{"NotANumber",
                    Replaced(SampleText(), "ortaq:segments=\"0.1 ", "ortaq:segments=\"nan ")},
        RefusedFile{"Infinite",
                    Replaced(SampleText(), "ortaq:segments=\"0.1 ", "ortaq:segments=\"inf ")},
        RefusedFile{"BeyondFloat",
                    Replaced(SampleText(), "ortaq:segments=\"0.1 ", "ortaq:segments=\"1e39 ")},
        RefusedFile{"SegmentCut",
                    Replaced(SampleText(), "ortaq:segments=\"0.1 ", "ortaq:segments=\"")},
        RefusedFile{"CornerNeitherZeroNorOne", Replaced(SampleText(), " 99.99 1 ", " 99.99 2 ")},
        RefusedFile{"PageNotInPoints", Replaced(SampleText(), "612pt", "612px")},
        RefusedFile{"FlipNotThePage", Replaced(SampleText(), "-1 0 792.5)", "-1 0 800)")},
        RefusedFile{"TwoCurrentLayers", Replaced(SampleText(), "ortaq:color=\"1 2 3\"",
                                                 "ortaq:color=\"1 2 3\" " + kLayerOpen)},
        RefusedFile{"NoLayer",
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                    "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" "
                    "xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/"
                    "sodipodi-0.dtd\" xmlns:ortaq=\"urn:x-ortaq:drawing\" "
                    "version=\"1.1\" ortaq:format=\"1\" width=\"5pt\" height=\"5pt\" "
                    "viewBox=\"0 0 5 5\"/>"},
        RefusedFile{"ColourBeyond16Bits", Replaced(SampleText(), "\"1 2 3\"", "\"1 2 65536\"")},
        RefusedFile{"DocumentType",
                    Replaced(SampleText(), "<svg ", "<!DOCTYPE svg [<!ENTITY a \"b\">]><svg ")},
        RefusedFile{"TooDeep", Replaced(SampleText(), "<g>", "<g>" + Nested(70))},
        RefusedFile{"Huge", SampleText() + std::string(65u << 20, ' ')}),
    CaseName<RefusedFile>);

}  // namespace
