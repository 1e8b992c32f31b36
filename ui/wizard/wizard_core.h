#pragma once

#include "app/settings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The first-run wizard's rules, apart from its widgets: the connection types with their rates,
// what a typed rate must be, which keys the rate box takes, and what each button press does.
namespace tarnivel::wizard {

struct ConnectionType {
    std::string_view entry;
    std::int32_t itemValue; // bytes per second: the base rate times 1.1, to the nearest whole
};

// In the list's order, which is not by speed ("T1" follows "4Mb ADSL").
inline constexpr std::array<ConnectionType, 12> kConnectionTypes{{
    {"Don't know", 0},
    {"14.4k Modem", 1980},
    {"28.8k Modem", 3960},
    {"56k Modem", 7920},
    {"128k ISDN", 15840},
    {"512k ADSL", 63360},
    {"1Mb ADSL", 126720},
    {"2Mb ADSL", 253440},
    {"4Mb ADSL", 506880},
    {"T1", 211200},
    {"T3", 6336000},
    {"Other", 0},
}};
inline constexpr int kDontKnowIndex = 0;
inline constexpr int kOtherIndex = 11;
inline constexpr std::int32_t kDontKnowRate = 7200; // the 56k modem's rate without the 10 %
inline constexpr int kOtherMaxLength = 7;
inline constexpr int kPageCount = 3;

// The rate typed into the "Other" box, made whole (halves to even), when it lies from kMinScale
// to kMaxScale; nothing for an empty, non-numeric or out-of-range text.
std::optional<std::int32_t> typedRate(std::string_view text);

// Whether page 3's input will do: any entry from "Don't know" to "T3", or "Other" (or no
// entry, index -1) with a good typed rate.
bool ValidateConnection(int listIndex, std::string_view otherText);

// The rate box takes typed digits and drops every other printable character. Keys that type
// none (Backspace, Tab, Delete, Enter, the Ctrl shortcuts: their texts are control characters)
// pass and edit as usual.
constexpr bool txtOtherKeyPasses(char32_t typed)
{
    const bool control = typed < 0x20 || (typed >= 0x7f && typed < 0xa0);
    return (typed >= '0' && typed <= '9') || control;
}

// What a page shows: its frame, Back from page 2 on, "Finish" instead of "Next >>" on page 3.
struct PageView {
    std::array<bool, kPageCount> frameVisible;
    bool backVisible;
    bool nextIsFinish;
};
PageView pageView(int page);

// What a press on Next leads to, in the order the checks run.
enum class NextStep {
    AskToContinue,    // "I agree" is not selected, on whatever page
    ShowPage,         // pages 1 and 2: on to the next page
    ChooseFromList,   // page 3, no entry chosen
    SpecifyOtherRate, // page 3, "Other" without a good rate
    WarnThenFinish,   // page 3, "Don't know": warn, then finish with kDontKnowRate
    Finish,           // page 3, store the rate
};
struct NextOutcome {
    NextStep step;
    int page;          // the page on show afterwards
    std::int32_t rate; // for WarnThenFinish and Finish: the MaxValue to store
};
NextOutcome nextOutcome(bool agreed, int page, int listIndex, std::string_view otherText);

// Back: one page back, never before page 1.
constexpr int previousPage(int page)
{
    return page > 1 ? page - 1 : page;
}

} // namespace tarnivel::wizard
