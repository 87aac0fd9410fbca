#pragma once

#include "platform/Form.h"
#include "support/InputHistory.h"
#include "support/QueryWindow.h"

#include <QStringList>
#include <QTimer>

class QLabel;
class QLineEdit;
class RichTextBox;
struct TwipsRect;

// A private conversation with one correspondent. The conversation table holds
// up to 30 of them; a window whose QueryNick is "" leaves its slot free.
// Behaviour is split by concern: construction and load (QueryControls),
// layout (QueryLayout), incoming lines (QueryReceive), the pane's words
// (QueryLinks), unread text and flashing (QueryUnread), the input line and its
// history (QuerySend), the labels (QueryLabels).
class Query : public Form, public QueryWindow {
    Q_OBJECT
public:
    Query();
    ~Query() override;

    // A new window, loaded and hidden: what the conversation table opens.
    static Query* Create();

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Form_Resize();

    // QueryWindow
    QString QueryNick() const override { return m_queryNick; }
    void setQueryNick(const QString& nick) override { m_queryNick = nick; }
    QString QueryHost() const override { return m_queryHost; }
    void setQueryHost(const QString& host) override { m_queryHost = host; }
    void setCaption(const QString& caption) override;
    void setLblNick(const QString& text) override;
    void setLblHost(const QString& text) override;
    void setTag(const QString& tag) override { m_tag = tag; }
    void MakeVisible() override;
    void bringToFront() override;
    RichTextBox& DataInPane() override { return *DataIn; }
    void PutText(const QString& nick, const QString& text) override;
    void unloadWindow() override { Unload(); }
    bool unloading() const override { return isUnloading(); }
    QObject* object() override { return this; }

    QString Tag() const { return m_tag; }
    void CheckRTF(RichTextBox& rtb, int position, int added);
    void DoHistory(const QString& text);

    // Events of the controls.
    void DataIn_MouseUp(int button, int shift, int x, int y);
    void DataIn_MouseMove(int button, int shift, int x, int y);
    void DataIn_DblClick();
    void DataIn_Click();
    void DataOut_KeyPress(int& keyAscii);
    void DataOut_KeyDown(int& keyCode, int shift);
    void Image2_Click();
    void Label4_Click();
    void LabelAction_Click();
    void cmdOptions_Click();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    void Label5_Click();
    void flsh_Timer();

    // 1 after incoming text is shown; 0 once the user touches the window.
    qint16 UnreadFlag = 0;
    QStringList QueryHistory; // at most MaxTextHistory + 1 lines
    qint16 QueryHistoryPos = 0;

    RichTextBox* DataIn = nullptr; // the conversation
    QLabel* lblNick = nullptr;
    QLabel* lblHost = nullptr;
    QLineEdit* DataOut = nullptr;  // the input line
    QLabel* Image2 = nullptr;      // send
    QLabel* cmdOptions = nullptr;  // "BuddyList"
    QLabel* Label6 = nullptr;      // "IgnoreList"
    QLabel* Label7 = nullptr;      // "Font Settings"
    QLabel* Label8 = nullptr;      // "Colour Settings"
    QLabel* LabelAction = nullptr; // "Own Action"
    QLabel* Label5 = nullptr;      // "Author"
    QLabel* Label4 = nullptr;      // "Close"
    QLabel* Image9 = nullptr;      // badge
    QLabel* Image10 = nullptr;     // header strip
    QLabel* Image11 = nullptr;     // header end
    QLabel* txt1 = nullptr;        // input area
    QLabel* Image1 = nullptr;      // right edge
    QLabel* snd1 = nullptr;        // left edge
    QTimer flsh;

signals:
    // The window asked the desktop to flash it: text arrived unseen.
    void Flashed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls(QWidget* client);
    void buildPictures(QWidget* client);
    void buildLabels(QWidget* client);
    void buildConversation(QWidget* client);
    void connectControls();
    QLabel* newLabel(QWidget* client, const QString& text, const TwipsRect& design);
    void Form_Activate();
    void markRead();
    void sendTypedLine(const QString& text);

    QString m_queryNick;
    QString m_queryHost;
    QString m_tag;
    QString ClickedWord; // under the pointer at the last mouse-button release in the pane
    InputHistory m_inputHistory{QueryHistory, QueryHistoryPos};
};
