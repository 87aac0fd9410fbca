// The sorted set behind the nick list: the same answers as an ordered set under
// any mix of changes, and a cost in comparisons that stays logarithmic whatever
// order the values come in.
#include "chatroom/RankedSet.h"
#include "fixtures/NamedRows.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <vector>

namespace {

struct CountingLess {
    static inline long calls = 0;
    bool operator()(int a, int b) const {
        ++calls;
        return a < b;
    }
};

using Set = RankedSet<int, CountingLess>;

// Values stored one by one, or many at once to be sorted in later (few beside
// the set's size, or many), then asked about.
TEST(RankedSetTest, AnswersAsAnOrderedSetUnderRandomChanges) {
    std::mt19937 random(7);
    Set set;
    std::set<int> reference;
    std::map<int, int*> stored; // where each value was stored: it must not move
    for (int step = 0; step < 20000; ++step) {
        const int value = static_cast<int>(random() % 5000);
        if (random() % 50 == 0) {
            for (int burst = static_cast<int>(random() % 300); burst > 0; --burst) {
                const int later = static_cast<int>(random() % 5000);
                if (!reference.count(later)) {
                    stored[later] = set.insertLater(later);
                    reference.insert(later);
                }
            }
        } else if (random() % 3 && !reference.count(value)) {
            stored[value] = set.insert(value);
            reference.insert(value);
        } else {
            set.erase(value);
            reference.erase(value);
            stored.erase(value);
        }
        ASSERT_EQ(set.size(), static_cast<int>(reference.size()));
        const auto lower = reference.lower_bound(value);
        ASSERT_EQ(set.rankOf(value), std::distance(reference.begin(), lower)) << "step " << step;
        ASSERT_EQ(set.find(value) != nullptr, reference.count(value) == 1);
        if (lower != reference.end()) {
            ASSERT_EQ(set.at(set.rankOf(value)), *lower);
        }
    }
    int rank = 0;
    for (const int value : reference)
        EXPECT_EQ(set.at(rank++), value);
    for (const auto& [value, where] : stored)
        EXPECT_EQ(*where, value);
}

std::vector<int> ascending(int n) {
    std::vector<int> values(static_cast<std::size_t>(n));
    std::iota(values.begin(), values.end(), 0);
    return values;
}

std::vector<int> descending(int n) {
    std::vector<int> values = ascending(n);
    std::reverse(values.begin(), values.end());
    return values;
}

// Smallest, largest, next smallest, next largest...: from the outside in.
std::vector<int> zigzag(int n) {
    std::vector<int> values;
    for (int low = 0, high = n - 1; low <= high; ++low, --high) {
        values.push_back(low);
        if (low != high)
            values.push_back(high);
    }
    return values;
}

std::vector<int> shuffled(int n) {
    std::vector<int> values = ascending(n);
    std::shuffle(values.begin(), values.end(), std::mt19937(3));
    return values;
}

struct InputOrder {
    const char* name;
    std::vector<int> (*values)(int n);
};

void PrintTo(const InputOrder& param, std::ostream* out) {
    *out << param.name;
}

class RankedSetCostTest : public testing::TestWithParam<InputOrder> {};

// A plain search tree would make about n/2 comparisons per value for the sorted
// orders; the bound here is a few times the depth of a balanced tree.
TEST_P(RankedSetCostTest, ComparisonsPerOperationStayLogarithmic) {
    constexpr int N = 1 << 16;
    const double bound = 4 * std::log2(N);
    const std::vector<int> values = GetParam().values(N);
    Set set;
    const auto perValue = [&](auto operation) {
        CountingLess::calls = 0;
        for (const int value : values)
            operation(value);
        return static_cast<double>(CountingLess::calls) / N;
    };
    EXPECT_LT(perValue([&](int v) { set.insert(v); }), bound) << "insert";
    EXPECT_LT(perValue([&](int v) { EXPECT_EQ(set.rankOf(v), v); }), bound) << "rank";
    EXPECT_LT(perValue([&](int v) { EXPECT_NE(set.find(v), nullptr); }), 2 * bound) << "find";
    EXPECT_LT(perValue([&](int v) { set.erase(v); }), 2 * bound) << "erase";
    EXPECT_EQ(set.size(), 0);

    // All at once, sorted in when first asked.
    EXPECT_LT(perValue([&](int v) { set.insertLater(v); }) +
                  perValue([&](int v) { EXPECT_EQ(set.rankOf(v), v); }),
              2 * bound)
        << "stored at once, then ranked";
}

INSTANTIATE_TEST_SUITE_P(InputOrders, RankedSetCostTest,
                         testing::Values(InputOrder{"ascending", ascending},
                                         InputOrder{"descending", descending}, InputOrder{"zigzag", zigzag},
                                         InputOrder{"shuffled", shuffled}),
                         RowName());

} // namespace
