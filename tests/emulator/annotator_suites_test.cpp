// The annotator suite and its drawer as the plug-in calls them: their contracts, what a draw
// cycle records, and text measured in the host's annotation font.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "emulator/core/host.h"
#include "emulator/models/annotations/annotation_font.h"
#include "emulator/output/state.h"
#include "host/ai_annotator.h"
#include "host/ai_application.h"
#include "host/ai_document.h"
#include "tests/support/case_name.h"
#include "tests/support/suite_access.h"

namespace {

class AnnotatorSuites : public ::testing::Test {
  protected:
    // A drawer as one draw message lends it, inside a draw cycle.
    struct DrawMessage {
        explicit DrawMessage(emulator::Host& host)
            : layer(host.Annotations()), lent(host.Annotations().Drawers(), drawer) {
            layer.BeginCycle();
        }
        ~DrawMessage() { layer.EndCycle(); }
        HostDrawerRef Get() const { return lent.Get(); }

        emulator::AnnotationLayer& layer;
        emulator::AnnotationDrawer drawer;
        emulator::LentHandle<HostDrawerRef, emulator::AnnotationDrawer> lent;
    };

    HostUnicodeStringRef String(const char* windows1252) {
        HostUnicodeStringRef string = nullptr;
        EXPECT_EQ(strings->NewFromWindows1252(windows1252, &string), kHostNoError);
        return string;
    }

    emulator::Json Annotations() const { return emulator::HostState(host).at("annotations"); }

    // Annotators need no plug-in code: the host serves them on the plug-in's behalf.
    emulator::Host host{"no-plugin.so"};
    const AIAnnotatorSuite4* annotators =
        Acquire<AIAnnotatorSuite4>(host, kAIAnnotatorSuite, kAIAnnotatorSuiteVersion);
    const AIAnnotatorDrawerSuite1* drawers = Acquire<AIAnnotatorDrawerSuite1>(
        host, kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion);
    const AIUnicodeStringSuite6* strings =
        Acquire<AIUnicodeStringSuite6>(host, kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
};

TEST_F(AnnotatorSuites, AnAnnotatorIsAddedActiveForThePluginAndTurnsOffAndOn) {
    HostAnnotatorHandle annotator = nullptr;
    ASSERT_EQ(annotators->AddAnnotator(host.Plugin().Ref(), "KVTAnno\x95", &annotator),
              kHostNoError);
    HostBool32 active = 0;
    EXPECT_EQ(annotators->GetAnnotatorActive(annotator, &active), kHostNoError);
    EXPECT_EQ(active, 1);
    EXPECT_EQ(annotators->SetAnnotatorActive(annotator, 0), kHostNoError);
    EXPECT_EQ(annotators->GetAnnotatorActive(annotator, &active), kHostNoError);
    EXPECT_EQ(active, 0);
    EXPECT_EQ(Annotations().at("annotators").dump(),
              "[{\"name\":\"KVTAnno\u2022\",\"active\":false}]");
    EXPECT_TRUE(host.Errors().empty());
}

struct RefusedCall {
    const char* name;
    std::function<HostErr(const AIAnnotatorSuite4&, HostPluginRef, HostAnnotatorHandle)> call;
    HostErr answer;
    bool misuse;  // recorded among the host's errors
};

class AnnotatorRefusals : public AnnotatorSuites,
                          public ::testing::WithParamInterface<RefusedCall> {};

TEST_P(AnnotatorRefusals, AnswerAnErrorAndChangeNothing) {
    HostAnnotatorHandle annotator = nullptr;
    ASSERT_EQ(annotators->AddAnnotator(host.Plugin().Ref(), "A", &annotator), kHostNoError);
    const RefusedCall& c = GetParam();
    EXPECT_EQ(c.call(*annotators, host.Plugin().Ref(), annotator), c.answer);
    EXPECT_EQ(host.Errors().size(), c.misuse ? 1u : 0u);
    EXPECT_EQ(Annotations().at("annotators").dump(), "[{\"name\":\"A\",\"active\":true}]");
}

// Not an annotator: a handle the host never handed out as one.
HostAnnotatorHandle Stranger(HostAnnotatorHandle annotator) {
    return reinterpret_cast<HostAnnotatorHandle>(reinterpret_cast<uintptr_t>(annotator) + 16);
}

const HostRect kSomeRect = {1, 2, 3, 4};

INSTANTIATE_TEST_SUITE_P(
    Annotators, AnnotatorRefusals,
    ::testing::Values(RefusedCall{"AddWithoutName",
                                  [](auto& s, HostPluginRef plugin, HostAnnotatorHandle) {
                                      HostAnnotatorHandle added = nullptr;
                                      return s.AddAnnotator(plugin, nullptr, &added);
                                  },
                                  kHostErrBadParameter, false},
                      RefusedCall{"AddWithoutOutput",
                                  [](auto& s, HostPluginRef plugin, HostAnnotatorHandle) {
                                      return s.AddAnnotator(plugin, "B", nullptr);
                                  },
                                  kHostErrBadParameter, false},
                      RefusedCall{"AddForAnotherPlugin",
                                  [](auto& s, HostPluginRef, HostAnnotatorHandle) {
                                      HostAnnotatorHandle added = nullptr;
                                      return s.AddAnnotator(nullptr, "B", &added);
                                  },
                                  kHostErrBadHandle, true},
                      RefusedCall{"SetAnUnknownOne",
                                  [](auto& s, HostPluginRef, HostAnnotatorHandle annotator) {
                                      return s.SetAnnotatorActive(Stranger(annotator), 0);
                                  },
                                  kHostErrBadHandle, true},
                      RefusedCall{"GetAnUnknownOne",
                                  [](auto& s, HostPluginRef, HostAnnotatorHandle annotator) {
                                      HostBool32 active = 0;
                                      return s.GetAnnotatorActive(Stranger(annotator), &active);
                                  },
                                  kHostErrBadHandle, true},
                      RefusedCall{"GetWithoutOutput",
                                  [](auto& s, HostPluginRef, HostAnnotatorHandle annotator) {
                                      return s.GetAnnotatorActive(annotator, nullptr);
                                  },
                                  kHostErrBadParameter, false},
                      RefusedCall{"InvalidateWithoutRect",
                                  [](auto& s, HostPluginRef, HostAnnotatorHandle) {
                                      return s.InvalidAnnotationRect(nullptr, nullptr);
                                  },
                                  kHostErrBadParameter, false},
                      RefusedCall{"InvalidateAnUnknownView",
                                  [](auto& s, HostPluginRef, HostAnnotatorHandle annotator) {
                                      auto view =
                                          reinterpret_cast<HostDocumentViewHandle>(annotator);
                                      return s.InvalidAnnotationRect(view, &kSomeRect);
                                  },
                                  kHostErrBadHandle, true}),
    CaseName<RefusedCall>);

TEST_F(AnnotatorSuites, ADrawCycleRecordsWhatIsDrawnWithTheDrawersSettingsAtThatMoment) {
    const AIDocumentViewSuite10* views =
        Acquire<AIDocumentViewSuite10>(host, kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
    HostDocumentViewHandle view = nullptr;
    ASSERT_EQ(views->GetNthDocumentView(0, &view), kHostNoError);
    HostUnicodeStringRef text = String("\xC9t\xE9 \x80");  // "Été €" in Windows-1252
    {
        DrawMessage message(host);
        HostDrawerRef drawer = message.Get();
        HostViewPoint a{1, 2}, b{30, 40};
        HostRect box{10, 20, 70, 38};
        EXPECT_EQ(drawers->DrawLine(drawer, &a, &b), kHostNoError);  // black, 1 wide
        EXPECT_EQ(drawers->SetColor(drawer, {65000, 65000, 65000}), kHostNoError);
        EXPECT_EQ(drawers->SetLineWidth(drawer, 2.5f), kHostNoError);
        EXPECT_EQ(drawers->DrawRect(drawer, &box, 1), kHostNoError);
        EXPECT_EQ(drawers->DrawEllipse(drawer, &box, 0), kHostNoError);
        EXPECT_EQ(drawers->SetColor(drawer, {65535, 0, 32768}), kHostNoError);
        EXPECT_EQ(drawers->SetFontPreset(drawer, kHostAnnotationDefaultFont), kHostNoError);
        EXPECT_EQ(drawers->DrawTextAligned(drawer, text, kHostAlignEnd, kHostAlignCenter, &box),
                  kHostNoError);
        EXPECT_EQ(annotators->InvalidAnnotationRect(view, &box), kHostNoError);
        EXPECT_EQ(annotators->InvalidAnnotationRect(nullptr, &kSomeRect), kHostNoError);
    }
    // Outside a cycle an invalidation asks for nothing more: every event redraws the layer.
    EXPECT_EQ(annotators->InvalidAnnotationRect(nullptr, &kSomeRect), kHostNoError);
    EXPECT_EQ(Annotations().at("drawing").dump(),
              "[{\"op\":\"line\",\"coords\":[1,2,30,40],\"color\":[0,0,0],\"line_width\":1.0},"
              "{\"op\":\"rect\",\"coords\":[10,20,70,38],\"color\":[65000,65000,65000],"
              "\"line_width\":2.5,\"filled\":true},"
              "{\"op\":\"ellipse\",\"coords\":[10,20,70,38],\"color\":[65000,65000,65000],"
              "\"line_width\":2.5,\"filled\":false},"
              "{\"op\":\"text\",\"coords\":[10,20,70,38],\"color\":[65535,0,32768],"
              "\"text\":\"Été €\",\"align\":[2,1],\"font\":0}]");
    EXPECT_EQ(Annotations().at("invalidated").dump(), "[[10,20,70,38],[1,2,3,4]]");
    // The next cycle starts from an empty layer.
    { DrawMessage next(host); }
    EXPECT_EQ(Annotations().at("drawing").dump(), "[]");
    EXPECT_EQ(Annotations().at("invalidated").dump(), "[]");
    EXPECT_TRUE(host.Errors().empty());
}

struct DrawerCall {
    const char* name;
    std::function<HostErr(const AIAnnotatorDrawerSuite1&, HostDrawerRef, HostUnicodeStringRef)>
        call;
};

// Every function of the drawer, called with arguments it accepts.
const DrawerCall kDrawerCalls[] = {
    {"SetColor",
     [](auto& s, HostDrawerRef d, auto) {
         return s.SetColor(d, {1, 2, 3});
     }},
    {"SetLineWidth", [](auto& s, HostDrawerRef d, auto) { return s.SetLineWidth(d, 0); }},
    {"DrawLine",
     [](auto& s, HostDrawerRef d, auto) {
         HostViewPoint point{0, 0};
         return s.DrawLine(d, &point, &point);
     }},
    {"DrawRect", [](auto& s, HostDrawerRef d, auto) { return s.DrawRect(d, &kSomeRect, 0); }},
    {"DrawEllipse", [](auto& s, HostDrawerRef d, auto) { return s.DrawEllipse(d, &kSomeRect, 1); }},
    {"DrawTextAligned",
     [](auto& s, HostDrawerRef d, HostUnicodeStringRef text) {
         return s.DrawTextAligned(d, text, kHostAlignStart, kHostAlignEnd, &kSomeRect);
     }},
    {"GetTextBounds",
     [](auto& s, HostDrawerRef d, HostUnicodeStringRef text) {
         HostRect bounds{};
         return s.GetTextBounds(d, text, nullptr, &bounds);
     }},
    {"SetFontPreset", [](auto& s, HostDrawerRef d, auto) { return s.SetFontPreset(d, 0); }},
};

TEST_F(AnnotatorSuites, ADrawerIsFoundOnlyDuringItsDrawMessage) {
    HostUnicodeStringRef text = String("x");
    HostDrawerRef stale = nullptr;
    {
        DrawMessage message(host);
        stale = message.Get();
        for (const DrawerCall& c : kDrawerCalls)
            EXPECT_EQ(c.call(*drawers, stale, text), kHostNoError) << c.name;
    }
    DrawMessage next(host);
    for (const DrawerCall& c : kDrawerCalls) {
        EXPECT_EQ(c.call(*drawers, stale, text), kHostErrBadHandle) << c.name;
        EXPECT_EQ(c.call(*drawers, nullptr, text), kHostErrBadHandle) << c.name;
    }
    EXPECT_EQ(host.Errors().size(), 2 * std::size(kDrawerCalls));
    EXPECT_EQ(Annotations().at("drawing").dump(), "[]");
}

struct BadDrawerArgument {
    const char* name;
    // What the drawer D is asked, TEXT a string and UNKNOWN no string at all.
    std::function<HostErr(const AIAnnotatorDrawerSuite1&, HostDrawerRef d,
                          HostUnicodeStringRef text, HostUnicodeStringRef unknown)>
        call;
    HostErr answer;
};

class DrawerRefusals : public AnnotatorSuites,
                       public ::testing::WithParamInterface<BadDrawerArgument> {};

TEST_P(DrawerRefusals, DrawNothingAndLeaveTheDrawerAsItWas) {
    HostUnicodeStringRef text = String("x");
    HostUnicodeStringRef unknown = String("gone");
    ASSERT_EQ(strings->Dispose(unknown), kHostNoError);
    DrawMessage message(host);
    EXPECT_EQ(GetParam().call(*drawers, message.Get(), text, unknown), GetParam().answer);
    EXPECT_TRUE(message.layer.Operations().empty());
    EXPECT_EQ(message.drawer.lineWidth, 1);
    EXPECT_EQ(message.drawer.font, kHostAnnotationDefaultFont);
}

const HostViewPoint kPoint = {0, 0};

INSTANTIATE_TEST_SUITE_P(
    Drawer, DrawerRefusals,
    ::testing::Values(
        BadDrawerArgument{
            "NegativeWidth",
            [](auto& s, HostDrawerRef d, auto, auto) { return s.SetLineWidth(d, -1); },
            kHostErrBadParameter},
        BadDrawerArgument{"WidthNotANumber",
                          [](auto& s, HostDrawerRef d, auto, auto) {
                              return s.SetLineWidth(d, std::numeric_limits<float>::quiet_NaN());
                          },
                          kHostErrBadParameter},
        BadDrawerArgument{
            "LineWithoutStart",
            [](auto& s, HostDrawerRef d, auto, auto) { return s.DrawLine(d, nullptr, &kPoint); },
            kHostErrBadParameter},
        BadDrawerArgument{
            "LineWithoutEnd",
            [](auto& s, HostDrawerRef d, auto, auto) { return s.DrawLine(d, &kPoint, nullptr); },
            kHostErrBadParameter},
        BadDrawerArgument{
            "RectWithoutRect",
            [](auto& s, HostDrawerRef d, auto, auto) { return s.DrawRect(d, nullptr, 1); },
            kHostErrBadParameter},
        BadDrawerArgument{
            "EllipseWithoutRect",
            [](auto& s, HostDrawerRef d, auto, auto) { return s.DrawEllipse(d, nullptr, 0); },
            kHostErrBadParameter},
        BadDrawerArgument{"TextWithoutText",
                          [](auto& s, HostDrawerRef d, auto, auto) {
                              return s.DrawTextAligned(d, nullptr, 1, 1, &kSomeRect);
                          },
                          kHostErrBadParameter},
        BadDrawerArgument{"TextWithoutRect",
                          [](auto& s, HostDrawerRef d, HostUnicodeStringRef text, auto) {
                              return s.DrawTextAligned(d, text, 1, 1, nullptr);
                          },
                          kHostErrBadParameter},
        BadDrawerArgument{"TextAlignedOutsideTheThreeCodes",
                          [](auto& s, HostDrawerRef d, HostUnicodeStringRef text, auto) {
                              return s.DrawTextAligned(d, text, 1, 3, &kSomeRect);
                          },
                          kHostErrBadParameter},
        BadDrawerArgument{"TextNegativeAlignment",
                          [](auto& s, HostDrawerRef d, HostUnicodeStringRef text, auto) {
                              return s.DrawTextAligned(d, text, -1, 0, &kSomeRect);
                          },
                          kHostErrBadParameter},
        BadDrawerArgument{"TextDisposedOf",
                          [](auto& s, HostDrawerRef d, auto, HostUnicodeStringRef unknown) {
                              return s.DrawTextAligned(d, unknown, 1, 1, &kSomeRect);
                          },
                          kHostErrBadHandle},
        BadDrawerArgument{"BoundsWithoutOutput",
                          [](auto& s, HostDrawerRef d, HostUnicodeStringRef text, auto) {
                              return s.GetTextBounds(d, text, nullptr, nullptr);
                          },
                          kHostErrBadParameter},
        BadDrawerArgument{"BoundsWithoutText",
                          [](auto& s, HostDrawerRef d, auto, auto) {
                              HostRect bounds{};
                              return s.GetTextBounds(d, nullptr, nullptr, &bounds);
                          },
                          kHostErrBadParameter},
        BadDrawerArgument{"BoundsOfAStringDisposedOf",
                          [](auto& s, HostDrawerRef d, auto, HostUnicodeStringRef unknown) {
                              HostRect bounds{};
                              return s.GetTextBounds(d, unknown, nullptr, &bounds);
                          },
                          kHostErrBadHandle},
        BadDrawerArgument{
            "AnUnknownFont",
            [](auto& s, HostDrawerRef d, auto, auto) { return s.SetFontPreset(d, 1); },
            kHostErrBadParameter}),
    CaseName<BadDrawerArgument>);

// What FreeType itself says of TEXT (UTF-32) in DejaVu Sans at 11 pixels: the sum of the
// unhinted advances rounded up, and the size's ascender minus descender.
HostRect FreeTypeBounds(const std::u32string& text) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    EXPECT_EQ(FT_Init_FreeType(&library), 0);
    EXPECT_EQ(FT_New_Face(library, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0, &face), 0);
    EXPECT_EQ(FT_Set_Pixel_Sizes(face, 0, 11), 0);
    double width = 0;
    for (char32_t c : text) {
        FT_Fixed advance = 0;
        EXPECT_EQ(FT_Get_Advance(face, FT_Get_Char_Index(face, c), FT_LOAD_NO_HINTING, &advance),
                  0);
        width += advance / 65536.0;
    }
    HostRect bounds{
        0, 0, static_cast<int32_t>(std::ceil(width)),
        static_cast<int32_t>((face->size->metrics.ascender - face->size->metrics.descender) / 64)};
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return bounds;
}

TEST_F(AnnotatorSuites, TextBoundsAreThoseFreeTypeGivesInDejaVuSansAt11Pixels) {
    struct Case {
        const char* windows1252;
        std::u32string text;
    } cases[] = {{"25,40 mm", U"25,40 mm"},
                 {"100,00 pt", U"100,00 pt"},
                 {"\xC0 propos \x80", U"\u00C0 propos \u20AC"},
                 {"", U""}};
    DrawMessage message(host);
    for (const Case& c : cases) {
        HostRect bounds{9, 9, 9, 9};
        ASSERT_EQ(drawers->GetTextBounds(message.Get(), String(c.windows1252), nullptr, &bounds),
                  kHostNoError);
        HostRect expected = FreeTypeBounds(c.text);
        EXPECT_EQ(bounds.left, 0) << c.windows1252;
        EXPECT_EQ(bounds.top, 0) << c.windows1252;
        EXPECT_EQ(bounds.right, expected.right) << c.windows1252;
        EXPECT_EQ(bounds.bottom, expected.bottom) << c.windows1252;
    }
    // A line of DejaVu Sans at 11 pixels: 11 above the baseline and 3 below.
    HostRect label{};
    HostViewPoint at{100, -20};
    ASSERT_EQ(drawers->GetTextBounds(message.Get(), String("25,40 mm"), &at, &label), kHostNoError);
    EXPECT_EQ(label.left, 100);
    EXPECT_EQ(label.top, -20);
    EXPECT_EQ(label.right, 100 + FreeTypeBounds(U"25,40 mm").right);
    EXPECT_EQ(label.bottom, -20 + 14);
}

TEST(AnnotationFont, AMissingFontFileIsNamedWithThePackageThatInstallsIt) {
    try {
        emulator::AnnotationFont font("/nowhere/DejaVuSans.ttf");
        ADD_FAILURE() << "a missing font opened";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "cannot open the annotation font /nowhere/DejaVuSans.ttf, which Debian's "
                  "fonts-dejavu-core installs (FreeType error 1)");
    }
}

}  // namespace
