#pragma once

#include <QStringList>
#include <vector>

class Form;
class QLabel;
class QPixmap;

// The face the two credits windows share: a picture on the left and, beside
// it, a column of fixed lines, the first one as a heading, and optionally a
// link under them.
struct CreditsPage {
    QLabel* picture;
    std::vector<QLabel*> lines;
    QLabel* link; // nullptr without a link text
};

CreditsPage buildCreditsPage(Form& window, const QString& caption, const QPixmap& picture,
                             const QStringList& lines, const QString& linkText = QString());
