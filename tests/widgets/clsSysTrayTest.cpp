// The notification-area icon: the desktop's reports become the six events
// through one table of mouse messages, the tip and the record, the default
// double-click and the hook control.
#include "widgets/clsSysTray.h"
#include "fixtures/NamedRows.h"
#include "platform/Twips.h"
#include "widgets/ProgramPictures.h"

#include <QMainWindow>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace {

// An icon for a window, set up as its owner does, that writes down its events.
class clsSysTrayTest : public testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QMainWindow>();
        window->setWindowTitle("Owner");
        tray.setSourceWindow(window.get());
        tray.ChangeIcon(programIcon());
        tray.IconInSysTray();
        const std::pair<void (clsSysTray::*)(), const char*> events[] = {
            {&clsSysTray::LButtonDblClk, "LButtonDblClk"}, {&clsSysTray::LButtonDown, "LButtonDown"},
            {&clsSysTray::LButtonUp, "LButtonUp"},         {&clsSysTray::RButtonDblClk, "RButtonDblClk"},
            {&clsSysTray::RButtonDown, "RButtonDown"},     {&clsSysTray::RButtonUp, "RButtonUp"}};
        for (const auto& [signal, name] : events)
            QObject::connect(&tray, signal, &tray, [this, name = QString(name)] { seen << name; });
    }
    // The desktop reports the icon's mouse message to the hook as x, in twips.
    void message(int code) { tray.pichook_MouseMove(0, 0, code * twipsPerPixelX(), 0); }

    std::unique_ptr<QMainWindow> window;
    clsSysTray tray;
    QStringList seen;
};

struct ReasonCase {
    const char* name;
    QSystemTrayIcon::ActivationReason reason;
    QStringList events;
};

class ActivationTest : public clsSysTrayTest, public testing::WithParamInterface<ReasonCase> {};

TEST_P(ActivationTest, ReachesItsEvents) {
    tray.setDefaultDblClk(false);
    emit tray.NotifyIcon().activated(GetParam().reason);
    EXPECT_EQ(seen, GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, ActivationTest,
    testing::Values(ReasonCase{"DoubleClick", QSystemTrayIcon::DoubleClick, {"LButtonDblClk"}},
                    ReasonCase{"Trigger", QSystemTrayIcon::Trigger, {"LButtonDown", "LButtonUp"}},
                    ReasonCase{"Context", QSystemTrayIcon::Context, {"RButtonDown", "RButtonUp"}},
                    ReasonCase{"MiddleClick", QSystemTrayIcon::MiddleClick, {}}),
    RowName());

TEST_F(clsSysTrayTest, EveryMouseMessageOfTheTable) {
    tray.setDefaultDblClk(false);
    for (int code : {513, 514, 515, 516, 517, 518, 512, 519})
        message(code);
    EXPECT_EQ(seen, QStringList({"LButtonDown", "LButtonUp", "LButtonDblClk", "RButtonDown", "RButtonUp",
                                 "RButtonDblClk"}));
}

TEST_F(clsSysTrayTest, AMessageDuringAnotherIsDropped) {
    QObject::connect(&tray, &clsSysTray::LButtonDown, &tray,
                     [this] { emit tray.NotifyIcon().activated(QSystemTrayIcon::Context); });
    emit tray.NotifyIcon().activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(seen, QStringList({"LButtonDown", "LButtonUp"}));
    emit tray.NotifyIcon().activated(QSystemTrayIcon::Context); // handled again once free
    EXPECT_EQ(seen.mid(2), QStringList({"RButtonDown", "RButtonUp"}));
}

TEST_F(clsSysTrayTest, WithoutAHookMessagesReachNothing) {
    clsSysTray lone;
    bool heard = false;
    QObject::connect(&lone, &clsSysTray::LButtonUp, &lone, [&] { heard = true; });
    lone.IconInSysTray();
    EXPECT_EQ(lone.record().hWnd, 0u);
    emit lone.NotifyIcon().activated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(heard);
}

TEST_F(clsSysTrayTest, TheRecordAndTheTip) {
    EXPECT_EQ(tray.record().cbSize, 88u);
    EXPECT_EQ(tray.record().uID, 1u);
    EXPECT_EQ(tray.record().uFlags, 7u);
    EXPECT_EQ(tray.record().uCallbackMessage, 512u);
    EXPECT_NE(tray.Icon(), 0);
    EXPECT_TRUE(tray.NotifyIcon().isVisible());

    const QString seventy = QString("0123456789").repeated(7);
    tray.setToolTip(seventy);
    EXPECT_EQ(tray.ToolTip(), seventy);
    EXPECT_EQ(tray.NotifyIcon().toolTip(), seventy.left(63));
    EXPECT_EQ(tray.record().szTip.size(), 64);
    EXPECT_EQ(tray.record().szTip.at(63), QChar(0));

    tray.RemoveFromSysTray();
    EXPECT_FALSE(tray.NotifyIcon().isVisible());
}

TEST_F(clsSysTrayTest, AnIconWithoutAPictureWaitsForOne) {
    clsSysTray fresh;
    fresh.setSourceWindow(window.get());
    EXPECT_EQ(fresh.Icon(), 0);
    fresh.IconInSysTray();
    EXPECT_FALSE(fresh.NotifyIcon().isVisible());
    fresh.ChangeIcon(programIcon());
    EXPECT_TRUE(fresh.NotifyIcon().isVisible());
}

TEST_F(clsSysTrayTest, TheTipIsTheCaptionOfAMinimisedWindow) {
    window->show();
    tray.ChangeToolTip("shown");
    EXPECT_EQ(window->windowTitle(), "Owner");
    window->showMinimized();
    tray.ChangeToolTip("minimised");
    EXPECT_EQ(window->windowTitle(), "minimised");
}

TEST_F(clsSysTrayTest, DefaultDoubleClickBringsBackOrPutsAway) {
    window->showMinimized();
    tray.HandleDefaultDblClk();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMaximized());
    EXPECT_FALSE(window->isMinimized());

    tray.HandleDefaultDblClk();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->isMinimized());

    tray.setDefaultDblClk(false);
    tray.HandleDefaultDblClk();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(seen, QStringList({"LButtonDblClk", "LButtonDblClk", "LButtonDblClk"}));
}

TEST_F(clsSysTrayTest, MinToSysTrayHidesTheWindow) {
    window->show();
    tray.MinToSysTray();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(tray.NotifyIcon().isVisible());
}

TEST_F(clsSysTrayTest, ASecondHookOnTheSameWindowKeepsTheFirst) {
    QWidget* first = tray.pichook();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisibleTo(window.get()));
    EXPECT_EQ(tray.record().hWnd, reinterpret_cast<quintptr>(first));
    tray.setSourceWindow(window.get());
    EXPECT_EQ(tray.pichook(), first);
    EXPECT_EQ(window->findChildren<QWidget*>("pichook").size(), 1);
    EXPECT_EQ(tray.record().hWnd, reinterpret_cast<quintptr>(first));
}

} // namespace
