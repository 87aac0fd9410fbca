#pragma once

#include <QString>
#include <functional>
#include <optional>

// Message and input boxes. Tests install an answerer that records each request
// and answers it, so no box ever waits for a person.
namespace Dialogs {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Exclamation, Question, Information, Critical };
enum class Answer { Ok, Yes, No };

struct Request {
    bool input = false; // an input box rather than a message box
    QString prompt;
    QString title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString defaultText;
};

// The reply of an answerer: the button for a message box, the text for an input
// box ("" means cancelled).
struct Reply {
    Answer answer = Answer::Ok;
    QString text;
};

using Answerer = std::function<Reply(const Request&)>;

Answer msgBox(const QString& prompt, Buttons buttons, Icon icon, const QString& title);
// The text typed, or "" when cancelled.
QString inputBox(const QString& prompt, const QString& title, const QString& defaultText = QString());
// The same for a question where cancelling means "no": the text typed, or no
// value when the box was cancelled. An answerer cancels by replying No.
std::optional<QString> inputBoxOrCancel(const QString& prompt, const QString& title,
                                        const QString& defaultText = QString());

// Replaces the real boxes (nullptr restores them).
void setAnswerer(Answerer answerer);

} // namespace Dialogs
