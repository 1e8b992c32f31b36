#include "ui/wizard/wizard_core.h"

#include "app/settings.h"

namespace tarnivel::wizard {

std::optional<std::int32_t> typedRate(std::string_view text)
{
    const auto rate = toWholeNumber(text);
    if (!rate || *rate < kMinScale || *rate > kMaxScale)
        return std::nullopt;
    return rate;
}

bool ValidateConnection(int listIndex, std::string_view otherText)
{
    if (listIndex >= 0 && listIndex < kOtherIndex)
        return true;
    return typedRate(otherText).has_value();
}

PageView pageView(int page)
{
    return {{page == 1, page == 2, page == 3}, page > 1, page == kPageCount};
}

NextOutcome nextOutcome(bool agreed, int page, int listIndex, std::string_view otherText)
{
    if (!agreed)
        return {NextStep::AskToContinue, page, 0};
    if (page != kPageCount)
        return {NextStep::ShowPage, page + 1, 0};
    // No entry chosen (which the drop-down list itself never allows) has no rate to store, even
    // with a good typed rate: ask for an entry then too.
    const bool chosen = listIndex >= 0 && listIndex <= kOtherIndex;
    if (!chosen || !ValidateConnection(listIndex, otherText))
        return {listIndex == kOtherIndex ? NextStep::SpecifyOtherRate : NextStep::ChooseFromList,
                page, 0};
    if (listIndex == kOtherIndex)
        return {NextStep::Finish, page, *typedRate(otherText)};
    if (listIndex == kDontKnowIndex)
        return {NextStep::WarnThenFinish, page, kDontKnowRate};
    return {NextStep::Finish, page,
            kConnectionTypes[static_cast<std::size_t>(listIndex)].itemValue};
}

} // namespace tarnivel::wizard
