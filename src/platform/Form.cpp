#include "platform/Form.h"

#include "platform/ProgramEnd.h"
#include "platform/Waits.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>

Form::Form(QWidget* parent) : QMainWindow(parent) {}

Form::~Form() {
    if (!m_unloading && onUnloaded)
        onUnloaded();
}

bool Form::Unload() {
    if (m_unloading)
        return true;
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel)
        return false;
    Destroy();
    return true;
}

void Form::Destroy() {
    if (m_unloading)
        return;
    m_unloading = true;
    hide();
    if (onUnloaded)
        onUnloaded();
    deleteLater();
}

void Form::showModal() {
    QPointer<Form> self(this);
    WaitScope wait;
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    while (self && isVisible() && !m_unloading && !programEnding())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    if (self)
        setWindowModality(Qt::NonModal);
}

void Form::closeEvent(QCloseEvent* event) {
    event->ignore();
    Unload();
}
