#pragma once

class QWidget;

// The light blue face of the program's own small windows (the conversation
// window and the nickname dialogs share it).
void ApplyDialogLook(QWidget* client);
