#include "support/IrcText.h"

namespace {

const QChar kBlank(u' ');

// Splits the prefix into nick, user and host the way a person's prefix is told
// from a server's: only a prefix with "!" has a nick.
void parsePrefix(IrcMessage& msg) {
    msg.Host = msg.Prefix;
    if (!msg.Prefix.contains(u'!'))
        return;
    QString rest;
    SplitAt(msg.Host, QStringLiteral("!"), msg.Nick, rest);
    SplitAt(rest, QStringLiteral("@"), msg.User, msg.Host);
}

// Walks the parameters by index so a hostile line of many blanks costs linear time.
void parseParams(const QString& rest, IrcMessage& msg) {
    qsizetype pos = 0;
    msg.Params.clear();
    msg.ParamCount = 1;
    for (;;) {
        if (pos < rest.size() && rest[pos] == u':') {
            msg.Params.append(rest.mid(pos + 1));
            return;
        }
        const qsizetype blank = rest.indexOf(kBlank, pos);
        if (blank < 0) {
            msg.Params.append(rest.mid(pos));
            return;
        }
        msg.Params.append(rest.mid(pos, blank - pos));
        pos = blank + 1;
        ++msg.ParamCount;
    }
}

QString joinRange(const QStringList& items, int count, int first, int last) {
    if (first < 1 || last > count)
        return QString();
    const int upper = last == -1 ? count : last;
    QString joined;
    for (int k = first; k <= upper; ++k) {
        if (k > first)
            joined += kBlank;
        joined += items[k - 1];
    }
    joined.remove(QChar(13));
    return joined;
}

} // namespace

void ParseIrcLine(const QString& line, IrcMessage& msg) {
    msg.Command.clear();
    msg.Nick.clear();
    msg.User.clear();
    msg.Host.clear();
    msg.ParamCount = 1;
    msg.Params = QStringList{QString()};

    QString rest = line;
    if (rest.startsWith(u':')) {
        SplitAt(rest.mid(1), QStringLiteral(" "), msg.Prefix, rest);
        parsePrefix(msg);
    }
    if (!rest.contains(kBlank)) {
        msg.Command = rest;
        msg.ParamCount = 0;
        return;
    }
    SplitAt(rest, QStringLiteral(" "), msg.Command, msg.Raw);
    parseParams(msg.Raw, msg);
}

QString JoinWordsOf(const IrcMessage& msg, int first, int last) {
    return joinRange(msg.Params, msg.ParamCount, first, last);
}

QString JoinWords(const QStringList& words, int first, int last) {
    return joinRange(words, static_cast<int>(words.size()), first, last);
}

void SplitAt(const QString& text, const QString& separator, QString& before, QString& after) {
    const qsizetype p = text.indexOf(separator);
    if (p < 0) {
        before = text;
        after = text;
        return;
    }
    const QString whole = text; // text may be the same variable as after
    before = whole.left(p);
    after = whole.mid(p + 1);
}

QString TextBefore(const QString& text, const QString& separator) {
    const qsizetype p = text.indexOf(separator);
    return p < 0 ? text : text.left(p);
}

QString TextAfter(const QString& text, const QString& separator) {
    const qsizetype p = text.indexOf(separator);
    return p < 0 ? text : text.mid(p + 1);
}

QString DropLeft(const QString& text, int n) {
    if (n <= 0)
        return text;
    return n >= text.size() ? QString() : text.mid(n);
}

QString DropRight(const QString& text, int n) {
    if (n <= 0)
        return text;
    return n >= text.size() ? QString() : text.left(text.size() - n);
}

QString trimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == kBlank)
        ++start;
    while (end > start && text[end - 1] == kBlank)
        --end;
    return text.mid(start, end - start);
}

QString StripNickModes(QString& nick) {
    nick.remove(u'@');
    nick.remove(u'+');
    return nick;
}
