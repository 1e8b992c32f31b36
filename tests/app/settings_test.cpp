#include "app/settings.h"
#include "app/startup.h"
#include "tests/support/memory_settings.h"

#include <gtest/gtest.h>
#include <map>

namespace tarnivel {
namespace {

// Tables of rows kept dense by hand, a few related rows per line.
// clang-format off
TEST(SettingsConversion, WholeNumbersRoundHalvesToEvenWithinThe32BitRange)
{
    const std::pair<const char*, std::int32_t> rounded[] = {
        {"1234.5", 1234}, {"1235.5", 1236}, {"-2.5", -2}, {"2.5001", 3}, {".5", 0},
        {" +42\t", 42}, {"1.234568E+07", 12345680}, {"-2147483648.5", -2147483647 - 1}};
    for (const auto& [text, expected] : rounded)
        EXPECT_EQ(toWholeNumber(text), expected) << '"' << text << '"';
    for (const char* text : {"2147483647.5", "1e400", "", "12abc", "1,5", "+-5", "0x10", "nan",
                             "-inf", "."})
        EXPECT_EQ(toWholeNumber(text), std::nullopt) << '"' << text << '"';
}

TEST(SettingsConversion, SingleTextHasSevenSignificantDigitsAndExponentFromTenMillion)
{
    const std::pair<float, const char*> cases[] = {{9999999.f, "9999999"}, {1e7f, "1E+07"},
        {12345678.f, "1.234568E+07"}, {1.f / 3.f, "0.3333333"}, {0.00001f, "1E-05"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(singleText(value), text) << value;
}

TEST(SettingsLoad, StoredTextConvertsOrFallsBackToTheKeysDefault)
{
    MemorySettings empty; // every key missing: the first run, with the table's defaults
    EXPECT_EQ(chooseStartWindow(empty), StartWindow::Wizard);
    EXPECT_EQ(readWindowSettings(empty),
              (WindowSettings{100000, 255, 65280, 8421504, 65535, 1935, 1230, true, 255}));

    const auto loaded = [](MemorySettings& store, std::string_view key) {
        const WindowSettings s = readWindowSettings(store);
        return std::map<std::string_view, std::int64_t>{
            {"RunBefore", chooseStartWindow(store) == StartWindow::Meter},
            {"MaxValue", s.MaxValue}, {"DLColour", s.DLColour}, {"ULColour", s.ULColour},
            {"BackColour", s.BackColour}, {"OverlapColour", s.OverlapColour}, {"Width", s.Width},
            {"Height", s.Height}, {"Float", s.Float}, {"Opacity", s.Opacity}}.at(key);
    };
    const std::tuple<const char*, const char*, std::int64_t> cases[] = {
        {"RunBefore", "1", 1}, {"RunBefore", "-1", 1}, {"RunBefore", "0.4", 1},
        {"RunBefore", "TRUE", 1}, {"RunBefore", "0", 0}, {"RunBefore", "false", 0},
        {"RunBefore", "maybe", 0}, {"RunBefore", "", 0},
        {"MaxValue", "1235.5", 1236}, {"MaxValue", "fast", 100000},
        {"DLColour", "-1", -1}, {"DLColour", "red", 255}, {"ULColour", "\x01\xff", 65280},
        {"BackColour", "", 8421504}, {"OverlapColour", "4294967295", 65535},
        {"Width", "wide", 1935}, {"Height", "99999999999", 1230},
        {"Float", "True", 0}, {"Float", " 1", 0}, // on top only for exactly "1"
        // The colours' 32-bit range: its ends load, one beyond falls back (never wraps).
        {"DLColour", "2147483647", 2147483647}, {"DLColour", "2147483648", 255},
        {"ULColour", "-2147483648", -2147483648LL}, {"ULColour", "-2147483649", 65280},
        {"BackColour", "2147483647.5", 8421504}, {"OverlapColour", "-2147483648.5", -2147483648LL},
        // A byte: 256 must not wrap to 0, a fully invisible window.
        {"Opacity", "12.5", 12}, {"Opacity", "300", 255}, {"Opacity", "-1", 255},
        {"Opacity", "255", 255}, {"Opacity", "256", 255}, {"Opacity", "-0.5", 0},
        {"Opacity", "255.5", 255}, {"Opacity", "0", 0}};
    for (const auto& [key, text, expected] : cases) {
        MemorySettings store;
        store.values[key] = text;
        EXPECT_EQ(loaded(store, key), expected) << key << "=\"" << text << '"';
    }
}
// clang-format on

TEST(SettingsUnload, WritesInUnloadOrderWithTheSizeOnlyWhenNormalThenFlushes)
{
    for (const bool normal : {true, false}) {
        MemorySettings store;
        writeWindowSettings(store, LiveSettings{12345678.f, 255, 65280, -16777216, 65535, false,
                                                128, 1935.f, 1230.5f, normal});
        EXPECT_EQ(store.log, std::string("MaxValue=1.234568E+07 DLColour=255 ULColour=65280 "
                                         "BackColour=-16777216 OverlapColour=65535 Float=0 "
                                         "Opacity=128 ") +
                                 (normal ? "Width=1935 Height=1230.5 " : "") + "flush");
        const WindowSettings back{12345680, 255, 65280, -16777216, 65535, 1935, 1230, false, 128};
        EXPECT_EQ(readWindowSettings(store), back);
    }
}

} // namespace
} // namespace tarnivel
