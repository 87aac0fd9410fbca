#include "support/RateLimit.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(RateLimit, AtMostFiveInAnyTenSeconds) {
    struct Step {
        qint64 at;
        bool allowed;
    };
    const std::vector<Step> steps{
        {0, true},     {0, true},      {100, true}, {5000, true}, {9000, true}, // five in the window
        {9000, false}, {9999, false},                                           // the window is full
        {10000, true},                                                          // the first two have left it
        {10000, true}, {10001, false},                                          // then full again
        {30000, true},                                                          // long after: free again
    };
    RateLimit limit(5, 10000);
    for (const Step& step : steps)
        EXPECT_EQ(limit.allow(step.at), step.allowed) << "at " << step.at;
}

} // namespace
