#include "platform/RichTextBox.h"

#include "platform/CharStyle.h"
#include "platform/PaneLayout.h"
#include "platform/PictureFragments.h"

#include <QFontInfo>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The document keeps each line break as a paragraph separator.
QString withLineFeeds(QString text) {
    return text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

QString withLineFeedsOnly(const QString& text) {
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Open batches, and the boxes written in them.
int batchDepth = 0;
std::vector<QPointer<RichTextBox>> batchedBoxes;

} // namespace

struct RichTextBox::Private {
    RichTextBox* q;
    QTextCursor cursor;
    QTextCursor reader; // reads ranges; kept so that reading registers no cursor
    // Stays at the end of the text: whatever is inserted where it stands moves it
    // on, and removals before it move it back, so the length is where it is
    // (asking the document walks its tree, and each line asks many times).
    QTextCursor end;
    CharStyle style;
    QSet<quint64> documentPictures; // pictures the document holds as resources
    int writeDepth = 0;      // our own edits under way: what they do to the visible cursor is not the user's
    bool formatting = false; // a format-only edit: no Change
    bool inBatch = false;
    bool closingBatch = false;  // the document reports the batch's edits, told already...
    bool batchReported = false; // ...once; a trim of old lines after that is news
    bool followsEnd = true;     // the view was at the bottom: keep it there as text arrives

    // Marks our own edits; inside a batch the first one opens the box's deferred
    // edit block. While the block is open the document reports nothing, so the
    // edit itself tells its Change: what the handlers write in answer (pictures
    // for codes) then joins the block, and all of it is laid out once.
    class Writing {
    public:
        explicit Writing(Private& d)
            : m_d(d), m_start(d.cursor.selectionStart()), m_removed(d.cursor.selectionEnd() - m_start) {
            ++d.writeDepth;
            d.joinBatch();
        }
        // Every write leaves the cursor after what it put in.
        ~Writing() {
            const bool outermost = m_d.writeDepth == 1;
            if (outermost && m_d.inBatch && !m_d.formatting) {
                const int added = m_d.cursor.position() - m_start;
                if (added || m_removed)
                    emit m_d.q->Change(m_start, m_removed, added);
            }
            if (outermost && !m_d.inBatch)
                m_d.trimScrollback();
            --m_d.writeDepth;
        }
        Writing(const Writing&) = delete;
        Writing& operator=(const Writing&) = delete;

    private:
        Private& m_d;
        int m_start;
        int m_removed;
    };

    void joinBatch() {
        if (batchDepth == 0 || inBatch)
            return;
        inBatch = true;
        cursor.beginEditBlock();
        batchedBoxes.emplace_back(q);
    }

    // The batch's edits told their changes as they were made.
    void endBatch() {
        inBatch = false;
        ++writeDepth;
        closingBatch = true;
        batchReported = false;
        cursor.endEditBlock();
        closingBatch = false;
        trimScrollback();
        --writeDepth;
    }

    // Old lines leave from the top, all that are too many in one edit, reported
    // as a change at position 0. Removing them moves no other line (the layout
    // keeps no positions) and lays none of them out.
    void trimScrollback() {
        QTextDocument* document = q->document();
        const int excess = document->blockCount() - kScrollbackLines;
        if (excess <= 0)
            return;
        const QTextBlock kept = document->findBlockByNumber(excess);
        QTextCursor trim(document);
        trim.beginEditBlock();
        trim.setPosition(kept.position(), QTextCursor::KeepAnchor);
        const QTextCharFormat keptLook = kept.charFormat(); // the first line's own, not the one removed
        trim.removeSelectedText();
        trim.setBlockCharFormat(keptLook);
        trim.endEditBlock();
    }

    void adoptVisibleSelection() {
        if (writeDepth > 0)
            return;
        const QTextCursor visible = q->textCursor();
        cursor.setPosition(visible.anchor());
        cursor.setPosition(visible.position(), QTextCursor::KeepAnchor);
    }

    void restyle(StyleAspect aspect) {
        if (!cursor.hasSelection())
            return;
        QTextCharFormat change;
        aspect(change, style);
        Writing writing(*this);
        formatting = true;
        cursor.mergeCharFormat(change);
        formatting = false;
    }

    // Replaces the selection; the cursor ends after the text.
    void insertPlainRun(const QString& text) {
        cursor.removeSelectedText();
        if (!text.isEmpty())
            cursor.insertText(text.contains(QLatin1Char('\r')) ? withLineFeedsOnly(text) : text,
                              formatOf(style));
    }

    void insertPicture(const PreparedPicture& picture) {
        if (picture.image.isNull())
            return;
        if (!documentPictures.contains(picture.serial)) {
            q->document()->addResource(QTextDocument::ImageResource, picture.name, picture.image);
            documentPictures.insert(picture.serial);
        }
        cursor.removeSelectedText();
        cursor.insertImage(picture.format);
    }

    // Reading costs the length read and a look-up of where it starts, however
    // long the line it lies in: a single character is looked up directly.
    QString textBetween(int start, int end) {
        if (end - start == 1) {
            const QChar c = q->document()->characterAt(start);
            return c == QChar::ParagraphSeparator ? QStringLiteral("\n") : QString(c);
        }
        reader.setPosition(start);
        reader.setPosition(end, QTextCursor::KeepAnchor);
        return withLineFeeds(reader.selectedText());
    }
};

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent), d(std::make_unique<Private>()) {
    d->q = this;
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setAcceptRichText(false);
    viewport()->setMouseTracking(true); // MouseMove while no button is down, as for link pointers
    // A scroll bar that comes and goes changes the width of the text, and every
    // change of width lays the whole text out again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new PaneLayout(document());
    document()->setDocumentLayout(layout);
    layout->setPaintDevice(viewport());
    setMousePointer(m_mousePointer);
    d->cursor = QTextCursor(document());
    d->reader = QTextCursor(document());
    d->end = QTextCursor(document());
    d->style.fontName = font().family();
    d->style.fontSize = QFontInfo(font()).pointSize();

    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
        if (textLength() == 0)
            d->documentPictures.clear(); // clearing the document may have dropped its resources
        if (d->formatting)
            return;
        d->adoptVisibleSelection(); // the user's own typing moved it
        if (d->closingBatch && !std::exchange(d->batchReported, true))
            return;
        if (!d->closingBatch && d->inBatch && d->writeDepth > 0)
            return;
        emit Change(position, removed, added);
    });
    connect(this, &QTextEdit::selectionChanged, this, [this] { d->adoptVisibleSelection(); });
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] { d->adoptVisibleSelection(); });
    QScrollBar* scrollBar = verticalScrollBar();
    connect(scrollBar, &QScrollBar::valueChanged, this,
            [this, scrollBar](int value) { d->followsEnd = value >= scrollBar->maximum(); });
    connect(scrollBar, &QScrollBar::rangeChanged, this, [this, scrollBar](int, int maximum) {
        if (d->followsEnd)
            scrollBar->setValue(maximum);
    });
}

// The document and scroll bars outlive this body; nothing of theirs may reach d.
RichTextBox::~RichTextBox() {
    disconnect(document(), nullptr, this, nullptr);
    disconnect(verticalScrollBar(), nullptr, this, nullptr);
    disconnect(this, nullptr, this, nullptr);
}

QString RichTextBox::Text() const {
    return withLineFeeds(document()->toRawText());
}

void RichTextBox::setText(const QString& text) {
    Private::Writing writing(*d);
    d->cursor.select(QTextCursor::Document);
    d->insertPlainRun(text);
}

int RichTextBox::textLength() const {
    return d->end.position();
}

QString RichTextBox::textRange(int start, int length) const {
    const int from = std::clamp(start, 0, textLength());
    const int to = length > 0 ? int(std::min<qint64>(qint64(from) + length, textLength())) : from;
    return d->textBetween(from, to);
}

int RichTextBox::SelStart() const {
    return d->cursor.selectionStart();
}

void RichTextBox::setSelStart(int position) {
    d->cursor.setPosition(std::clamp(position, 0, textLength()));
}

int RichTextBox::SelLength() const {
    return d->cursor.selectionEnd() - d->cursor.selectionStart();
}

void RichTextBox::setSelLength(int length) {
    const int start = SelStart();
    const auto end = std::clamp<qint64>(qint64(start) + std::max(length, 0), start, textLength());
    d->cursor.setPosition(start);
    d->cursor.setPosition(int(end), QTextCursor::KeepAnchor);
}

QString RichTextBox::SelText() const {
    return withLineFeeds(d->cursor.selectedText());
}

void RichTextBox::setSelText(const QString& text) {
    Private::Writing writing(*d);
    d->insertPlainRun(text);
}

void RichTextBox::setSelRTF(const QString& rtf) {
    const PreparedRtf& prepared = prepareRtf(rtf);
    Private::Writing writing(*d);
    d->cursor.removeSelectedText();
    for (std::size_t k = 0; k < prepared.pieces.size(); ++k) {
        if (prepared.pieces[k].picture)
            d->insertPicture(prepared.pictures[k]);
        else
            d->insertPlainRun(prepared.pieces[k].text);
    }
}

quint32 RichTextBox::SelColor() const {
    return d->style.colour;
}

void RichTextBox::setSelColor(quint32 rgb) {
    d->style.colour = rgb & 0xFFFFFF;
    d->restyle(applyColours);
}

bool RichTextBox::SelBold() const {
    return d->style.bold;
}

void RichTextBox::setSelBold(bool on) {
    d->style.bold = on;
    d->restyle(applyWeight);
}

bool RichTextBox::SelUnderline() const {
    return d->style.underline;
}

void RichTextBox::setSelUnderline(bool on) {
    d->style.underline = on;
    d->restyle(applyUnderline);
}

bool RichTextBox::selReverse() const {
    return d->style.reverse;
}

void RichTextBox::setSelReverse(bool on) {
    d->style.reverse = on;
    d->restyle(applyColours);
}

QString RichTextBox::SelFontName() const {
    return d->style.fontName;
}

void RichTextBox::setSelFontName(const QString& name) {
    d->style.fontName = name;
    d->restyle(applyFontName);
}

int RichTextBox::SelFontSize() const {
    return d->style.fontSize;
}

void RichTextBox::setSelFontSize(int points) {
    d->style.fontSize = points;
    d->restyle(applyFontSize);
}

int RichTextBox::charFromPos(QPoint clientPixels) const {
    return cursorForPosition(clientPixels).position();
}

// A taller view shows lines above those laid out for the last view: they are laid
// out before they are drawn, so that a view following the end stays there.
void RichTextBox::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    static_cast<PaneLayout*>(document()->documentLayout())->layOutEnd(viewport()->height());
}

RichTextBox::Batch::Batch() {
    ++batchDepth;
}

RichTextBox::Batch::~Batch() {
    if (--batchDepth > 0)
        return;
    // Closing a block emits Change, whose handlers may write and batch again.
    const auto boxes = std::exchange(batchedBoxes, {});
    for (const QPointer<RichTextBox>& box : boxes)
        if (box)
            box->d->endBatch();
}
