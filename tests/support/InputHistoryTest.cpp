// The history on its own: where a new line leaves the cursor after a walk back.
#include "support/InputHistory.h"
#include "platform/EventPump.h"
#include "platform/KeyCodes.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class InputHistoryTest : public testing::Test {
protected:
    void SetUp() override {
        setBeepSound([this] { ++beeps; });
    }
    void TearDown() override { setBeepSound(nullptr); }

    // Presses key in the input line; returns the key as the history left it.
    int press(int key) {
        history.keyDown(key, input);
        return key;
    }

    QStringList lines;
    qint16 position = 0;
    InputHistory history{lines, position};
    QLineEdit input;
    int beeps = 0;
};

TEST_F(InputHistoryTest, AddingAfterAWalkBackStartsAgainFromTheNewest) {
    for (const char* line : {"a", "b", "c"})
        history.add(line, 30);
    press(kKeyUp);
    press(kKeyUp);
    EXPECT_EQ(input.text(), "b");
    history.add("d", 30);
    EXPECT_EQ(position, 5);
    EXPECT_EQ(press(kKeyUp), 0);
    EXPECT_EQ(input.text(), "d");
    EXPECT_EQ(press(kKeyDown), kKeyDown); // past the newest: not cancelled, only a beep
    EXPECT_EQ(beeps, 1);
}

} // namespace
