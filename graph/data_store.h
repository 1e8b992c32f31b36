#pragma once

#include <cstdint>
#include <vector>

namespace tarnivel {

// The most recent samples of one series in a fixed number of slots, read back by age
// (1 = newest). Each new sample overwrites the oldest one.
class clsDataStore {
public:
    static constexpr std::int32_t kMaxBufferSize = 10000;

    std::int32_t BufferSize() const noexcept { return mlBufferSize; }
    // Sizes the store (1..kMaxBufferSize). Re-sizing keeps every sample that still fits at its
    // age; new slots are the oldest ones and read 0.
    void setBufferSize(std::int32_t lBufferSize);

    // The sample of age lPointer, 1 <= lPointer <= BufferSize().
    float GetValue(std::int32_t lPointer) const;
    // Appends a sample; the store must have been sized.
    void PutValue(float sngValue);

private:
    void SwapValues(std::int32_t lSlotA, std::int32_t lSlotB) noexcept;
    std::int32_t GetIndex(std::int32_t lAge) const noexcept;

    std::int32_t mlBufferSize = 0;
    std::vector<float> msngValues; // slot n lives at index n - 1
    std::int32_t mlWritePos = 1;   // slot of the next sample, which holds the oldest one
};

} // namespace tarnivel
