#include "app/error.h"
#include "graph/data_thread.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace tarnivel;

namespace {

std::vector<float> ages(const clsDataStore& store)
{
    std::vector<float> out;
    for (int age = 1; age <= store.BufferSize(); ++age)
        out.push_back(store.GetValue(age));
    return out;
}

// A store of `size` slots after the samples 1, 2, ..., count, re-sized to `resized`.
std::vector<float> agesAfter(int size, int count, int resized, int more = 0)
{
    clsDataStore store;
    store.setBufferSize(size);
    for (int i = 1; i <= count; ++i)
        store.PutValue(static_cast<float>(i));
    store.setBufferSize(resized);
    for (int i = 1; i <= more; ++i)
        store.PutValue(static_cast<float>(count + i));
    return ages(store);
}

} // namespace

TEST(DataStore, KeepsAgesThroughWrapAndResize)
{
    using V = std::vector<float>;
    EXPECT_EQ(agesAfter(4, 2, 4), (V{2, 1, 0, 0}));
    EXPECT_EQ(agesAfter(4, 5, 4), (V{5, 4, 3, 2}));
    // 5 slots after 7 samples: (6, 7, 3, 4, 5), next write in slot 3; grown to 8 slots, the next
    // sample lands in slot 3 over one of the new zero slots.
    EXPECT_EQ(agesAfter(5, 7, 8), (V{7, 6, 5, 4, 3, 0, 0, 0}));
    EXPECT_EQ(agesAfter(5, 7, 8, 1), (V{8, 7, 6, 5, 4, 3, 0, 0}));
    EXPECT_EQ(agesAfter(8, 10, 5, 1), (V{11, 10, 9, 8, 7}));
    // The write position (7) lies beyond the new size: the newest samples stay in age order.
    EXPECT_EQ(agesAfter(8, 14, 4), (V{14, 13, 12, 11}));
    EXPECT_EQ(agesAfter(8, 14, 4, 1), (V{15, 14, 13, 12}));
}

TEST(DataStore, ErrorsCarryTheObjectNumberAndChangeNothing)
{
    clsDataStore store, unsized;
    store.setBufferSize(3);
    store.PutValue(1);
    clsDataThread series;
    const std::vector<std::pair<std::function<void()>, std::string>> cases{
        {[&] { store.setBufferSize(10001); }, "Buffer Size too big: 10001"},
        {[&] { store.setBufferSize(0); }, "Buffer Size too big: 0"},
        {[&] { store.GetValue(0); }, "Bad pointer value: 0"},
        {[&] { store.GetValue(4); }, "Bad pointer value: 4"},
        {[&] { unsized.GetValue(1); }, "Bad pointer value: 1"},
        {[&] { series.GetDataValue(0); }, "Bad pointer value"},
        {[&] { series.GetDataValue(1001); }, "Bad pointer value"},
    };
    for (const auto& [call, description] : cases) {
        try {
            call();
            ADD_FAILURE() << "no error, expected " << description;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), -2147221504);
            EXPECT_EQ(e.description(), description);
        }
    }
    EXPECT_EQ(ages(store), (std::vector<float>{1, 0, 0}));
    EXPECT_THROW(unsized.PutValue(1), Error);
    store.setBufferSize(10000);
    EXPECT_EQ(store.BufferSize(), 10000);
}

TEST(DataThread, HoldsAThousandSamples)
{
    clsDataThread series;
    EXPECT_EQ(series.Colour(), 65280);
    EXPECT_EQ(series.GetDataValue(1000), 0.0f);
    for (int i = 1; i <= 1001; ++i)
        series.NewValue(static_cast<float>(i));
    EXPECT_EQ(series.GetLatestValue(), 1001.0f);
    EXPECT_EQ(series.GetDataValue(1000), 2.0f);
}
