#include "graph/data_store.h"

#include "app/error.h"

#include <algorithm>
#include <string>
#include <utility>

namespace tarnivel {

void clsDataStore::setBufferSize(std::int32_t lBufferSize)
{
    if (lBufferSize < 1 || lBufferSize > kMaxBufferSize)
        throw Error(kObjectErrorBase, "Buffer Size too big: " + std::to_string(lBufferSize));

    const std::int32_t lOld = mlBufferSize;
    if (lOld < 1) {
        msngValues.assign(static_cast<std::size_t>(lBufferSize), 0.0f);
    } else if (lBufferSize > lOld) {
        // Move the block from the write position to the end up by d; the gap it leaves becomes
        // the d oldest slots.
        const std::int32_t d = lBufferSize - lOld;
        msngValues.resize(static_cast<std::size_t>(lBufferSize), 0.0f);
        for (std::int32_t i = lOld; i >= mlWritePos; --i)
            SwapValues(i, i + d);
        std::fill_n(msngValues.begin() + (mlWritePos - 1), d, 0.0f);
    } else if (lBufferSize < lOld && mlWritePos <= lBufferSize) {
        // Pull the newer part of the block after the write position down over the d oldest.
        const std::int32_t d = lOld - lBufferSize;
        for (std::int32_t i = mlWritePos; i <= lBufferSize; ++i)
            SwapValues(i, i + d);
        msngValues.resize(static_cast<std::size_t>(lBufferSize));
        msngValues.shrink_to_fit();
    } else if (lBufferSize < lOld) {
        // The write position lies beyond the new end: lay the samples out oldest first, then
        // keep the newest lBufferSize of them in age order with the write position on the oldest.
        std::rotate(msngValues.begin(), msngValues.begin() + (mlWritePos - 1), msngValues.end());
        msngValues.erase(msngValues.begin(), msngValues.begin() + (lOld - lBufferSize));
        msngValues.shrink_to_fit();
        mlWritePos = 1;
    }
    mlBufferSize = lBufferSize;
}

float clsDataStore::GetValue(std::int32_t lPointer) const
{
    if (lPointer < 1 || lPointer > mlBufferSize)
        throw Error(kObjectErrorBase, "Bad pointer value: " + std::to_string(lPointer));
    return msngValues[static_cast<std::size_t>(GetIndex(lPointer) - 1)];
}

void clsDataStore::PutValue(float sngValue)
{
    if (mlBufferSize < 1)
        throw Error(kObjectErrorBase, "Buffer Size not set: the store holds no slots");
    msngValues[static_cast<std::size_t>(mlWritePos - 1)] = sngValue;
    mlWritePos = (mlWritePos % mlBufferSize) + 1;
}

void clsDataStore::SwapValues(std::int32_t lSlotA, std::int32_t lSlotB) noexcept
{
    std::swap(msngValues[static_cast<std::size_t>(lSlotA - 1)],
              msngValues[static_cast<std::size_t>(lSlotB - 1)]);
}

std::int32_t clsDataStore::GetIndex(std::int32_t lAge) const noexcept
{
    return ((mlBufferSize - lAge + mlWritePos - 1) % mlBufferSize) + 1;
}

} // namespace tarnivel
