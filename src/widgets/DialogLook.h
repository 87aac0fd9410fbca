#pragma once

#include <QColor>

class QWidget;

inline const QColor DialogBackground(214, 225, 245);

// The light blue face of the program's own small windows (the conversation
// window and the nickname dialogs share it).
void ApplyDialogLook(QWidget* client);

class QFont;

// The small sans-serif face the windows' design geometry was laid out for.
QFont DesignFace();
