#pragma once

#include <QColor>

class QMainWindow;
class QWidget;

inline const QColor kDialogBackground(214, 225, 245);

// The light blue face of the program's own small windows (the conversation
// window and the nickname dialogs share it).
void applyDialogLook(QWidget* client);

class QFont;

// The small sans-serif face the windows' design geometry was laid out for.
QFont designFace();

// The client area of a window laid out by its design: the dialog look and the
// design face, set as the window's central widget.
QWidget* newDesignClient(QMainWindow* window);
