#include "platform/Dialogs.h"

#include "platform/Waits.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

Dialogs::Answerer& answerer() {
    static Dialogs::Answerer current;
    return current;
}

QMessageBox::Icon boxIcon(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

Dialogs::Answer showMessage(const Dialogs::Request& request) {
    QMessageBox box(boxIcon(request.icon), request.title, request.prompt,
                    request.buttons == Dialogs::Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                               : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    const int pressed = box.exec();
    if (request.buttons == Dialogs::Buttons::Ok)
        return Dialogs::Answer::Ok;
    return pressed == QMessageBox::Yes ? Dialogs::Answer::Yes : Dialogs::Answer::No;
}

// The text typed, or no value when the box was cancelled.
std::optional<QString> askText(const Dialogs::Request& request) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), request.title, request.prompt,
                                               QLineEdit::Normal, request.defaultText, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

} // namespace

Dialogs::Answer Dialogs::msgBox(const QString& prompt, Buttons buttons, Icon icon, const QString& title) {
    Request request{false, prompt, title, buttons, icon, QString()};
    WaitScope wait;
    if (answerer())
        return answerer()(request).answer;
    return showMessage(request);
}

QString Dialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    Request request{true, prompt, title, Buttons::Ok, Icon::None, defaultText};
    WaitScope wait;
    if (answerer())
        return answerer()(request).text;
    return askText(request).value_or(QString());
}

std::optional<QString> Dialogs::inputBoxOrCancel(const QString& prompt, const QString& title,
                                                 const QString& defaultText) {
    Request request{true, prompt, title, Buttons::Ok, Icon::None, defaultText};
    if (answerer()) {
        const Reply reply = answerer()(request);
        return reply.answer == Answer::No ? std::nullopt : std::optional<QString>(reply.text);
    }
    return askText(request);
}

void Dialogs::setAnswerer(Answerer replacement) {
    answerer() = std::move(replacement);
}
