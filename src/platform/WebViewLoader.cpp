#include "platform/WebViewLoader.h"

#include "platform/WebEngineProcess.h"
#include "platform/WebViewPlugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>

namespace {
QString& chosenFile() {
    static QString file;
    return file;
}

// The plugin in file, or nullptr with the reason.
WebViewPlugin* loadFrom(const QString& file, QString& reason) {
    if (!QFileInfo::exists(file)) {
        reason = QStringLiteral("%1 is missing.").arg(file);
        return nullptr;
    }
    // The loader's destructor leaves the library loaded, as the engine needs.
    QPluginLoader loader(file);
    // The metadata is read without loading the library, so a wrong file costs
    // neither the engine nor the shared GL context.
    const QJsonObject metaData = loader.metaData();
    if (metaData.isEmpty()) {
        reason = loader.errorString();
        return nullptr;
    }
    if (metaData.value(QStringLiteral("IID")).toString() != QStringLiteral(WebViewPlugin_iid)) {
        reason = QStringLiteral("%1 is not a web view plugin.").arg(file);
        return nullptr;
    }
    prepareWebEngineLoad();
    auto* plugin = qobject_cast<WebViewPlugin*>(loader.instance());
    if (!plugin)
        reason = loader.errorString();
    return plugin;
}
} // namespace

QString webViewPluginFile() {
    if (!chosenFile().isEmpty())
        return chosenFile();
    return QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(KORVU_WEBVIEW_PLUGIN)));
}

void setWebViewPluginFile(const QString& file) {
    chosenFile() = file;
}

WebViewPlugin* loadWebViewPlugin(QString* error) {
    static WebViewPlugin* loaded = nullptr;
    QString reason;
    if (!loaded)
        loaded = loadFrom(webViewPluginFile(), reason);
    if (error)
        *error = reason;
    return loaded;
}
