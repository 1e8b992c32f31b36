#pragma once

#include "graph/colour.h"
#include "graph/data_store.h"

#include <cstdint>

namespace tarnivel {

// One series of the graph: its colour and the history of its last kHistoryLength samples.
class clsDataThread {
public:
    static constexpr std::int32_t kHistoryLength = 1000;

    clsDataThread();

    ColourRef Colour() const noexcept { return mlColour; }
    // Takes effect the next time a column is drawn; nothing is redrawn here.
    void setColour(ColourRef typColour) noexcept { mlColour = typColour; }

    void NewValue(float sngValue) { mobjStore.PutValue(sngValue); }
    // The sample of age lPointer (1 = newest, up to kHistoryLength); ages never written read 0.
    float GetDataValue(std::int32_t lPointer) const;
    float GetLatestValue() const { return mobjStore.GetValue(1); }
    // Kept for callers that expect it; it clears nothing.
    void Reset() noexcept {}

private:
    ColourRef mlColour = 65280;
    clsDataStore mobjStore;
};

} // namespace tarnivel
