#pragma once

#include "platform/Twips.h"

class QWidget;

// A control's place in its window, in twips, as window code sets and reads it.
// The twips set are kept with the control, so they read back exactly (pixels
// alone would round every measure to the pixel); once the control has been
// moved some other way, its pixel geometry is read instead.
void setTwipsGeometry(QWidget& control, const TwipsRect& r);
TwipsRect twipsGeometry(const QWidget& control);
