// The room's member store against the plain way of keeping it: an array in order
// of arrival and a sorted list box, each searched from the start. Random changes
// over a few nicks that differ only in case (or carry rank characters inside
// them) must give the same entries, the same items in the same order and the
// same answers, and the list model must tell its view every change correctly.
#include "chatroom/NickList.h"
#include "fixtures/NamedRows.h"
#include "fixtures/QtPrinters.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

QString without(QString text, const QString& characters) {
    for (const QChar c : characters)
        text.remove(c);
    return text;
}

bool sameIgnoringCase(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// The members kept as the room window's procedures describe them.
class PlainMembers {
public:
    std::vector<NickEntry> nicks;
    struct Item {
        QString key; // where the list box placed it: renaming in place keeps it
        QString text;
    };
    std::vector<Item> items;

    bool add(const QString& name) {
        NickEntry entry;
        QString nick = name;
        for (const QChar c : QStringLiteral("~&@%+")) {
            if (!nick.contains(c))
                continue;
            (c == u'%' ? entry.Helper : c == u'+' ? entry.Voice : entry.Op) = true;
            nick.remove(c);
        }
        if (nick.isEmpty())
            return false;
        entry.Nick = nick;
        nicks.push_back(entry);
        list(NickWithPrefix(entry));
        return true;
    }
    bool remove(const QString& nick) {
        const auto entry = firstEntry([&](const NickEntry& e) { return e.Nick == nick; });
        if (entry == nicks.end())
            return false;
        nicks.erase(entry);
        const auto item = firstItem([&](const QString& text) { return without(text, "~&@+%") == nick; });
        if (item == items.end())
            return false;
        items.erase(item);
        return true;
    }
    bool rename(const QString& oldNick, const QString& newNick) {
        if (newNick.isEmpty())
            return false;
        const auto entry = firstEntry([&](const NickEntry& e) { return sameIgnoringCase(e.Nick, oldNick); });
        if (entry != nicks.end())
            entry->Nick = newNick;
        const auto item =
            firstItem([&](const QString& text) { return sameIgnoringCase(without(text, "@+"), oldNick); });
        if (item == items.end())
            return false;
        if (entry != nicks.end())
            item->text = NickWithPrefix(*entry);
        return true;
    }
    void setFlag(const QString& nick, bool NickEntry::*flag, bool value) {
        const auto entry = firstEntry([&](const NickEntry& e) { return e.Nick == nick; });
        if (entry != nicks.end())
            (*entry).*flag = value;
        const auto item = firstItem([&](const QString& text) { return without(text, "@+") == nick; });
        if (item == items.end() || entry == nicks.end())
            return;
        items.erase(item);
        list(NickWithPrefix(*entry));
    }
    bool inChannel(const QString& nick) const {
        return std::any_of(nicks.begin(), nicks.end(),
                           [&](const NickEntry& e) { return sameIgnoringCase(e.Nick, nick); });
    }
    bool flagOf(const QString& nick, bool NickEntry::*flag) const {
        for (const NickEntry& e : nicks)
            if (sameIgnoringCase(e.Nick, nick))
                return e.*flag;
        return false;
    }

private:
    template <class Match> std::vector<NickEntry>::iterator firstEntry(Match match) {
        return std::find_if(nicks.begin(), nicks.end(), match);
    }
    template <class Match> std::vector<Item>::iterator firstItem(Match match) {
        return std::find_if(items.begin(), items.end(), [&](const Item& item) { return match(item.text); });
    }
    // The key whose code units put texts in the list box's order: the text
    // folded, each rank character in the place of its rank's order.
    static QString sortKey(const QString& text) {
        QString key = foldedNick(text);
        for (QChar& c : key)
            c = QChar(NickListModel::placeUnit(c));
        return key;
    }
    // A new item goes after every item it does not sort before.
    void list(const QString& text) {
        const QString key = sortKey(text);
        const auto at = std::upper_bound(items.begin(), items.end(), key,
                                         [](const QString& k, const Item& item) { return k < item.key; });
        items.insert(at, Item{key, text});
    }
};

// Spellings that meet without regard to case (the Kelvin sign folds to k, the
// three forms of the dz digraph to one), and nicks with rank characters inside.
QStringList spellings(std::mt19937&) {
    return {"al",
            "Al",
            "AL",
            "bo",
            "BO",
            "k",
            "K",
            QString(QChar(0x212A)),
            QString(QChar(0x01C4)),
            QString(QChar(0x01C5)),
            QString(QChar(0x01C6)),
            "x@y",
            "xy",
            "x+y",
            "a%b",
            "ab"};
}

// Short texts of letters that fold (outside ASCII and outside the basic plane
// too), rank characters and a lone surrogate, drawn once per run.
QStringList randomTexts(std::mt19937& random) {
    const QStringList pieces{"a",
                             "A",
                             QString(QChar(0x00DF)),
                             QString(QChar(0x1E9E)),
                             QString(QChar(0x212A)),
                             "k",
                             QString(QChar(0x01C5)),
                             "@",
                             "+",
                             "%",
                             "~",
                             "&",
                             QString(QChar(0xD801)),
                             QString::fromUcs4(U"\U00010400"),
                             QString::fromUcs4(U"\U00010428")};
    QStringList texts;
    for (int k = 0; k < 24; ++k) {
        QString text;
        for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n)
            text += pieces[static_cast<qsizetype>(random() % pieces.size())];
        texts << text;
    }
    return texts;
}

// Texts that agree in their first twelve code units, which a batch is sorted on
// first, and NULs, which compare like the end of a shorter text.
QStringList longTexts(std::mt19937&) {
    const QString nul(QChar(0));
    QStringList texts;
    for (const QString& stem : QStringList{"abcdefghijk", "abcdefghijkl", "ABCDEFGHIJKL"})
        for (const QString& tail : {QString(), nul, nul + "b", QString("a"), QString("A"), QString("@")})
            texts << stem + tail;
    return texts;
}

const QStringList kPrefixes{"", "", "", "@", "+", "%", "~", "&", "@+", "+%", "~&@%+"};
const std::vector<bool NickEntry::*> kFlags{&NickEntry::Owner, &NickEntry::SOp, &NickEntry::Op,
                                            &NickEntry::Voice, &NickEntry::Helper};

struct NickSource {
    const char* name;
    QStringList (*nicks)(std::mt19937& random);
};

void PrintTo(const NickSource& param, std::ostream* out) {
    *out << param.name;
}

class NickListTest : public testing::TestWithParam<NickSource> {
protected:
    NickList store;
    PlainMembers plain;
    std::mt19937 random{2024};
    QStringList nicks = GetParam().nicks(random);

    QString any(const QStringList& list) { return list[static_cast<qsizetype>(random() % list.size())]; }

    void expectSame(int step) {
        ASSERT_EQ(store.NickCount(), static_cast<int>(plain.nicks.size())) << "step " << step;
        for (int k = 1; k <= store.NickCount(); ++k)
            ASSERT_EQ(store.GetNick(k), plain.nicks[static_cast<std::size_t>(k - 1)].Nick) << "step " << step;
        QStringList listed, expected;
        for (int k = 0; k < store.model().count(); ++k)
            listed << store.model().textAt(k);
        for (const PlainMembers::Item& item : plain.items)
            expected << item.text;
        ASSERT_EQ(listed, expected) << "step " << step;
        for (const QString& nick : nicks) {
            for (bool NickEntry::*flag : kFlags)
                ASSERT_EQ(store.FlagOf(nick, flag), plain.flagOf(nick, flag)) << "step " << step;
            ASSERT_EQ(store.InChannel(nick), plain.inChannel(nick)) << "step " << step;
        }
    }
};

TEST_P(NickListTest, KeepsWhatThePlainArrayAndListBoxKeep) {
    QAbstractItemModelTester tester(&store.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (int step = 0; step < 4000; ++step) {
        switch (random() % 10) {
        case 0:
        case 1: {
            const QString name = random() % 10 ? any(kPrefixes) + any(nicks) : any(kPrefixes);
            ASSERT_EQ(store.add(name), plain.add(name)) << name.toStdString();
            break;
        }
        case 2: { // a names line: one batch
            store.beginBatch();
            for (int k = static_cast<int>(random() % 4); k > 0; --k) {
                const QString name = any(kPrefixes) + any(nicks);
                store.add(name);
                plain.add(name);
            }
            store.endBatch();
            break;
        }
        case 3:
        case 4:
        case 5:
        case 6: { // as many leave as arrive, so the room stays small
            const QString nick = any(nicks);
            ASSERT_EQ(store.remove(nick), plain.remove(nick)) << nick.toStdString();
            break;
        }
        case 7: {
            const QString oldNick = any(nicks), newNick = random() % 10 ? any(nicks) : QString();
            ASSERT_EQ(store.rename(oldNick, newNick), plain.rename(oldNick, newNick))
                << (oldNick + " " + newNick).toStdString();
            break;
        }
        default: {
            const QString nick = any(nicks);
            bool NickEntry::*flag = kFlags[random() % kFlags.size()];
            const bool value = random() % 2;
            store.SetFlag(nick, flag, value);
            plain.setFlag(nick, flag, value);
        }
        }
        expectSame(step);
        if (HasFatalFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Nicks, NickListTest,
                         testing::Values(NickSource{"Spellings", spellings},
                                         NickSource{"RandomTexts", randomTexts},
                                         NickSource{"LongTexts", longTexts}),
                         RowName());

// However many names a names line holds, the view hears of them once; a member
// coming or going is one row.
TEST(NickListViewTest, ANamesLineTellsTheViewOnce) {
    NickList store;
    QSignalSpy resets(&store.model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&store.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&store.model(), &QAbstractItemModel::rowsRemoved);
    store.beginBatch();
    for (int k = 0; k < 500; ++k)
        store.add(QString("@member%1").arg(k, 3, 10, QChar('0')));
    store.endBatch();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(inserted.count(), 0);
    store.add("zed");
    store.remove("member007");
    EXPECT_EQ(resets.count(), 1);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 500); // after every operator
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed[0][1].toInt(), 7);
}

} // namespace
