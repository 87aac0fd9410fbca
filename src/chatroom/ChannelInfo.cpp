#include "chatroom/ChannelInfo.h"

#include "chatroom/Channel.h"
#include "chatroom/SideButton.h"
#include "platform/EventPump.h"
#include "platform/Twips.h"
#include "support/GeneralDate.h"
#include "support/Globals.h"
#include "support/Timing.h"
#include "widgets/DialogLook.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMaskColumnTwips = 2040;
constexpr int kColumnTwips = 1440;

enum Column { MaskColumn = 0, ByColumn = 1, WhenColumn = 2 };

// A list the window shows: the first header's text and the channel mode
// letter that asks for it or, with "-", removes a mask from it.
struct MaskList {
    QLatin1String header;
    QLatin1String letter;
};

const MaskList kBans{QLatin1String("Bans"), QLatin1String("b")};
const MaskList kExcepts{QLatin1String("Excepts"), QLatin1String("e")};
const MaskList kInvites{QLatin1String("Invites"), QLatin1String("I")};

const MaskList* listNamed(const QString& header) {
    for (const MaskList* list : {&kBans, &kInvites, &kExcepts})
        if (header == list->header)
            return list;
    return nullptr;
}

} // namespace

ChannelInfo::ChannelInfo() {
    setWindowTitle(QStringLiteral("Channel Information For"));
    auto* client = new QWidget(this);
    applyDialogLook(client);
    buildList(client);
    cmdBans = sideButton(this, client, QStringLiteral("cmdBans"), QStringLiteral("Bans"),
                         &ChannelInfo::cmdBans_Click);
    cmdExcepts = sideButton(this, client, QStringLiteral("cmdExcepts"), QStringLiteral("Excepts"),
                            &ChannelInfo::cmdExcepts_Click);
    cmdInvites = sideButton(this, client, QStringLiteral("cmdInvites"), QStringLiteral("Invities"),
                            &ChannelInfo::cmdInvites_Click);
    cmdRemove = sideButton(this, client, QStringLiteral("cmdRemove"), QStringLiteral("Remove"),
                           &ChannelInfo::cmdRemove_Click);
    cmdOK =
        sideButton(this, client, QStringLiteral("cmdOK"), QStringLiteral("Ok"), &ChannelInfo::cmdOK_Click);
    auto* buttons = new QHBoxLayout;
    for (xpButton* button : {cmdBans, cmdExcepts, cmdInvites, cmdRemove, cmdOK})
        buttons->addWidget(button);
    auto* column = new QVBoxLayout(client);
    column->addWidget(lvBans, 1);
    column->addLayout(buttons);
    setCentralWidget(client);
    resize(440, 300);
}

// A report view; masks and setters come from the network and are shown as text.
void ChannelInfo::buildList(QWidget* client) {
    lvBans = new QTreeWidget(client);
    lvBans->setColumnCount(3);
    lvBans->setHeaderLabels({QStringLiteral("Bans"), QStringLiteral("By"), QStringLiteral("When")});
    lvBans->setRootIsDecorated(false);
    lvBans->setUniformRowHeights(true);
    lvBans->setSelectionMode(QAbstractItemView::SingleSelection);
    lvBans->header()->setSectionsMovable(false);
    lvBans->setColumnWidth(MaskColumn, twipsToPixels(kMaskColumnTwips));
    lvBans->setColumnWidth(ByColumn, twipsToPixels(kColumnTwips));
    lvBans->setColumnWidth(WhenColumn, twipsToPixels(kColumnTwips));
}

// Pending events run between the row and its details: a click may clear the
// rows or close the window meanwhile, and then the details have no row to go to.
void ChannelInfo::AddBEI(const QString& mask, const QString& setBy, const QString& time) {
    if (mask.isEmpty())
        return;
    auto* row = new QTreeWidgetItem(lvBans, {mask});
    const quint64 clears = m_clears;
    QPointer<ChannelInfo> self(this);
    doEventsThrottled();
    if (!self || isUnloading() || clears != m_clears)
        return;
    row->setText(ByColumn, setBy);
    bool isNumber = false;
    const qint32 seconds = time.toInt(&isNumber);
    if (isNumber)
        row->setText(WhenColumn, generalDateText(UnixTimeToDate(seconds)));
}

void ChannelInfo::showModalAndReturn() {
    setWindowModality(Qt::ApplicationModal);
    show();
}

void ChannelInfo::cmdBans_Click() {
    requestList(kBans.header, kBans.letter);
}

void ChannelInfo::cmdExcepts_Click() {
    requestList(kExcepts.header, kExcepts.letter);
}

void ChannelInfo::cmdInvites_Click() {
    requestList(kInvites.header, kInvites.letter);
}

void ChannelInfo::requestList(const QString& header, const QString& letter) {
    clearRows();
    lvBans->headerItem()->setText(MaskColumn, header);
    G().ListRequestFlag = -1;
    Channel::form().SendData(QStringLiteral("MODE ") + strChannel + QLatin1Char(' ') + letter);
}

void ChannelInfo::clearRows() {
    lvBans->clear();
    ++m_clears;
}

// The row stays: the list changes only with a new request.
void ChannelInfo::cmdRemove_Click() {
    const QList<QTreeWidgetItem*> selected = lvBans->selectedItems();
    const MaskList* list = listNamed(lvBans->headerItem()->text(MaskColumn));
    if (selected.isEmpty() || !list)
        return;
    Channel::form().SendData(QStringLiteral("mode ") + strChannel + QStringLiteral(" -") + list->letter +
                             QLatin1Char(' ') + selected.first()->text(MaskColumn));
}

void ChannelInfo::cmdOK_Click() {
    Unload();
}
