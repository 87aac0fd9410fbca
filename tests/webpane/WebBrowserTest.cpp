// A shown web pane on the real browser engine, against a loopback web server.
#include "platform/WebBrowser.h"
#include "fixtures/NamedRows.h"
#include "fixtures/Wait.h"
#include "support/WebAddresses.h"
#include "webpane/PageServer.h"
#include "webpane/PaneWaits.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ShownPane : public testing::Test {
protected:
    void SetUp() override {
        pane.resize(640, 480);
        pane.show();
        ASSERT_TRUE(pane.hasView());
    }

    testing::AssertionResult shows(const QString& path) {
        return showsPage(pane, server.address(path), PageServer::titleOf(path));
    }

    PageServer server;
    WebBrowser pane;
};

TEST_F(ShownPane, BackAndForwardWalkTheHistory) {
    pane.Navigate(server.address(PageServer::kOne));
    ASSERT_TRUE(shows(PageServer::kOne));
    pane.Navigate(server.address(PageServer::kTwo));
    ASSERT_TRUE(shows(PageServer::kTwo));

    pane.GoBack();
    EXPECT_TRUE(shows(PageServer::kOne));
    pane.GoForward();
    EXPECT_TRUE(shows(PageServer::kTwo));
}

TEST_F(ShownPane, RefreshAsksTheServerAgain) {
    pane.Navigate(server.address(PageServer::kOne));
    ASSERT_TRUE(shows(PageServer::kOne));
    ASSERT_EQ(server.requestsFor(PageServer::kOne), 1);

    pane.Refresh();
    EXPECT_TRUE(waitInEventLoop([&] { return server.requestsFor(PageServer::kOne) == 2; }, kPageWaitMs));
    EXPECT_TRUE(shows(PageServer::kOne));
}

TEST_F(ShownPane, StopAbandonsAPageThatNeverComes) {
    pane.Navigate(server.address(PageServer::kOne));
    ASSERT_TRUE(shows(PageServer::kOne));
    pane.Navigate(server.address(PageServer::kNeverAnswers));
    ASSERT_TRUE(waitInEventLoop([&] { return server.heldConnections() == 1 && pane.busy(); }, kPageWaitMs));

    pane.Stop();
    // The request is dropped and the page shown stays.
    EXPECT_TRUE(waitInEventLoop([&] { return server.heldConnections() == 0; }, kPageWaitMs));
    EXPECT_TRUE(shows(PageServer::kOne));
}

TEST_F(ShownPane, HomeAndSearchLeadToTheAddressesTheOwnerSet) {
    pane.setHomeAddress(server.address(PageServer::kOne));
    pane.setSearchAddress(server.address(PageServer::kTwo));

    pane.GoSearch();
    EXPECT_TRUE(shows(PageServer::kTwo));
    pane.GoHome();
    EXPECT_TRUE(shows(PageServer::kOne));
}

TEST_F(ShownPane, ViewGoesBeforeTheApplicationEnds) {
    pane.Navigate(server.address(PageServer::kOne));
    ASSERT_TRUE(shows(PageServer::kOne));

    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    EXPECT_FALSE(pane.hasView());
    EXPECT_EQ(pane.locationUrl(), server.address(PageServer::kOne));
}

// The panes' own pages ship inside the program and load without a network.
struct ShippedPage {
    const char* name;
    QString address;
    QString title;
};

class ShippedPages : public ShownPane, public testing::WithParamInterface<ShippedPage> {};

TEST_P(ShippedPages, Load) {
    pane.Navigate(GetParam().address);
    EXPECT_TRUE(showsPage(pane, GetParam().address, GetParam().title));
}

INSTANTIATE_TEST_SUITE_P(WebPane, ShippedPages,
                         testing::Values(ShippedPage{"Home", WebAddresses::Home, "Tazmir Korvu - Home"},
                                         ShippedPage{"Misc", WebAddresses::Misc,
                                                     "Tazmir Korvu - Useful things"}),
                         RowName());

} // namespace
