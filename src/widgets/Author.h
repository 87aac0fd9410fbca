#pragma once

#include "platform/Form.h"

class QLabel;

// The credits window: who made the program, and a link to the author's page.
class Author : public Form {
    Q_OBJECT
public:
    Author();

    static Author& form() { return FormSlot<Author>::get(); }
    static Author* loaded() { return FormSlot<Author>::loaded(); }

    // The link "CLICK HERE TO KNOW ABOUT ME" opens the author's web page.
    void Label10_Click();

    QLabel* Image1 = nullptr;  // portrait
    QLabel* Label1 = nullptr;  // name
    QLabel* Label2 = nullptr;  // role
    QLabel* Label3 = nullptr;  // a line about the work
    QLabel* Label10 = nullptr; // the link

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
