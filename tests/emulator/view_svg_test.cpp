// The picture of the view: the page, the visible layers' paths, the guides over them, the
// annotation layer's last cycle on top and the plug-in's cursor at the pointer, always
// well-formed XML.
#include "emulator/output/view_svg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "host/ai_art.h"
#include "tests/support/run_command.h"

namespace {

class ViewPicture : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(host.LoadPlugin(error)) << error;
    }

    // A path through POINTS (artwork points) on top of the current layer; a handle at
    // CURVE bends the piece from the first anchor.
    emulator::Art& AddPath(const std::vector<HostRealPoint>& points, bool closed, bool guide,
                           const HostRealPoint* curve = nullptr) {
        HostErr error = kHostNoError;
        emulator::Art& path =
            *host.Drawing().NewArt(kHostPathArt, kHostPlaceAboveAll, nullptr, error);
        std::vector<HostPathSegment> segments;
        for (const HostRealPoint& point : points) segments.push_back({point, point, point, 1});
        if (curve != nullptr) segments.front().out = *curve;
        host.Drawing().SetSegmentCount(path, segments.size());
        host.Drawing().SetSegments(path, 0, segments);
        path.closed = closed;
        path.guide = guide;
        return path;
    }

    void Draw(emulator::AnnotationOp op, HostRGBColor color, HostReal width) {
        emulator::AnnotationDrawer drawer;
        drawer.color = color;
        drawer.lineWidth = width;
        host.Annotations().Record(drawer, std::move(op));
    }

    // The plug-in's tool in hand with its plain arrow, the pointer at POINT.
    void PointWithThePluginsTool(HostRealPoint point) {
        emulator::Tool tool;
        tool.name = "Outil Ortaq";
        tool.owner = host.Plugin().Ref();
        host.Tools().MakeCurrent(host.Tools().Add(std::move(tool)));
        host.App().SetCursor(20009);
        host.Input().MoveTo(point);
    }

    emulator::Host host{ORTAQ_PLUGIN_PATH};
};

// Whether an XML parser reads SVG whole.
bool WellFormed(const std::string& svg) {
    std::string dir = TemporaryDirectory();
    WriteTextFile(dir + "/view.svg", svg);
    CommandResult parsed =
        RunCommand("python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' " +
                   dir + "/view.svg");
    std::filesystem::remove_all(dir);
    return parsed.status == 0;
}

// Where TEXT starts in SVG, after FROM; npos when it is not there.
size_t Find(const std::string& svg, const std::string& text, size_t from = 0) {
    return svg.find(text, from);
}

TEST_F(ViewPicture, PaintsPathsThenGuidesThenAnnotationsThenTheCursor) {
    HostRealPoint handle{150, 792};
    AddPath({{100, 742}, {200, 742}, {200, 642}}, true, false);
    AddPath({{300, 742}, {400, 742}}, false, false, &handle);
    AddPath({{0, 442}, {595, 442}}, false, true);
    emulator::Layer* hidden = host.Drawing().InsertLayer(nullptr, kHostPlaceAboveAll);
    emulator::Layer* calque1 = host.Drawing().Current();
    host.Drawing().SetCurrent(hidden);
    AddPath({{1, 1}, {2, 2}}, false, false);
    AddPath({{3, 3}, {4, 4}}, false, true);
    hidden->visible = false;
    host.Drawing().SetCurrent(calque1);
    Draw({.op = "line", .coords = {1, 2, 30, 40}}, {65535, 0, 65535}, 1);
    Draw({.op = "rect", .coords = {10, 20, 70, 38}, .filled = true}, {65000, 65000, 65000}, 1);
    Draw({.op = "ellipse", .coords = {97, 97, 103, 103}}, {0, 32768, 0}, 2);
    Draw({.op = "text",
          .coords = {10, 20, 70, 38},
          .text = "a<b & \"c\"",
          .hAlign = kHostAlignCenter,
          .vAlign = kHostAlignCenter},
         {0, 0, 0}, 1);
    PointWithThePluginsTool({100, 742});

    std::string svg = emulator::ViewSvg(host);
    EXPECT_TRUE(WellFormed(svg)) << svg;
    EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"595\" height=\"842\" "
                        "viewBox=\"0 0 595 842\">\n",
                        0),
              0u)
        << svg;
    // The page fills the view at zoom 1.
    size_t page = Find(svg, "<rect x=\"0\" y=\"0\" width=\"595\" height=\"842\" fill=\"#ffffff\"");
    size_t second = Find(svg,
                         "<path d=\"M 300 100 C 150 50 400 100 400 100\" fill=\"none\" "
                         "stroke=\"#000000\" stroke-width=\"1\"/>");
    size_t first = Find(svg,
                        "<path d=\"M 100 100 L 200 100 L 200 200 L 100 100 Z\" "
                        "fill=\"none\" stroke=\"#000000\" stroke-width=\"1\"/>");
    size_t guide = Find(svg, "<path d=\"M 0 400 L 595 400\" fill=\"none\" stroke=\"" +
                                 std::string(emulator::kGuideColour) + "\" stroke-width=\"1\"/>");
    size_t annotations = Find(svg, "<g font-family=\"DejaVu Sans\" font-size=\"11\"");
    size_t line = Find(svg,
                       "<line x1=\"1.5\" y1=\"2.5\" x2=\"30.5\" y2=\"40.5\" "
                       "stroke=\"#ff00ff\" stroke-width=\"1\" stroke-linecap=\"square\"/>");
    size_t box = Find(svg, "<rect x=\"10\" y=\"20\" width=\"60\" height=\"18\" fill=\"#fdfdfd\"/>");
    size_t ring = Find(svg,
                       "<ellipse cx=\"100\" cy=\"100\" rx=\"2\" ry=\"2\" fill=\"none\" "
                       "stroke=\"#008000\" stroke-width=\"2\"/>");
    // Centred both ways: a line 14 pixels high whose baseline is 11 pixels below its top.
    size_t text = Find(svg,
                       "<text x=\"40\" y=\"33\" fill=\"#000000\" text-anchor=\"middle\">"
                       "a&lt;b &amp; &quot;c&quot;</text>");
    // The arrow's hot spot (11, 7) on the pointer's pixel (100, 100).
    size_t cursor = Find(svg, "<g transform=\"translate(89 93)\" shape-rendering=\"crispEdges\">");
    // The paths from the bottom up: the first one made lies under the second.
    std::vector<size_t> order = {page, first, second, guide, annotations,
                                 line, box,   ring,   text,  cursor};
    for (size_t found : order) ASSERT_NE(found, std::string::npos) << svg;
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << svg;
    // Nothing of the hidden layer.
    EXPECT_EQ(Find(svg, "M 1 841"), std::string::npos);
    EXPECT_EQ(Find(svg, "M 3 839"), std::string::npos);
}

TEST_F(ViewPicture, ZoomScalesThePageAndPathsButNotGuidesAnnotationsOrTheCursor) {
    AddPath({{100, 742}, {200, 742}}, false, false);
    AddPath({{0, 442}, {595, 442}}, false, true);
    host.Drawing().FirstView().SetZoom(2);
    Draw({.op = "rect", .coords = {10, 20, 70, 38}}, {0, 0, 0}, 2);
    PointWithThePluginsTool({100, 742});
    std::string svg = emulator::ViewSvg(host);
    EXPECT_NE(Find(svg, "<rect x=\"0\" y=\"0\" width=\"1190\" height=\"1684\" fill=\"#ffffff\""),
              std::string::npos)
        << svg;
    EXPECT_NE(Find(svg,
                   "<path d=\"M 200 200 L 400 200\" fill=\"none\" stroke=\"#000000\" "
                   "stroke-width=\"2\"/>"),
              std::string::npos)
        << svg;
    EXPECT_NE(Find(svg, "<path d=\"M 0 800 L 1190 800\" fill=\"none\" stroke=\"" +
                            std::string(emulator::kGuideColour) + "\" stroke-width=\"1\"/>"),
              std::string::npos)
        << svg;
    // An outline two pixels wide lies inside its rectangle.
    EXPECT_NE(Find(svg,
                   "<rect x=\"11\" y=\"21\" width=\"58\" height=\"16\" fill=\"none\" "
                   "stroke=\"#000000\" stroke-width=\"2\"/>"),
              std::string::npos)
        << svg;
    EXPECT_NE(Find(svg, "<g transform=\"translate(189 193)\""), std::string::npos) << svg;
}

TEST_F(ViewPicture, TheCursorShowsOnlyWithThePluginsToolAtAPointer) {
    host.App().SetCursor(20009);
    EXPECT_EQ(Find(emulator::ViewSvg(host), "<g transform"), std::string::npos);
    host.Input().MoveTo(HostRealPoint{100, 742});
    EXPECT_EQ(Find(emulator::ViewSvg(host), "<g transform"), std::string::npos);
    PointWithThePluginsTool({100, 742});
    EXPECT_NE(Find(emulator::ViewSvg(host), "<g transform"), std::string::npos);
    host.App().SetCursor(20010);  // a cursor the plug-in does not carry
    EXPECT_EQ(Find(emulator::ViewSvg(host), "<g transform"), std::string::npos);
}

}  // namespace
