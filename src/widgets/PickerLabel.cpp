#include "widgets/PickerLabel.h"

#include <QMouseEvent>

PickerLabel::PickerLabel(QWidget* parent) : QLabel(parent) {}

// A press that is dragged off the cell and released elsewhere chooses nothing.
void PickerLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}
