#pragma once

#include <QPixmap>
#include <QSize>

// The five looks of an xpButton's face at one size.
struct ButtonFaces {
    QPixmap empty;
    QPixmap hover;
    QPixmap down;
    QPixmap disabled;
    QPixmap focus;
};

// The picture size in pixels of a small, big or long button (xpButton::Size).
QSize buttonFaceSize(int size);
// Drawn once and shared: every button of a size shows the same pictures.
const ButtonFaces& buttonFacesOf(int size);
