#pragma once

class QWidget;

// Moves a top-level window so that its outer frame sits in the middle of the
// primary screen: Left = screen width / 2 - window width / 2, and the same down.
void centreOnScreen(QWidget& window);
