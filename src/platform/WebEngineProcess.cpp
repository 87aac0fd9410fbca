#include "platform/WebEngineProcess.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <unistd.h>

// Qt's own setter of the shared context, exported by Qt GUI without a public
// declaration; the browser engine declares it the same way.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

void prepareWebEngine() {
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

namespace {
void releaseSharedContext() {
    delete QOpenGLContext::globalShareContext();
    qt_gl_set_global_share_context(nullptr);
}

bool shareOpenGLContexts() {
    if (QOpenGLContext::globalShareContext())
        return true;
    auto* context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    if (!context->create()) {
        delete context;
        return false;
    }
    qt_gl_set_global_share_context(context);
    // Released while the platform is still there to release it.
    qAddPostRoutine(releaseSharedContext);
    return true;
}
} // namespace

void prepareWebEngineLoad() {
    if (!shareOpenGLContexts() && !qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    // The engine's start-up report is noise on the user's console, and without a
    // shared context it crashes (Qt 6.4 reads the context without checking it).
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
}
