// The first of a group of values in an order of the caller's: right under any
// mix of changes, and no dearer to ask of thousands of values than of one.
#include "chatroom/FirstInOrder.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <vector>

namespace {

struct Value {
    int order;
};

struct CountingBefore {
    static inline long calls = 0;
    bool operator()(const Value* a, const Value* b) const {
        ++calls;
        return a->order < b->order;
    }
};

using Group = FirstInOrder<Value, CountingBefore>;

TEST(FirstInOrderTest, KeepsTheFirstUnderRandomChanges) {
    std::mt19937 random(11);
    std::vector<Value> values(300);
    for (int k = 0; k < 300; ++k)
        values[static_cast<std::size_t>(k)].order = (k * 37) % 300; // held in an order unlike their own
    Group group;
    std::set<int> held;
    for (int step = 0; step < 20000; ++step) {
        Value& value = values[random() % values.size()];
        if (held.count(value.order)) {
            group.erase(&value);
            held.erase(value.order);
        } else {
            group.insert(&value);
            held.insert(value.order);
        }
        ASSERT_EQ(group.empty(), held.empty()) << "step " << step;
        ASSERT_EQ(group.first() ? group.first()->order : -1, held.empty() ? -1 : *held.begin())
            << "step " << step;
    }
    Value stranger{-5};
    group.erase(&stranger); // not held: nothing happens
    EXPECT_EQ(group.first() ? group.first()->order : -1, held.empty() ? -1 : *held.begin());
}

// Twenty thousand values held in random order, then taken away from the far end
// and first to last: each step costs O(log m) comparisons, where a scan of the
// values would cost m/2.
TEST(FirstInOrderTest, ManyValuesCostLogarithmicComparisons) {
    constexpr int M = 20000;
    std::vector<Value> values(M);
    std::vector<int> arrival(M);
    for (int k = 0; k < M; ++k)
        values[static_cast<std::size_t>(k)].order = arrival[static_cast<std::size_t>(k)] = k;
    std::shuffle(arrival.begin(), arrival.end(), std::mt19937(5));
    const double bound = 3 * std::log2(M);
    Group group;
    CountingBefore::calls = 0;
    for (const int k : arrival)
        group.insert(&values[static_cast<std::size_t>(k)]);
    EXPECT_LT(static_cast<double>(CountingBefore::calls) / M, bound);

    CountingBefore::calls = 0;
    for (int k = M - 1; k > 0; k -= 2)
        group.erase(&values[static_cast<std::size_t>(k)]);
    for (int k = 0; k < M; k += 2) {
        ASSERT_EQ(group.first(), &values[static_cast<std::size_t>(k)]);
        group.erase(&values[static_cast<std::size_t>(k)]);
    }
    EXPECT_LT(static_cast<double>(CountingBefore::calls) / M, bound);
    EXPECT_TRUE(group.empty());
}

} // namespace
