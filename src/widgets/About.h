#pragma once

#include "platform/Form.h"

class QLabel;

// The program's about window: its name, version and what it is for.
class About : public Form {
    Q_OBJECT
public:
    About();

    static About& form() { return FormSlot<About>::get(); }
    static About* loaded() { return FormSlot<About>::loaded(); }

    QLabel* Image1 = nullptr; // the program's emblem
    QLabel* Label1 = nullptr; // name
    QLabel* Label2 = nullptr; // version
    QLabel* Label3 = nullptr; // description
    QLabel* Label4 = nullptr; // credit line
};
