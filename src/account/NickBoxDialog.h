#pragma once

#include <QStringList>
#include <vector>

class Form;
class QLabel;
class QLineEdit;
class xpButton;

// The face the small nick dialogs share: their labels in a column, the nick box
// under them and a small "Ok" button; Enter in the box does what "Ok" does.
struct NickBoxDialog {
    std::vector<QLabel*> labels;
    QLineEdit* nickBox;
    xpButton* ok;
};

NickBoxDialog buildNickBoxDialog(Form& dialog, const QString& caption, const QStringList& labelTexts);
