// The list box the nick list is shown in: places follow from rows, the user's
// selection follows its item when rows come and go, the keys and the scroll bar
// reach every row.
#include "platform/ListBoxView.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QStringListModel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ListBoxViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStringList items;
        for (int k = 0; k < 500; ++k)
            items << QStringLiteral("nick%1").arg(k, 3, 10, QLatin1Char('0'));
        model.setStringList(items);
        view.setModel(&model);
        view.resize(120, 200);
        view.show();
        QCoreApplication::processEvents();
    }

    int rowAtCentreOf(int row) const {
        return view.indexAt(view.visualRect(model.index(row)).center()).row();
    }

    QStringListModel model;
    ListBoxView view;
};

TEST_F(ListBoxViewTest, ARowIsFoundWhereItIsShownWhereverTheListIsScrolled) {
    const int shown = view.verticalScrollBar()->pageStep();
    ASSERT_GT(shown, 1);
    for (const int top : {0, 17, 500 - shown}) {
        view.verticalScrollBar()->setValue(top);
        for (const int row : {top, top + shown / 2, top + shown - 1})
            EXPECT_EQ(rowAtCentreOf(row), row) << "scrolled to " << top;
        EXPECT_FALSE(view.visualRect(model.index(top)).intersects(view.visualRect(model.index(top + 1))));
    }
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 500 - shown);
    EXPECT_FALSE(view.indexAt(QPoint(5, view.viewport()->height() * 10)).isValid());
}

TEST_F(ListBoxViewTest, TheSelectedItemStaysSelectedAsRowsComeAndGoAroundIt) {
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(model.index(3)).center());
    ASSERT_EQ(view.currentIndex().data().toString(), "nick003");
    model.insertRows(0, 10);
    model.removeRows(20, 5);
    EXPECT_EQ(view.currentIndex().data().toString(), "nick003");
    EXPECT_TRUE(view.selectionModel()->isSelected(view.currentIndex()));
    EXPECT_EQ(view.currentIndex().row(), 13);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 505 - view.verticalScrollBar()->pageStep());
}

TEST_F(ListBoxViewTest, KeysMoveTheSelectionAndBringItIntoView) {
    view.setFocus();
    view.setCurrentIndex(model.index(0));
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(view.currentIndex().row(), 499);
    EXPECT_TRUE(view.viewport()->rect().contains(view.visualRect(view.currentIndex())));
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(view.currentIndex().row(), 498);
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_EQ(view.currentIndex().row(), 498 - view.verticalScrollBar()->pageStep());
    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_EQ(view.currentIndex().row(), 0);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
}

} // namespace
