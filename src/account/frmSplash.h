#pragma once

#include "platform/Form.h"

#include <QTimer>

class QLabel;

// The window the program opens with: a picture with the product's name, what
// it offers and its credits, for two seconds; then the sign-in window takes
// over the start-up.
class frmSplash : public Form {
    Q_OBJECT
public:
    frmSplash();

    static frmSplash& form() { return FormSlot<frmSplash>::get(); }
    static frmSplash* loaded() { return FormSlot<frmSplash>::loaded(); }

    void Form_Load() override;
    // The only tick: loads the sign-in window, goes, and shows it.
    void Timer1_Timer();

    QLabel* Picture1 = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblFeatures = nullptr;
    QLabel* lblCredits = nullptr;
    QTimer Timer1;
};
