#include "emulator/host/json.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace {

struct FloatCase {
    float value;
    const char* text;
};

class ShortestFloat : public ::testing::TestWithParam<FloatCase> {};

TEST_P(ShortestFloat, ReadsBackToTheSameFloat) {
    std::string text = host::Json::Float(GetParam().value).Dump(0);
    EXPECT_EQ(text, std::string(GetParam().text) + "\n");
    EXPECT_EQ(std::strtof(text.c_str(), nullptr), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Json, ShortestFloat,
                         ::testing::Values(FloatCase{0.1f, "0.1"},
                                           FloatCase{1.0f / 3, "0.33333334"},
                                           FloatCase{36.055513f, "36.05551"},
                                           FloatCase{-0.0f, "-0"}, FloatCase{100.0f, "100"},
                                           FloatCase{1e-7f, "1e-07"}));

struct RealCase {
    double value;
    const char* text;
};

class Reals : public ::testing::TestWithParam<RealCase> {};

TEST_P(Reals, ReadBackAsRealsBitForBit) {
    std::string text = host::Json(GetParam().value).Dump(0);
    EXPECT_EQ(text, std::string(GetParam().text) + "\n");
    host::Json back = host::Json::Parse(text);
    ASSERT_TRUE(back.IsReal());
    EXPECT_EQ(std::bit_cast<uint64_t>(back.AsDouble()), std::bit_cast<uint64_t>(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Json, Reals,
    ::testing::Values(RealCase{0.1, "0.1"}, RealCase{1.0, "1.0"}, RealCase{-0.0, "-0.0"},
                      RealCase{1.0 / 3, "0.3333333333333333"}, RealCase{123456789.0, "123456789.0"},
                      RealCase{1e21, "1e+21"}, RealCase{5e-324, "5e-324"},
                      RealCase{std::numeric_limits<double>::max(), "1.7976931348623157e+308"}));

TEST(Json, ParseKeepsTheKindOfEachValue) {
    host::Json values = host::Json::Parse("[true, 1, 1.0, \"1\", null]");
    auto kinds = [](const host::Json& value) {
        return std::vector<bool>{value.IsBool(), value.IsInteger(), value.IsReal(),
                                 value.IsString(), value.IsNull()};
    };
    for (size_t i = 0; i < values.Size(); ++i) {
        std::vector<bool> expected(5, false);
        expected[i] = true;
        EXPECT_EQ(kinds(values[i]), expected) << values[i].Dump(0);
    }
}

TEST(Json, NonFiniteNumbersAreWrittenAsNull) {
    EXPECT_EQ(host::Json::Float(std::numeric_limits<float>::quiet_NaN()).Dump(0), "null\n");
    EXPECT_EQ(host::Json(std::numeric_limits<double>::infinity()).Dump(0), "null\n");
}

TEST(Json, DumpsAndParsesBackTheSameDocument) {
    host::Json document = host::Json::MakeObject();
    document.Set("text", "Calque 1 \"quoted\" \\ é\n\t");
    document.Set("number", 42);
    document.Set("real", host::Json::Float(36.5f));
    document.Set("flag", false);
    document.Set("nothing", host::Json());
    host::Json& list = document.Set("list", host::Json::MakeArray());
    list.Push(1);
    list.Push(host::Json::MakeObject());
    for (int indent : {0, 2}) {
        host::Json back = host::Json::Parse(document.Dump(indent));
        EXPECT_EQ(back.Dump(), document.Dump());
        EXPECT_EQ(back["text"].AsString(), "Calque 1 \"quoted\" \\ é\n\t");
        EXPECT_EQ(back["number"].AsInt(), 42);
        EXPECT_EQ(back["real"].AsDouble(), 36.5);
        EXPECT_TRUE(back["nothing"].IsNull());
    }
}

TEST(Json, SetReplacesAMemberAndKeepsItsPlace) {
    host::Json object = host::Json::MakeObject();
    object.Set("a", 1);
    object.Set("b", 2);
    object.Set("a", 3);
    EXPECT_EQ(object.Dump(0), "{\"a\":3,\"b\":2}\n");
}

TEST(Json, ParseNamesTheOffsetOfAFault) {
    try {
        host::Json::Parse("{\"a\": [1, 2,, 3]}");
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "JSON offset 12: unexpected character");
    }
    EXPECT_THROW(host::Json::Parse("{\"a\": 1} x"), std::runtime_error);
    EXPECT_THROW(host::Json::Parse("\"open"), std::runtime_error);
}

TEST(Json, AMissingKeyIsAnError) {
    host::Json object = host::Json::Parse("{\"a\": 1}");
    EXPECT_EQ(object.Find("b"), nullptr);
    EXPECT_THROW(object["b"], std::out_of_range);
}

}  // namespace
