#include "platform/ShownWindows.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLoggingCategory>
#include <QWidget>

namespace {

Q_LOGGING_CATEGORY(lcWindows, "korvu.windows", QtInfoMsg)

class ShownWindowReporter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            qCDebug(lcWindows, "shown %s", watched->metaObject()->className());
        return false;
    }
};

} // namespace

void reportShownWindows() {
    // Watching every event costs a call each; nobody pays it unless asked.
    if (!lcWindows().isDebugEnabled())
        return;
    QCoreApplication::instance()->installEventFilter(new ShownWindowReporter(QCoreApplication::instance()));
}
