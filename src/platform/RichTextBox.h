#pragma once

#include <QPoint>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <memory>

// Our rich text control: text is appended through a selection whose pending
// character format applies to the text inserted next, RTF picture fragments are
// decoded and shown, and the control reports its events under the names the
// windows handle.
//
// The control's selection (the Sel properties) is a cursor of its own. A user's
// selection with the mouse or keys is copied into it, but writing through the
// Sel properties never moves the visible selection, so text arriving while the
// user selects something to copy does not take the selection away.
//
// Positions are 0-based character positions of the document: a line break is one
// character ("\n" in Text) and a picture is one character (U+FFFC).
//
// The document is laid out by a PaneLayout: a line is laid out when it comes
// into view or the program has time, and old lines leave from the top without
// moving the others, so the cost of a line does not grow with the scrollback.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);
    ~RichTextBox() override;

    // Whole plain text; line breaks as "\n", pictures as U+FFFC. Built on demand:
    // code on the per-line path uses textLength() and textRange() instead.
    QString Text() const;
    // Replaces the whole content with plain text; "" empties the control.
    void setText(const QString& text);
    // The pane takes no markup: QTextEdit's entry points that read HTML or
    // Markdown, or guess whether the text is rich, are not the box's.
    void setHtml(const QString&) = delete;
    void insertHtml(const QString&) = delete;
    void append(const QString&) = delete;
    void setMarkdown(const QString&) = delete;
    // Len(Text) without building the text.
    int textLength() const;
    // Characters [start, start + length) of Text, clipped to the text.
    QString textRange(int start, int length) const;

    int SelStart() const;
    void setSelStart(int position); // clamps to the text; collapses the selection
    int SelLength() const;
    void setSelLength(int length); // extends from SelStart, clamped
    QString SelText() const;
    // Replaces the selection with plain text in the pending format. CR LF, a lone
    // CR and a lone LF each become one line break.
    void setSelText(const QString& text);
    // Inserts an RTF fragment at the selection. The picture fragment
    // {\pict ...\picwgoalN\pichgoalN\wmetafile8 HEX} is decoded from its metafile
    // and shown at its goal size (twips); plain text outside groups is inserted as
    // text; anything else of RTF is ignored.
    void setSelRTF(const QString& rtf);

    // Pending character format (applies to the text inserted next, and to the
    // selected text when something is selected).
    quint32 SelColor() const; // red + 256 * green + 65536 * blue
    void setSelColor(quint32 rgb);
    bool SelBold() const;
    void setSelBold(bool on);
    bool SelUnderline() const;
    void setSelUnderline(bool on);
    // Shown as the text colour behind white text (black text when the colour is
    // too light for white to read).
    bool selReverse() const;
    void setSelReverse(bool on);
    QString SelFontName() const;
    void setSelFontName(const QString& name);
    int SelFontSize() const; // points
    void setSelFontSize(int points);

    // Free text kept for the window (the topic box keeps "locked" here).
    QString Tag;

    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer); // 1 arrow, 99 link hand

    // The box keeps this many lines; older ones leave from the top (reported as a
    // change at position 0), so a busy pane neither fills memory nor slows down.
    static constexpr int kScrollbackLines = 10000;

    // 0-based index of the character nearest to a point in client pixels.
    int charFromPos(QPoint clientPixels) const;

    // While a batch is open, every box defers layout and repainting of what is
    // appended to it until the batch closes (one layout per received chunk
    // instead of one per line), and trims its scrollback then. Batches nest; the
    // outermost close ends them. The text and positions are current throughout,
    // and each write reports its Change as it is made.
    class Batch {
    public:
        Batch();
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
    };

signals:
    // After any change of the text: position, characters removed, characters added.
    void Change(int position, int removed, int added);
    void Click();
    void DblClick();
    void KeyDown(int& keyCode, int shift); // set keyCode to 0 to cancel the key
    void KeyPress(int& keyAscii);          // set keyAscii to 0 to cancel the key
    void MouseMove(int button, int shift, int xTwips, int yTwips);
    void MouseUp(int button, int shift, int xTwips, int yTwips);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
    int m_mousePointer = 1;
    QPoint m_pressPosition;
    bool m_dragged = false;
    bool m_doubleClicked = false;
};
