#include "platform/RichTextBox.h"

#include "platform/KeyEvents.h"
#include "platform/Metafile.h"

#include <QApplication>
#include <QFontInfo>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextImageFormat>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int TwipsPerPixel = 15;
constexpr double HimetricPerPixel = 2540.0 / 96.0;
constexpr int LinkHandPointer = 99;

QColor colourFromRgb(quint32 rgb) {
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

// The document keeps each line break as a paragraph separator.
QString withLineFeeds(QString text) {
    return text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

QString withLineFeedsOnly(const QString& text) {
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// ---- pending character format -----------------------------------------------

struct CharStyle {
    quint32 colour = 0;
    bool bold = false;
    bool underline = false;
    bool reverse = false;
    QString fontName;
    int fontSize = 0;
};

// Each setter changes one aspect; the same function updates the pending format
// and builds the change merged into a selection.
using StyleAspect = void (*)(QTextCharFormat&, const CharStyle&);

void applyColours(QTextCharFormat& format, const CharStyle& style) {
    const QColor colour = colourFromRgb(style.colour);
    if (!style.reverse) {
        format.setForeground(colour);
        format.setBackground(QBrush()); // clears a reverse merged earlier
        return;
    }
    const bool light = 0.299 * colour.redF() + 0.587 * colour.greenF() + 0.114 * colour.blueF() > 0.6;
    format.setForeground(QColor(light ? Qt::black : Qt::white));
    format.setBackground(colour);
}

void applyWeight(QTextCharFormat& format, const CharStyle& style) {
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
}

void applyUnderline(QTextCharFormat& format, const CharStyle& style) {
    format.setFontUnderline(style.underline);
}

void applyFontName(QTextCharFormat& format, const CharStyle& style) {
    format.setFontFamilies(QStringList{style.fontName});
}

void applyFontSize(QTextCharFormat& format, const CharStyle& style) {
    if (style.fontSize > 0)
        format.setFontPointSize(style.fontSize);
}

QTextCharFormat formatFor(const CharStyle& style) {
    QTextCharFormat format;
    // Chat text rarely needs the shaper, and shaping is most of what laying out a
    // line costs; fonts and scripts that need it still get it.
    format.setFontStyleStrategy(QFont::PreferNoShaping);
    for (const StyleAspect aspect : {applyColours, applyWeight, applyUnderline, applyFontName, applyFontSize})
        aspect(format, style);
    return format;
}

// ---- RTF picture fragments ----------------------------------------------------

struct RtfPicture {
    QStringView hex; // the picture data as written, whitespace included
    bool isMetafile = false;
    bool damaged = false; // data interrupted or escaped: not decodable
    qint64 widthHimetric = 0;
    qint64 heightHimetric = 0;
    qint64 goalWidthTwips = 0;
    qint64 goalHeightTwips = 0;
};

// A fragment's content in order: a run of text, or a picture.
struct RtfPiece {
    QString text;
    std::optional<RtfPicture> picture;
};

struct DecodedPicture {
    QString hex;
    QUrl name; // the document resource showing it
    QImage image;
};

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int hexDigitValue(QChar c) {
    if (isAsciiDigit(c))
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Reads the little RTF our panes exchange: text, \par and \line, and \pict
// groups. Font and colour tables, \* destinations and unknown control words are
// skipped. Never interprets anything as markup beyond that.
class RtfReader {
public:
    explicit RtfReader(QStringView rtf) : m_rtf(rtf) {}

    std::vector<RtfPiece> read() && {
        while (m_at < m_rtf.size()) {
            const QChar c = m_rtf[m_at++];
            if (c == u'{')
                openGroup();
            else if (c == u'}')
                closeGroup();
            else if (c == u'\\')
                readControl();
            else if (c != u'\r' && c != u'\n') // line breaks in RTF source are not text
                rawCharacter(c, m_at - 1);
        }
        flushText();
        return std::move(m_pieces); // an unclosed \pict is truncated: dropped
    }

private:
    enum class Destination : quint8 { Text, Picture, Skipped };
    // Parameters are clamped here; real ones are far smaller.
    static constexpr qint64 ParameterLimit = 1'000'000'000'000;

    Destination destination() const { return m_groups.empty() ? Destination::Text : m_groups.back(); }

    void openGroup() {
        endPictureData();
        m_groups.push_back(destination() == Destination::Picture ? Destination::Skipped : destination());
        m_groupStart = true;
    }

    void closeGroup() {
        m_groupStart = false;
        if (m_groups.empty())
            return;
        const Destination closing = m_groups.back();
        m_groups.pop_back();
        if (closing == Destination::Picture)
            finishPicture();
    }

    void readControl() {
        if (m_at < m_rtf.size() && isAsciiLetter(m_rtf[m_at])) {
            readControlWord();
            return;
        }
        endPictureData();
        if (m_at >= m_rtf.size())
            return;
        const QChar symbol = m_rtf[m_at++];
        if (symbol == u'*' && m_groupStart && !m_groups.empty())
            m_groups.back() = Destination::Skipped;
        else if (symbol == u'\\' || symbol == u'{' || symbol == u'}')
            escapedCharacter(symbol);
        else if (symbol == u'~')
            escapedCharacter(QChar(QChar::Nbsp));
        else if (symbol == u'\'')
            readHexEscape();
        else if (symbol == u'\r' || symbol == u'\n')
            controlWord(u"par", 0);
        m_groupStart = false;
    }

    void readHexEscape() {
        if (m_at + 2 > m_rtf.size())
            return;
        const int high = hexDigitValue(m_rtf[m_at]);
        const int low = hexDigitValue(m_rtf[m_at + 1]);
        m_at += 2;
        if (high >= 0 && low >= 0)
            escapedCharacter(QChar(char16_t(high * 16 + low))); // the ANSI page taken as Latin-1
    }

    void readControlWord() {
        const qsizetype start = m_at;
        while (m_at < m_rtf.size() && isAsciiLetter(m_rtf[m_at]))
            ++m_at;
        const QStringView name = m_rtf.sliced(start, m_at - start);
        const qint64 parameter = readParameter();
        if (m_at < m_rtf.size() && m_rtf[m_at] == u' ')
            ++m_at; // the delimiter belongs to the word
        controlWord(name, parameter);
    }

    qint64 readParameter() {
        const bool negative = m_at + 1 < m_rtf.size() && m_rtf[m_at] == u'-' && isAsciiDigit(m_rtf[m_at + 1]);
        if (negative)
            ++m_at;
        qint64 value = 0;
        for (; m_at < m_rtf.size() && isAsciiDigit(m_rtf[m_at]); ++m_at)
            if (value < ParameterLimit)
                value = value * 10 + (m_rtf[m_at].unicode() - u'0');
        return negative ? -value : value;
    }

    void controlWord(QStringView name, qint64 parameter) {
        const bool groupStart = std::exchange(m_groupStart, false);
        if (groupStart && destination() == Destination::Text && startsDestination(name))
            return;
        if (destination() == Destination::Text) {
            if (name == u"par" || name == u"line")
                m_text += QLatin1Char('\n');
            else if (name == u"tab")
                m_text += QLatin1Char('\t');
        } else if (destination() == Destination::Picture) {
            endPictureData();
            setPictureProperty(name, parameter);
        }
    }

    bool startsDestination(QStringView name) {
        if (name == u"pict") {
            m_groups.back() = Destination::Picture;
            m_picture = RtfPicture();
            m_dataStart = m_dataEnd = -1;
            m_dataEnded = false;
            return true;
        }
        if (name == u"fonttbl" || name == u"colortbl" || name == u"stylesheet" || name == u"info") {
            m_groups.back() = Destination::Skipped;
            return true;
        }
        return false;
    }

    void setPictureProperty(QStringView name, qint64 parameter) {
        if (name == u"picw")
            m_picture.widthHimetric = parameter;
        else if (name == u"pich")
            m_picture.heightHimetric = parameter;
        else if (name == u"picwgoal")
            m_picture.goalWidthTwips = parameter;
        else if (name == u"pichgoal")
            m_picture.goalHeightTwips = parameter;
        else if (name == u"wmetafile")
            m_picture.isMetafile = true;
    }

    void rawCharacter(QChar c, qsizetype at) {
        m_groupStart = false;
        if (destination() == Destination::Text)
            m_text += c;
        else if (destination() == Destination::Picture)
            pictureData(c, at);
    }

    void escapedCharacter(QChar c) {
        if (destination() == Destination::Text)
            m_text += c;
        else if (destination() == Destination::Picture)
            m_picture.damaged = true;
    }

    // The data is one span of the source; anything breaking it up damages it.
    void pictureData(QChar c, qsizetype at) {
        if (c.isSpace())
            return;
        if (m_dataEnded) {
            m_picture.damaged = true;
            return;
        }
        if (m_dataStart < 0)
            m_dataStart = at;
        m_dataEnd = at + 1;
    }

    void endPictureData() {
        if (destination() == Destination::Picture && m_dataStart >= 0)
            m_dataEnded = true;
    }

    void finishPicture() {
        if (m_dataStart >= 0)
            m_picture.hex = m_rtf.sliced(m_dataStart, m_dataEnd - m_dataStart);
        flushText();
        m_pieces.push_back({QString(), m_picture});
    }

    void flushText() {
        if (!m_text.isEmpty())
            m_pieces.push_back({std::exchange(m_text, QString()), std::nullopt});
    }

    QStringView m_rtf;
    qsizetype m_at = 0;
    std::vector<Destination> m_groups; // innermost last
    bool m_groupStart = false;         // the next control word may name the group's destination
    RtfPicture m_picture;
    qsizetype m_dataStart = -1;
    qsizetype m_dataEnd = -1;
    bool m_dataEnded = false;
    QString m_text;
    std::vector<RtfPiece> m_pieces;
};

// ---- decoded pictures ----------------------------------------------------------

// Strict: an odd number of digits or any other character than hex digits and
// whitespace gives no bytes.
QByteArray bytesFromHex(QStringView hex) {
    QByteArray bytes;
    bytes.reserve(hex.size() / 2);
    int high = -1;
    for (const QChar c : hex) {
        if (c.isSpace())
            continue;
        const int nibble = hexDigitValue(c);
        if (nibble < 0)
            return {};
        if (high < 0) {
            high = nibble;
        } else {
            bytes.append(char(high * 16 + nibble));
            high = -1;
        }
    }
    return high < 0 ? bytes : QByteArray();
}

// Shared by all boxes: a smiley is decoded once however often it is shown. Few
// distinct pictures are usual, so the cache is simply dropped when it grows past
// the limit (the documents keep their own copies). GUI thread only.
DecodedPicture decodedPicture(QStringView hex) {
    constexpr qsizetype MaxCachedPictures = 256;
    static QHash<size_t, DecodedPicture> cache;
    static quint64 lastSerial = 0;
    const size_t key = qHash(hex);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd() && found->hex == hex)
        return *found;
    if (cache.size() >= MaxCachedPictures)
        cache.clear();
    const QUrl name(QStringLiteral("korvu-picture:%1").arg(++lastSerial));
    return *cache.insert(key, {hex.toString(), name, ReadBitmapMetafile(bytesFromHex(hex))});
}

// A fragment read and its pictures decoded.
struct PreparedRtf {
    QString rtf; // keeps the storage the pieces look into
    std::vector<RtfPiece> pieces;
    std::vector<DecodedPicture> pictures; // one per piece; empty for text
};

// Our own picture fragments are the same strings every time (a smiley's RTF is
// made once): while a copy is kept here their storage cannot change, so the
// address of the text identifies a fragment already read, and showing it again
// costs neither reading nor decoding. Other fragments are read afresh.
const PreparedRtf& preparedRtf(const QString& rtf) {
    constexpr qsizetype MaxPrepared = 256;
    static QHash<const QChar*, PreparedRtf> known;
    const auto found = known.constFind(rtf.constData());
    if (found != known.constEnd() && found->rtf.size() == rtf.size())
        return *found;
    if (known.size() >= MaxPrepared)
        known.clear();
    PreparedRtf prepared{rtf, RtfReader(rtf).read(), {}};
    for (const RtfPiece& piece : prepared.pieces) {
        const bool decodable = piece.picture && piece.picture->isMetafile && !piece.picture->damaged &&
                               !piece.picture->hex.isEmpty();
        prepared.pictures.push_back(decodable ? decodedPicture(piece.picture->hex) : DecodedPicture{});
    }
    return *known.insert(rtf.constData(), std::move(prepared));
}

// Goal size in twips, else the picture's extent in HIMETRIC, else its pixels.
int displaySide(qint64 goalTwips, qint64 himetric, int imageSide) {
    const auto sane = [](qint64 pixels) { return pixels >= 1 && pixels <= MetafileMaxPictureSide; };
    const qint64 fromGoal = std::llround(double(goalTwips) / TwipsPerPixel);
    if (sane(fromGoal))
        return int(fromGoal);
    const qint64 fromExtent = std::llround(double(himetric) / HimetricPerPixel);
    return sane(fromExtent) ? int(fromExtent) : imageSide;
}

// ---- batches --------------------------------------------------------------------

int batchDepth = 0;
std::vector<QPointer<RichTextBox>> batchedBoxes;

} // namespace

struct RichTextBox::Private {
    RichTextBox* q;
    QTextCursor cursor;
    CharStyle style;
    QTextCharFormat format;
    int writeDepth = 0;      // our own edits under way: what they do to the visible cursor is not the user's
    bool formatting = false; // a format-only edit: no Change
    bool inBatch = false;
    bool closingBatch = false;   // the document reports the batch's edits, told already...
    bool batchReported = false;  // ...once; a trim of old lines after that is news
    bool followsEnd = true; // the view was at the bottom: keep it there as text arrives
    QPoint pressPosition;
    bool dragged = false;
    bool doubleClicked = false;

    // Marks our own edits; inside a batch the first one opens the box's deferred
    // edit block. While the block is open the document reports nothing, so the
    // edit itself tells its Change: what the handlers write in answer (pictures
    // for codes) then joins the block, and all of it is laid out once.
    class Writing {
    public:
        explicit Writing(Private& d)
            : m_d(d), m_start(d.cursor.selectionStart()), m_removed(d.cursor.selectionEnd() - m_start),
              m_lengthBefore(d.q->TextLength()) {
            ++d.writeDepth;
            d.joinBatch();
        }
        ~Writing() {
            const bool outermost = m_d.writeDepth == 1;
            const int added = m_d.q->TextLength() - m_lengthBefore + m_removed;
            if (outermost && m_d.inBatch && !m_d.formatting && (added || m_removed))
                emit m_d.q->Change(m_start, m_removed, added);
            --m_d.writeDepth;
        }
        Writing(const Writing&) = delete;
        Writing& operator=(const Writing&) = delete;

    private:
        Private& m_d;
        int m_start;
        int m_removed;
        int m_lengthBefore;
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
        --writeDepth;
    }

    void adoptVisibleSelection() {
        if (writeDepth > 0)
            return;
        const QTextCursor visible = q->textCursor();
        cursor.setPosition(visible.anchor());
        cursor.setPosition(visible.position(), QTextCursor::KeepAnchor);
    }

    void restyle(StyleAspect aspect) {
        aspect(format, style);
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
            cursor.insertText(text.contains(QLatin1Char('\r')) ? withLineFeedsOnly(text) : text, format);
    }

    void insertPicture(const RtfPicture& picture, const DecodedPicture& decoded) {
        if (decoded.image.isNull())
            return;
        QTextDocument* document = q->document();
        if (document->resource(QTextDocument::ImageResource, decoded.name).isNull())
            document->addResource(QTextDocument::ImageResource, decoded.name, decoded.image);
        QTextImageFormat image;
        image.setName(decoded.name.toString());
        image.setWidth(displaySide(picture.goalWidthTwips, picture.widthHimetric, decoded.image.width()));
        image.setHeight(displaySide(picture.goalHeightTwips, picture.heightHimetric, decoded.image.height()));
        cursor.removeSelectedText();
        cursor.insertImage(image);
    }

    QString textBetween(int start, int end) const {
        QTextCursor range(q->document());
        range.setPosition(start);
        range.setPosition(end, QTextCursor::KeepAnchor);
        return withLineFeeds(range.selectedText());
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
    document()->setMaximumBlockCount(ScrollbackLines);
    setMousePointer(m_mousePointer);
    d->cursor = QTextCursor(document());
    d->style.fontName = font().family();
    d->style.fontSize = QFontInfo(font()).pointSize();
    d->format = formatFor(d->style);

    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
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

int RichTextBox::TextLength() const {
    return document()->characterCount() - 1;
}

QString RichTextBox::TextRange(int start, int length) const {
    const int from = std::clamp(start, 0, TextLength());
    const int to = length > 0 ? int(std::min<qint64>(qint64(from) + length, TextLength())) : from;
    return d->textBetween(from, to);
}

int RichTextBox::SelStart() const {
    return d->cursor.selectionStart();
}

void RichTextBox::setSelStart(int position) {
    d->cursor.setPosition(std::clamp(position, 0, TextLength()));
}

int RichTextBox::SelLength() const {
    return d->cursor.selectionEnd() - d->cursor.selectionStart();
}

void RichTextBox::setSelLength(int length) {
    const int start = SelStart();
    const auto end = std::clamp<qint64>(qint64(start) + std::max(length, 0), start, TextLength());
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
    const PreparedRtf& prepared = preparedRtf(rtf);
    Private::Writing writing(*d);
    d->cursor.removeSelectedText();
    for (std::size_t k = 0; k < prepared.pieces.size(); ++k) {
        const RtfPiece& piece = prepared.pieces[k];
        if (piece.picture)
            d->insertPicture(*piece.picture, prepared.pictures[k]);
        else
            d->insertPlainRun(piece.text);
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

bool RichTextBox::SelReverse() const {
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

void RichTextBox::setMousePointer(int pointer) {
    m_mousePointer = pointer;
    viewport()->setCursor(pointer == LinkHandPointer ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

int RichTextBox::CharFromPos(QPoint clientPixels) const {
    return cursorForPosition(clientPixels).position();
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

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    int keyCode = VirtualKeyCode(*event);
    if (keyCode != 0) {
        emit KeyDown(keyCode, ShiftMask(event->modifiers()));
        if (keyCode == 0) {
            event->accept();
            return;
        }
    }
    const int typed = KeyAscii(*event);
    int code = typed;
    if (code != 0) {
        emit KeyPress(code);
        if (code == 0) {
            event->accept();
            return;
        }
    }
    if (code == typed) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(QChar(char16_t(code))),
                       event->isAutoRepeat(), quint16(event->count()));
    QTextEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void RichTextBox::mousePressEvent(QMouseEvent* event) {
    d->pressPosition = event->position().toPoint();
    d->dragged = false;
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseMoveEvent(QMouseEvent* event) {
    QTextEdit::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    if ((event->buttons() & Qt::LeftButton) &&
        (at - d->pressPosition).manhattanLength() >= QApplication::startDragDistance())
        d->dragged = true;
    emit MouseMove(ButtonMask(event->buttons()), ShiftMask(event->modifiers()), at.x() * TwipsPerPixel,
                   at.y() * TwipsPerPixel);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    const bool click = event->button() == Qt::LeftButton && !d->dragged && !d->doubleClicked;
    d->doubleClicked = false;
    emit MouseUp(ButtonMask(event->button()), ShiftMask(event->modifiers()), at.x() * TwipsPerPixel,
                 at.y() * TwipsPerPixel);
    if (click)
        emit Click();
}

void RichTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QTextEdit::mouseDoubleClickEvent(event);
    d->doubleClicked = true; // its release is not a click
    emit DblClick();
}
