#include "widgets/CreditsPage.h"

#include "platform/Form.h"
#include "widgets/DialogLook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

const QColor kLinkColour(20, 70, 200);

QLabel* textLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

void makeHeading(QLabel* label) {
    QFont heading = label->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    label->setFont(heading);
}

void makeLink(QLabel* label) {
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kLinkColour);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
}

} // namespace

CreditsPage buildCreditsPage(Form& window, const QString& caption, const QPixmap& picture,
                             const QStringList& lines, const QString& linkText) {
    window.setWindowTitle(caption);
    auto* client = new QWidget(&window);
    applyDialogLook(client);
    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(16, 16, 20, 16);
    row->setSpacing(16);
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    CreditsPage page{new QLabel(client), {}, nullptr};
    page.picture->setPixmap(picture);
    row->addWidget(page.picture, 0, Qt::AlignTop);
    row->addLayout(column, 1);
    for (const QString& text : lines) {
        page.lines.push_back(textLabel(text, client));
        column->addWidget(page.lines.back());
    }
    if (!page.lines.empty())
        makeHeading(page.lines.front());
    if (!linkText.isEmpty()) {
        page.link = textLabel(linkText, client);
        makeLink(page.link);
        column->addSpacing(4);
        column->addWidget(page.link);
    }
    column->addStretch();
    window.setCentralWidget(client);
    client->setFixedWidth(400);
    window.setFixedSize(window.sizeHint());
    return page;
}
