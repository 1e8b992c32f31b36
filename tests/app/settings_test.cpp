#include "app/settings.h"
#include "tests/app/memory_backend.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace tarnivel {
namespace {

constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
constexpr auto kMax = std::numeric_limits<std::int32_t>::max();

struct WholeCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

class WholeNumberText : public ::testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumberText, RoundsHalvesToEvenAndRejectsWhatIsNotANumber)
{
    EXPECT_EQ(toWholeNumber(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Settings, WholeNumberText,
    ::testing::Values(
        // halves go to the even neighbour, everything else to the nearest
        WholeCase{"1234.5", 1234}, WholeCase{"1235.5", 1236}, WholeCase{"0.5", 0},
        WholeCase{"-2.5", -2}, WholeCase{"-3.5", -4}, WholeCase{"2.4999", 2},
        WholeCase{"2.5001", 3}, WholeCase{"-0.4", 0}, WholeCase{".5", 0},
        // accepted spellings
        WholeCase{" 42\t", 42}, WholeCase{"+7", 7}, WholeCase{"1.234568E+07", 12345680},
        WholeCase{"1e3", 1000}, WholeCase{"-16777216", -16777216},
        // the 32-bit range, after rounding
        WholeCase{"2147483647", kMax}, WholeCase{"-2147483648", kMin},
        WholeCase{"-2147483648.5", kMin}, WholeCase{"2147483647.5", std::nullopt},
        WholeCase{"2147483648", std::nullopt}, WholeCase{"1e10", std::nullopt},
        WholeCase{"1e400", std::nullopt},
        // not numbers
        WholeCase{"", std::nullopt}, WholeCase{"   ", std::nullopt}, WholeCase{"red", std::nullopt},
        WholeCase{"12abc", std::nullopt}, WholeCase{"1 2", std::nullopt},
        WholeCase{"1,5", std::nullopt}, WholeCase{"+-5", std::nullopt},
        WholeCase{"0x10", std::nullopt}, WholeCase{"nan", std::nullopt},
        WholeCase{"-inf", std::nullopt}, WholeCase{"infinity", std::nullopt},
        WholeCase{"1e", std::nullopt}, WholeCase{".", std::nullopt}));

TEST(SettingsConversion, ByteIsAWholeNumberFrom0To255)
{
    EXPECT_EQ(toByte("255"), 255);
    EXPECT_EQ(toByte("0"), 0);
    EXPECT_EQ(toByte("254.5"), 254);
    EXPECT_EQ(toByte("-0.5"), 0);
    EXPECT_EQ(toByte("255.5"), std::nullopt); // rounds to 256
    EXPECT_EQ(toByte("300"), std::nullopt);
    EXPECT_EQ(toByte("-1"), std::nullopt);
}

TEST(SettingsConversion, TruthIsANumberOrAWord)
{
    EXPECT_EQ(toTruth("1"), true);
    EXPECT_EQ(toTruth("-1"), true);
    EXPECT_EQ(toTruth("0.4"), true); // not rounded: any number but 0
    EXPECT_EQ(toTruth("0"), false);
    EXPECT_EQ(toTruth(" 0.0 "), false);
    EXPECT_EQ(toTruth("TRUE"), true);
    EXPECT_EQ(toTruth("False"), false);
    EXPECT_EQ(toTruth("maybe"), std::nullopt);
    EXPECT_EQ(toTruth("truest"), std::nullopt);
    EXPECT_EQ(toTruth(""), std::nullopt);
}

TEST(SettingsConversion, SingleTextHasSevenSignificantDigitsAndExponentFromTenMillion)
{
    const std::pair<float, const char*> cases[] = {
        {100000.f, "100000"},   {1935.f, "1935"},      {1935.5f, "1935.5"},
        {0.25f, "0.25"},        {-250.f, "-250"},      {0.f, "0"},
        {9999999.f, "9999999"}, {10000000.f, "1E+07"}, {12345678.f, "1.234568E+07"},
        {3e9f, "3E+09"},        {0.00001f, "1E-05"},   {1.f / 3.f, "0.3333333"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(singleText(value), text) << value;
}

TEST(SettingsConversion, LargeScaleReadsBackAsItsSevenDigits)
{
    EXPECT_EQ(toWholeNumber(singleText(12345678.f)), 12345680);
    EXPECT_EQ(toWholeNumber(singleText(9999999.f)), 9999999);
}

// One stored text per case and the field of WindowSettings it ends up in.
struct LoadCase {
    const char* key;
    const char* text;
    std::int64_t expected;
};

std::int64_t field(const WindowSettings& s, std::string_view key)
{
    const std::pair<std::string_view, std::int64_t> fields[] = {{"MaxValue", s.MaxValue},
                                                                {"DLColour", s.DLColour},
                                                                {"ULColour", s.ULColour},
                                                                {"BackColour", s.BackColour},
                                                                {"OverlapColour", s.OverlapColour},
                                                                {"Width", s.Width},
                                                                {"Height", s.Height},
                                                                {"Float", s.Float},
                                                                {"Opacity", s.Opacity}};
    for (const auto& [name, value] : fields)
        if (name == key)
            return value;
    ADD_FAILURE() << "no field " << key;
    return 0;
}

class LoadedSetting : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadedSetting, ConvertsOrFallsBackToTheKeysDefault)
{
    test::MemoryBackend store;
    store.values[GetParam().key] = GetParam().text;
    const WindowSettings loaded = readWindowSettings(store);
    EXPECT_EQ(field(loaded, GetParam().key), GetParam().expected)
        << GetParam().key << "=\"" << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LoadedSetting,
    ::testing::Values(
        LoadCase{"MaxValue", "1234.5", 1234}, LoadCase{"MaxValue", "1235.5", 1236},
        LoadCase{"MaxValue", "1.234568E+07", 12345680}, LoadCase{"MaxValue", "fast", 100000},
        LoadCase{"DLColour", "-1", -1}, LoadCase{"DLColour", "red", 255},
        LoadCase{"ULColour", "\x01\xff\xfe junk", 65280}, LoadCase{"BackColour", "", 8421504},
        LoadCase{"OverlapColour", "4294967295", 65535}, LoadCase{"Width", "1935.0", 1935},
        LoadCase{"Width", "150", 150}, LoadCase{"Height", "99999999999", 1230},
        LoadCase{"Float", "0", 0}, LoadCase{"Float", "1", 1}, LoadCase{"Float", "True", 0},
        LoadCase{"Float", " 1", 0}, LoadCase{"Float", "", 0}, LoadCase{"Opacity", "128", 128},
        LoadCase{"Opacity", "12.5", 12}, LoadCase{"Opacity", "300", 255},
        LoadCase{"Opacity", "-1", 255}, LoadCase{"Opacity", "opaque", 255}));

TEST(SettingsLoad, EmptyStoreGivesTheTableDefaultsInLoadOrder)
{
    test::MemoryBackend store;
    const WindowSettings loaded = readWindowSettings(store);

    EXPECT_EQ(loaded.MaxValue, 100000);
    EXPECT_EQ(loaded.DLColour, 255);
    EXPECT_EQ(loaded.ULColour, 65280);
    EXPECT_EQ(loaded.BackColour, 8421504);
    EXPECT_EQ(loaded.OverlapColour, 65535);
    EXPECT_EQ(loaded.Width, 1935);
    EXPECT_EQ(loaded.Height, 1230);
    EXPECT_TRUE(loaded.Float);
    EXPECT_EQ(loaded.Opacity, 255);
    // A missing key and junk in it must agree on the default (Float aside: only "1" is on top).
    EXPECT_EQ(loaded, WindowSettings{});
    EXPECT_EQ(store.calls,
              (std::vector<std::string>{"read MaxValue", "read DLColour", "read ULColour",
                                        "read BackColour", "read OverlapColour", "read Width",
                                        "read Height", "read Float", "read Opacity"}));
}

TEST(SettingsLoad, JunkInEveryKeyGivesTheSameDefaults)
{
    test::MemoryBackend store;
    for (const SettingKey& key : keys::kAll)
        store.values[std::string(key.name)] = "junk";
    WindowSettings expected;
    expected.Float = false;
    EXPECT_EQ(readWindowSettings(store), expected);
}

TEST(SettingsStore, ReadSettingGivesTheDefaultTextOnlyForAMissingKey)
{
    test::MemoryBackend store;
    EXPECT_EQ(ReadSetting(store, kAppName, kSection, "Opacity", "255"), "255");
    store.values["Opacity"] = "";
    EXPECT_EQ(ReadSetting(store, kAppName, kSection, "Opacity", "255"), "");
}

LiveSettings live(bool sizeIsNormal)
{
    return LiveSettings{12345678.f, 255, 65280,  -16777216, 65535,
                        false,      128, 1935.f, 1230.5f,   sizeIsNormal};
}

TEST(SettingsUnload, WritesInUnloadOrderThenFlushes)
{
    test::MemoryBackend store;
    writeWindowSettings(store, live(true));
    EXPECT_EQ(store.calls,
              (std::vector<std::string>{
                  "write MaxValue=1.234568E+07", "write DLColour=255", "write ULColour=65280",
                  "write BackColour=-16777216", "write OverlapColour=65535", "write Float=0",
                  "write Opacity=128", "write Width=1935", "write Height=1230.5", "flush"}));
}

TEST(SettingsUnload, SizeIsLeftAloneUnlessTheWindowIsNormal)
{
    test::MemoryBackend store;
    store.values["Width"] = "3000";
    writeWindowSettings(store, live(false));
    EXPECT_EQ(store.calls.size(), 8u);
    EXPECT_EQ(store.calls.back(), "flush");
    EXPECT_EQ(store.values["Width"], "3000");
    EXPECT_EQ(store.values.count("Height"), 0u);
}

TEST(SettingsUnload, WhatIsWrittenLoadsBack)
{
    test::MemoryBackend store;
    writeWindowSettings(store, LiveSettings{250000.f, 1, 2, 3, -4, true, 0, 3000.f, 4000.f, true});
    const WindowSettings expected{250000, 1, 2, 3, -4, 3000, 4000, true, 0};
    EXPECT_EQ(readWindowSettings(store), expected);
}

} // namespace
} // namespace tarnivel
