#pragma once

#include <QString>

class WebViewPlugin;

// The web-pane plugin, loaded on the first call that succeeds and kept for the
// rest of the run (a started browser engine cannot be unloaded); nullptr, with
// the reason in error, when it cannot be loaded.
WebViewPlugin* loadWebViewPlugin(QString* error = nullptr);

// Where the plugin is looked for: the same place relative to the program's
// folder in the build tree and in an installed tree.
QString webViewPluginFile();
// Looks elsewhere from the next load on (tests); an empty file restores the default.
void setWebViewPluginFile(const QString& file);
