#include "account/NickBoxDialog.h"

#include "platform/Form.h"
#include "widgets/DialogLook.h"
#include "widgets/xpButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

NickBoxDialog buildNickBoxDialog(Form& dialog, const QString& caption, const QStringList& labelTexts) {
    dialog.setWindowTitle(caption);
    auto* client = new QWidget(&dialog);
    applyDialogLook(client);
    auto* column = new QVBoxLayout(client);
    NickBoxDialog parts{{}, new QLineEdit(client), new xpButton(QStringLiteral("cmdOK"), client)};
    for (const QString& text : labelTexts) {
        parts.labels.push_back(new QLabel(text, client));
        column->addWidget(parts.labels.back());
    }
    parts.ok->setButtonSize(xpButton::Small);
    parts.ok->setCaption(QStringLiteral("Ok"));
    column->addWidget(parts.nickBox);
    column->addWidget(parts.ok, 0, Qt::AlignRight);
    dialog.setCentralWidget(client);
    QObject::connect(parts.nickBox, &QLineEdit::returnPressed, parts.ok, &xpButton::Click);
    return parts;
}
