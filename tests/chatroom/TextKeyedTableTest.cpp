// The table under the nick index: right under any mix of adding and erasing
// (erasing moves probe runs back), and its values stay where they are while the
// table grows around them.
#include "chatroom/TextKeyedTable.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {

struct Value {
    int number = 0;
};

TEST(TextKeyedTableTest, AgreesWithAMapUnderRandomChanges) {
    std::mt19937 random(7);
    TextKeyedTable<Value> table;
    std::map<QString, int> expected;
    // Few keys, many changes: runs of probes are cut and closed again and again.
    for (int step = 0; step < 60000; ++step) {
        const QString key = QStringLiteral("nick") + QString::number(random() % 700);
        if (random() % 3 == 0) {
            table.erase(key);
            expected.erase(key);
        } else {
            table.obtain(key).number = step;
            expected[key] = step;
        }
        ASSERT_EQ(table.size(), expected.size()) << "step " << step;
    }
    for (int k = 0; k < 700; ++k) {
        const QString key = QStringLiteral("nick") + QString::number(k);
        const Value* found = table.find(key);
        const auto want = expected.find(key);
        ASSERT_EQ(found != nullptr, want != expected.end()) << qPrintable(key);
        if (found) {
            EXPECT_EQ(found->number, want->second) << qPrintable(key);
        }
    }
}

TEST(TextKeyedTableTest, ValuesStayPutWhileTheTableGrows) {
    TextKeyedTable<Value> table;
    Value& first = table.obtain(QStringLiteral("first"));
    first.number = 42;
    for (int k = 0; k < 5000; ++k)
        table.obtain(QString::number(k)).number = k;
    EXPECT_EQ(&table.obtain(QStringView(u"first")), &first);
    EXPECT_EQ(first.number, 42);
    EXPECT_EQ(table.find(u"4999")->number, 4999);
    EXPECT_EQ(table.find(u"5000"), nullptr);

    table.erase(u"first");
    EXPECT_EQ(table.find(u"first"), nullptr);
    EXPECT_EQ(table.obtain(QStringLiteral("again")).number, 0) << "a reused cell starts anew";
    table.clear();
    EXPECT_EQ(table.size(), 0u);
    EXPECT_EQ(table.find(u"1"), nullptr);
}

} // namespace
