#pragma once

#include <QLabel>

// A label that reports a click of the left mouse button released over it: the
// cells of the pickers (smiley pictures, colour swatches) are such labels.
class PickerLabel : public QLabel {
    Q_OBJECT
public:
    explicit PickerLabel(QWidget* parent = nullptr);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
