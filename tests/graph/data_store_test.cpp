#include "app/error.h"
#include "graph/data_store.h"
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

// A store of `size` slots after `count` samples 1, 2, 3, ...
clsDataStore filled(int size, int count)
{
    clsDataStore store;
    store.setBufferSize(size);
    for (int i = 1; i <= count; ++i)
        store.PutValue(static_cast<float>(i));
    return store;
}

void expectError(const std::function<void()>& call, const std::string& description)
{
    try {
        call();
        ADD_FAILURE() << "no error, expected " << description;
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), -2147221504);
        EXPECT_EQ(e.description(), description);
    }
}

} // namespace

TEST(DataStore, ReadsByAgeAndOverwritesTheOldest)
{
    EXPECT_EQ(ages(filled(4, 0)), (std::vector<float>{0, 0, 0, 0}));
    EXPECT_EQ(ages(filled(4, 2)), (std::vector<float>{2, 1, 0, 0}));
    EXPECT_EQ(ages(filled(4, 5)), (std::vector<float>{5, 4, 3, 2}));
}

TEST(DataStore, ResizeKeepsAges)
{
    // Five slots after seven samples: slots (6, 7, 3, 4, 5), the next write goes to slot 3.
    clsDataStore grown = filled(5, 7);
    grown.setBufferSize(8);
    EXPECT_EQ(ages(grown), (std::vector<float>{7, 6, 5, 4, 3, 0, 0, 0}));
    grown.PutValue(8); // lands in slot 3, over one of the new zero slots
    EXPECT_EQ(ages(grown), (std::vector<float>{8, 7, 6, 5, 4, 3, 0, 0}));

    clsDataStore shrunk = filled(8, 10); // write position 3
    shrunk.setBufferSize(5);
    EXPECT_EQ(ages(shrunk), (std::vector<float>{10, 9, 8, 7, 6}));
    shrunk.PutValue(11);
    EXPECT_EQ(ages(shrunk), (std::vector<float>{11, 10, 9, 8, 7}));

    clsDataStore beyond = filled(8, 14); // write position 7, beyond the new size
    beyond.setBufferSize(4);
    EXPECT_EQ(ages(beyond), (std::vector<float>{14, 13, 12, 11}));
    beyond.PutValue(15);
    EXPECT_EQ(ages(beyond), (std::vector<float>{15, 14, 13, 12}));
}

TEST(DataStore, ErrorsCarryTheObjectNumberAndChangeNothing)
{
    clsDataStore store = filled(3, 2);
    expectError([&] { store.setBufferSize(10001); }, "Buffer Size too big: 10001");
    expectError([&] { store.setBufferSize(0); }, "Buffer Size too big: 0");
    expectError([&] { store.GetValue(0); }, "Bad pointer value: 0");
    expectError([&] { store.GetValue(4); }, "Bad pointer value: 4");
    EXPECT_EQ(ages(store), (std::vector<float>{2, 1, 0}));
    store.setBufferSize(10000);
    EXPECT_EQ(store.BufferSize(), 10000);

    clsDataStore unsized;
    expectError([&] { unsized.GetValue(1); }, "Bad pointer value: 1");
    EXPECT_THROW(unsized.PutValue(1), Error);
}

TEST(DataThread, HoldsAThousandSamples)
{
    clsDataThread series;
    EXPECT_EQ(series.Colour(), 65280);
    EXPECT_EQ(series.GetLatestValue(), 0.0f);
    for (int i = 1; i <= 1001; ++i)
        series.NewValue(static_cast<float>(i));
    EXPECT_EQ(series.GetLatestValue(), 1001.0f);
    EXPECT_EQ(series.GetDataValue(1000), 2.0f);
    expectError([&] { series.GetDataValue(0); }, "Bad pointer value");
    expectError([&] { series.GetDataValue(1001); }, "Bad pointer value");
}
