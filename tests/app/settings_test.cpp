#include "app/settings.h"
#include "app/startup.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <vector>

namespace tarnivel {
namespace {

// An in-memory store that records every call in order: "read Key", "write Key=text", "flush".
class RecordingStore final : public SettingsBackend {
public:
    std::map<std::string, std::string, std::less<>> values;
    std::vector<std::string> calls;

    std::optional<std::string> value(std::string_view app, std::string_view section,
                                     std::string_view key) override
    {
        EXPECT_TRUE(app == kAppName && section == kSection);
        calls.push_back("read " + std::string(key));
        const auto it = values.find(key);
        return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    void setValue(std::string_view app, std::string_view section, std::string_view key,
                  std::string_view text) override
    {
        EXPECT_TRUE(app == kAppName && section == kSection);
        calls.push_back("write " + std::string(key) + "=" + std::string(text));
        values.insert_or_assign(std::string(key), std::string(text));
    }
    void flush() override { calls.push_back("flush"); }
};

TEST(SettingsConversion, WholeNumbersRoundHalvesToEvenWithinThe32BitRange)
{
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"1234.5", 1234},
        {"1235.5", 1236},
        {"-2.5", -2},
        {"-3.5", -4},
        {"2.5001", 3},
        {".5", 0},
        {" 42\t", 42},
        {"+7", 7},
        {"1.234568E+07", 12345680},
        {"2147483647", 2147483647},
        {"-2147483648.5", -2147483647 - 1},
        {"2147483647.5", {}},
        {"1e10", {}},
        {"1e400", {}},
        {"", {}},
        {"red", {}},
        {"12abc", {}},
        {"1,5", {}},
        {"+-5", {}},
        {"0x10", {}},
        {"nan", {}},
        {"-inf", {}},
        {"1e", {}},
        {".", {}}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(toWholeNumber(text), expected) << '"' << text << '"';
}

TEST(SettingsConversion, SingleTextHasSevenSignificantDigitsAndExponentFromTenMillion)
{
    const std::pair<float, const char*> cases[] = {
        {100000.f, "100000"},     {1935.5f, "1935.5"},   {-250.f, "-250"},
        {9999999.f, "9999999"},   {10000000.f, "1E+07"}, {12345678.f, "1.234568E+07"},
        {1.f / 3.f, "0.3333333"}, {0.00001f, "1E-05"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(singleText(value), text) << value;
}

std::int64_t field(const WindowSettings& s, std::string_view key)
{
    const std::map<std::string_view, std::int64_t> fields = {{"MaxValue", s.MaxValue},
                                                             {"DLColour", s.DLColour},
                                                             {"ULColour", s.ULColour},
                                                             {"BackColour", s.BackColour},
                                                             {"OverlapColour", s.OverlapColour},
                                                             {"Width", s.Width},
                                                             {"Height", s.Height},
                                                             {"Float", s.Float},
                                                             {"Opacity", s.Opacity}};
    return fields.at(key);
}

TEST(SettingsLoad, StoredTextConvertsOrFallsBackToTheKeysDefault)
{
    const std::tuple<const char*, const char*, std::int64_t> cases[] = {
        {"MaxValue", "1235.5", 1236},
        {"MaxValue", "fast", 100000},
        {"DLColour", "-1", -1},
        {"DLColour", "red", 255},
        {"ULColour", "\x01\xff", 65280},
        {"BackColour", "", 8421504},
        {"OverlapColour", "4294967295", 65535},
        {"Width", "wide", 1935},
        {"Height", "99999999999", 1230},
        {"Float", "0", 0},
        {"Float", "True", 0},
        {"Float", " 1", 0},
        {"Opacity", "12.5", 12},
        {"Opacity", "300", 255},
        {"Opacity", "-1", 255}};
    for (const auto& [key, text, expected] : cases) {
        RecordingStore store;
        store.values[key] = text;
        EXPECT_EQ(field(readWindowSettings(store), key), expected) << key << "=\"" << text << '"';
    }
}

TEST(SettingsLoad, EmptyStoreGivesTheDefaultsInLoadOrder)
{
    RecordingStore store;
    const WindowSettings expected{100000, 255, 65280, 8421504, 65535, 1935, 1230, true, 255};
    EXPECT_EQ(readWindowSettings(store), expected);
    EXPECT_EQ(store.calls,
              (std::vector<std::string>{"read MaxValue", "read DLColour", "read ULColour",
                                        "read BackColour", "read OverlapColour", "read Width",
                                        "read Height", "read Float", "read Opacity"}));
}

TEST(SettingsUnload, WritesInUnloadOrderWithTheSizeOnlyWhenNormalThenFlushes)
{
    RecordingStore store;
    LiveSettings live{12345678.f, 255, 65280, -16777216, 65535, false, 128, 1935.f, 1230.5f, true};
    writeWindowSettings(store, live);
    std::vector<std::string> expected{"write MaxValue=1.234568E+07", "write DLColour=255",
                                      "write ULColour=65280",        "write BackColour=-16777216",
                                      "write OverlapColour=65535",   "write Float=0",
                                      "write Opacity=128",           "write Width=1935",
                                      "write Height=1230.5",         "flush"};
    EXPECT_EQ(store.calls, expected);

    store.calls.clear();
    live.sizeIsNormal = false;
    writeWindowSettings(store, live);
    expected.erase(expected.end() - 3, expected.end() - 1);
    EXPECT_EQ(store.calls, expected);
}

TEST(Startup, RunBeforeChoosesTheWindow)
{
    const std::pair<const char*, StartWindow> cases[] = {
        {"1", StartWindow::Meter},    {"-1", StartWindow::Meter},    {"0.4", StartWindow::Meter},
        {"TRUE", StartWindow::Meter}, {"0", StartWindow::Wizard},    {"false", StartWindow::Wizard},
        {"", StartWindow::Wizard},    {"maybe", StartWindow::Wizard}};
    for (const auto& [text, expected] : cases) {
        RecordingStore store;
        store.values["RunBefore"] = text;
        EXPECT_EQ(chooseStartWindow(store), expected) << '"' << text << '"';
    }
    RecordingStore empty;
    EXPECT_EQ(chooseStartWindow(empty), StartWindow::Wizard);
}

} // namespace
} // namespace tarnivel
