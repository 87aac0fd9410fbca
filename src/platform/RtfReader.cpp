#include "platform/RtfReader.h"

#include <utility>

namespace {

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
    static constexpr qint64 kParameterLimit = 1'000'000'000'000;

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
            if (value < kParameterLimit)
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

} // namespace

std::vector<RtfPiece> readRtf(QStringView rtf) {
    return RtfReader(rtf).read();
}

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
