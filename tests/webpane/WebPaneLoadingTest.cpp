// When the browser engine comes into the process, and what a pane does before
// then or without it. Checks that depend on the engine not being loaded yet run
// in a fresh copy of this program (a death test), as other tests load it.
#include "fixtures/NamedRows.h"
#include "platform/WebBrowser.h"
#include "platform/WebViewLoader.h"
#include "webpane/PageServer.h"
#include "webpane/PaneWaits.h"

#include <QLabel>
#include <QLibraryInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// Ends the fresh process: 0 when the check held, else 1 with the reason on stderr.
[[noreturn]] void endFreshProcess(const char* failure) {
    if (failure)
        std::fprintf(stderr, "%s\n", failure);
    std::fflush(stderr);
    _exit(failure ? 1 : 0); // no teardown of a half-started engine
}

void inFreshProcess(void (*check)()) {
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // re-runs this program, so nothing is loaded yet
    EXPECT_EXIT(check(), testing::ExitedWithCode(0), "");
}

void engineComesWithTheFirstShownPane() {
    PageServer server;
    WebBrowser pane;
    pane.Navigate(server.address(PageServer::kOne));
    pane.GoBack();
    pane.Refresh();
    if (webEngineMapped())
        endFreshProcess("the engine was mapped before any pane was shown");
    pane.show();
    if (!webEngineMapped())
        endFreshProcess("the engine was not mapped after the pane was shown");
    if (!showsPage(pane, server.address(PageServer::kOne), PageServer::titleOf(PageServer::kOne)))
        endFreshProcess("the shown pane did not load the recorded page");
    endFreshProcess(nullptr);
}

TEST(WebPaneLoading, EngineIsMappedOnlyOnceAPaneIsShown) {
    inFreshProcess(engineComesWithTheFirstShownPane);
}

TEST(WebPaneLoading, ViewLoadsTheLastAddressRecordedBeforeShow) {
    PageServer server;
    WebBrowser pane;
    pane.resize(640, 480);
    pane.Navigate(server.address(PageServer::kOne));
    pane.Navigate(server.address(PageServer::kTwo));
    // Before the view exists the pane keeps the address, and the rest waits for a view.
    pane.GoBack();
    pane.Stop();
    pane.Refresh();
    EXPECT_FALSE(pane.hasView());
    EXPECT_EQ(pane.locationUrl(), server.address(PageServer::kTwo));
    EXPECT_FALSE(pane.busy());

    pane.show();
    EXPECT_TRUE(showsPage(pane, server.address(PageServer::kTwo), PageServer::titleOf(PageServer::kTwo)));
    EXPECT_EQ(server.requestsFor(PageServer::kOne), 0);
}

// A plugin that is missing or is no plugin: the pane says so in plain words, the
// engine stays out, and the pane's operations stay harmless.
void paneWithoutEngine() {
    WebBrowser pane;
    pane.Navigate(QStringLiteral("http://127.0.0.1:1/page"));
    pane.show();
    pane.GoBack();
    pane.GoForward();
    pane.Stop();
    pane.Refresh();
    pane.Navigate(QStringLiteral("http://127.0.0.1:1/other"));
    const QLabel* message = pane.findChild<QLabel*>();
    if (pane.hasView() || webEngineMapped())
        endFreshProcess("a view was made without the plugin");
    if (!message || !message->isVisible() || !message->text().contains(QStringLiteral("cannot be shown")))
        endFreshProcess("the pane shows no message");
    if (message->textFormat() != Qt::PlainText)
        endFreshProcess("the message is not plain text");
    if (pane.locationUrl() != QStringLiteral("http://127.0.0.1:1/other"))
        endFreshProcess("the pane lost the recorded address");
    endFreshProcess(nullptr);
}

// Each row makes the file the pane is pointed at.
struct BrokenPlugin {
    const char* name;
    QString (*file)(QTemporaryFile& scratch);
};

class WebPaneWithoutPlugin : public testing::TestWithParam<BrokenPlugin> {};

TEST_P(WebPaneWithoutPlugin, LeavesAMessage) {
    QTemporaryFile scratch;
    const QString file = GetParam().file(scratch);
    setWebViewPluginFile(file);
    inFreshProcess(paneWithoutEngine);
    setWebViewPluginFile(QString());
}

INSTANTIATE_TEST_SUITE_P(
    WebPaneLoading, WebPaneWithoutPlugin,
    testing::Values(BrokenPlugin{"Missing",
                                 [](QTemporaryFile&) { return QStringLiteral("/nonexistent/webpane.so"); }},
                    BrokenPlugin{"NotALibrary",
                                 [](QTemporaryFile& scratch) {
                                     scratch.open();
                                     scratch.write("not a library");
                                     scratch.flush();
                                     return scratch.fileName();
                                 }},
                    BrokenPlugin{"AnotherPlugin",
                                 [](QTemporaryFile&) {
                                     return QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                                            QStringLiteral("/platforms/libqoffscreen.so");
                                 }}),
    RowName());

} // namespace
