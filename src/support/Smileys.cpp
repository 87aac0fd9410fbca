#include "support/Smileys.h"

#include "platform/RichTextBox.h"
#include "support/Pictures.h"
#include "support/SmileyPictures.h"

#include <QTextDocument>
#include <algorithm>
#include <array>
#include <bitset>
#include <optional>
#include <utility>

namespace {

struct SmileyCode {
    int index;
    const char16_t* code;
};

// In index order: a lower index is tried first, so ":))" wins over ":)".
constexpr SmileyCode kCodes[] = {
    {0, u":))"},   {1, u":(("},     {2, u";)"},    {3, u":D"},   {4, u";;)"},   {5, u":-/"},
    {6, u":X"},    {7, u":\">"},    {8, u":P"},    {9, u":*"},   {10, u":O"},   {11, u"X-("},
    {12, u":>"},   {13, u"B-)"},    {14, u":-S"},  {15, u">:)"}, {16, u"ps2"},  {18, u":|"},
    {19, u"/:-)"}, {20, u":-B"},    {21, u"O:-)"}, {22, u"=;"},  {23, u"I-)"},  {24, u"8-|"},
    {25, u":-&"},  {26, u":-$"},    {27, u"[-("},  {28, u":o)"}, {29, u"8-}"},  {30, u"(:|"},
    {31, u"=p~"},  {32, u":-?"},    {33, u"#-o"},  {34, u"=D>"}, {35, u":@)"},  {36, u"3:-O"},
    {37, u":(|)"}, {38, u"~:>"},    {39, u"@};-"}, {40, u"%%-"}, {42, u"(~~)"}, {43, u"~o)"},
    {44, u"-:)"},  {45, u"8-x"},    {46, u">-)"},  {47, u":-L"}, {48, u"<):)"}, {49, u"[-o<"},
    {50, u"@-)"},  {51, u"$-)"},    {52, u":-\""}, {53, u":^o"}, {54, u"B-("},  {55, u":)>-"},
    {56, u"[-x"},  {57, u"\\:D/"},  {58, u">:D<"}, {59, u"o->"}, {60, u"o=>"},  {61, u"o-+"},
    {62, u"(%)"},  {64, u"(beer)"}, {65, u"=))"},  {66, u"L-)"}, {67, u":-SS"}, {68, u"<:-P"},
    {69, u">:/"},  {70, u";))"},    {71, u":-w"},  {72, u":-<"}, {73, u">:P"},  {74, u"(*)"},
    {75, u"#:-S"}, {76, u":V)"},    {77, u"=(("},  {78, u":-@"}, {79, u":-j"},  {80, u"^:)^"},
    {81, u"(c)"},  {82, u"(b)"},    {83, u"brb"},  {86, u":)"},  {87, u":("},   {88, u"(?)"},
    {89, u"(K)"},
};
constexpr int kCodeCount = int(std::size(kCodes));
constexpr int kLongestCode = 6;
constexpr int kIndexWithoutToolTip = 83;

// Characters scanned and looked at while weighing candidates, since the start.
qint64 work = 0;

// Which codes a stretch of text holds at some position, as ordinals into kCodes.
using CodeSet = std::bitset<kCodeCount>;

// Looks codes up by their first two characters (all codes are ASCII and at least
// two long): most text holds no such pair, so it is passed over at one table
// look-up per character.
class CodeMatcher {
public:
    static const CodeMatcher& instance() {
        static const CodeMatcher matcher;
        return matcher;
    }

    // Calls found(ordinal, length) for each code starting at text[at], lowest first.
    template <typename Found> void matchesAt(QStringView text, qsizetype at, Found&& found) const {
        if (at + 1 >= text.size())
            return;
        const int slot = m_slotOfPair[pairKey(text[at], text[at + 1])];
        if (slot == 0)
            return;
        for (const int ordinal : m_candidates[slot])
            if (text.sliced(at).startsWith(m_codes[ordinal]))
                found(ordinal, int(m_codes[ordinal].size()));
    }

    // The codes text begins with.
    CodeSet leadingCodes(QStringView text) const {
        CodeSet codes;
        matchesAt(text, 0, [&codes](int ordinal, int) { codes.set(ordinal); });
        return codes;
    }

    bool inAnyCode(QStringView text) const {
        return std::any_of(text.begin(), text.end(), [this](QChar c) { return has(m_inCodes, c); });
    }
    // Whether a code could hold c after its first character: only then can a
    // code run from before c into it.
    bool continuesCodes(QChar c) const { return has(m_afterFirst, c); }
    // Whether a code could hold c before its last character.
    bool leadsIntoCodes(QChar c) const { return has(m_beforeLast, c); }

private:
    static constexpr int kAsciiRange = 128;
    using CharacterSet = std::bitset<kAsciiRange>;

    static int pairKey(QChar first, QChar second) {
        const char16_t a = first.unicode();
        const char16_t b = second.unicode();
        return a < kAsciiRange && b < kAsciiRange ? a * kAsciiRange + b : 0; // pair 0 holds no code
    }

    static bool has(const CharacterSet& set, QChar c) {
        return c.unicode() < kAsciiRange && set.test(c.unicode());
    }

    CodeMatcher() {
        m_candidates.emplace_back(); // slot 0: no code
        for (int ordinal = 0; ordinal < kCodeCount; ++ordinal) {
            const QString code = QString::fromUtf16(kCodes[ordinal].code);
            m_codes.push_back(code);
            addToPairSlot(code, ordinal);
            for (qsizetype k = 0; k < code.size(); ++k) {
                m_inCodes.set(code[k].unicode());
                m_afterFirst.set(code[k].unicode(), m_afterFirst.test(code[k].unicode()) || k > 0);
                m_beforeLast.set(code[k].unicode(),
                                 m_beforeLast.test(code[k].unicode()) || k + 1 < code.size());
            }
        }
    }

    void addToPairSlot(const QString& code, int ordinal) {
        quint8& slot = m_slotOfPair[pairKey(code[0], code[1])];
        if (slot == 0) {
            slot = quint8(m_candidates.size());
            m_candidates.emplace_back();
        }
        m_candidates[slot].push_back(ordinal);
    }

    std::vector<QString> m_codes;
    std::array<quint8, kAsciiRange * kAsciiRange> m_slotOfPair{};
    std::vector<std::vector<int>> m_candidates;
    CharacterSet m_inCodes;
    CharacterSet m_afterFirst;
    CharacterSet m_beforeLast;
};

// A code in the document: which one, and where.
struct Occurrence {
    int ordinal;
    int position;
    int length;

    int end() const { return position + length; }
    bool overlaps(const Occurrence& other) const { return position < other.end() && other.position < end(); }
};

// Every code occurrence in text, which starts at document position offset.
std::vector<Occurrence> occurrencesIn(QStringView text, int offset) {
    std::vector<Occurrence> found;
    const CodeMatcher& matcher = CodeMatcher::instance();
    for (qsizetype at = 0; at + 1 < text.size(); ++at)
        matcher.matchesAt(text, at, [&](int ordinal, int length) {
            found.push_back({ordinal, offset + int(at), length});
        });
    return found;
}

// Document positions of a stretch that replacements have taken: a candidate is
// cut by an earlier choice when any of its characters is taken, which costs
// the length of the code to tell, however many codes were chosen before it.
class TakenPositions {
public:
    TakenPositions(int start, int length) : m_start(start), m_taken(std::size_t(std::max(length, 0))) {}

    bool anyTaken(const Occurrence& code) const {
        work += code.length;
        for (int at = code.position; at < code.end(); ++at)
            if (m_taken[std::size_t(at - m_start)])
                return true;
        return false;
    }
    void take(const Occurrence& code) {
        for (int at = code.position; at < code.end(); ++at)
            m_taken[std::size_t(at - m_start)] = true;
    }

private:
    int m_start;
    std::vector<bool> m_taken;
};

// The replacements a whole-text scan makes, in its order: the lowest code first,
// at its first occurrence. A picture never forms a code with its neighbours, so
// the scan after a replacement finds the same occurrences minus those the
// replacement cut through. A replacement near the start may uncover codes that
// were kept as text because they began the text, so the choice stops there and
// the caller scans afresh. The occurrences lie in [start, start + length).
std::vector<Occurrence> replacementsInScanOrder(std::vector<Occurrence> found, int start, int length) {
    std::sort(found.begin(), found.end(), [](const Occurrence& a, const Occurrence& b) {
        return a.ordinal != b.ordinal ? a.ordinal < b.ordinal : a.position < b.position;
    });
    TakenPositions taken(start, length);
    std::vector<Occurrence> chosen;
    for (const Occurrence& candidate : found) {
        if (taken.anyTaken(candidate))
            continue;
        taken.take(candidate);
        chosen.push_back(candidate);
        if (candidate.position < kLongestCode)
            break;
    }
    return chosen;
}

// A stretch of document positions, [start, end).
struct Stretch {
    int start;
    int end;

    // Follows a change of the document: removed characters at position replaced
    // by added ones; the stretch grows to hold what was added.
    void absorb(int position, int removed, int added) {
        if (end >= position + removed)
            end += added - removed; // ends after the change: shifts with it
        else
            end = std::min(end, position); // its tail was removed
        end = std::max(end, position + added);
        start = std::min(start, position);
    }
};

// The first characters of each box as last seen, so that a change at the start
// can tell which codes stopped beginning the text.
constexpr char kLeadingTextProperty[] = "korvuSmileyLeadingText";

// Text of the document and where it starts.
struct Window {
    int start;
    QString text;
};

// Replaces the codes a change may have formed, with the result of the whole-text
// scan. Outside the changed stretch every code was replaced already, except
// codes the text begins with (never replaced, and nor are their other copies):
// so the changed stretch and what a code crossing its edges could take suffice,
// unless a code stops beginning the text, which frees its copies anywhere.
class CodeReplacement {
public:
    CodeReplacement(RichTextBox& rtb, int position, int added)
        : m_rtb(rtb), m_document(*rtb.document()), m_changed{std::max(position, 0),
                                                             std::max(position, 0) + std::max(added, 0)},
          m_touchesStart(m_changed.start < kLongestCode) {}

    void run() {
        if (m_touchesStart)
            noteLeadingCodes(CodeMatcher::instance().leadingCodes(rememberedLeadingText()));
        while (replaceNextCodes()) {
        }
        if (m_touchesStart)
            m_rtb.setProperty(kLeadingTextProperty, leadingText());
    }

private:
    // One round of replacements; false once nothing is left to replace.
    bool replaceNextCodes() {
        const Window window = readWindow();
        work += window.text.size();
        std::vector<Occurrence> found = occurrencesIn(window.text, window.start);
        if (found.empty())
            return false;
        const CodeSet leading = leadingCodes();
        std::erase_if(found, [&leading](const Occurrence& o) { return leading.test(o.ordinal); });
        const std::vector<Occurrence> chosen =
            replacementsInScanOrder(std::move(found), window.start, int(window.text.size()));
        if (chosen.empty())
            return false;
        const int lengthBefore = m_rtb.textLength();
        const bool asPictures = replaceLeftToRight(chosen);
        const bool shortened = m_rtb.textLength() < lengthBefore; // anything else might never end
        if (chosen.back().position >= kLongestCode)
            return shortened && !asPictures; // a picture that did not go in joined its neighbours
        m_touchesStart = true;
        noteLeadingCodes(leading);
        return shortened; // the choice stopped early
    }

    // The changed stretch, and around it what a code crossing one of its edges
    // could take. Such a code holds the characters on both sides of the edge,
    // and most runs of text hold or meet characters no code has (a space, a
    // line break): that spares reading around them, or reading on at all.
    Window readWindow() const {
        if (m_wholeText)
            return {0, m_rtb.textRange(0, m_rtb.textLength())};
        const QString changed = m_rtb.textRange(m_changed.start, m_changed.end - m_changed.start);
        const CodeMatcher& codes = CodeMatcher::instance();
        if (!changed.isEmpty() && !codes.inAnyCode(changed))
            return {m_changed.start, QString()};
        Window window{m_changed.start, changed};
        if ((changed.isEmpty() || codes.continuesCodes(changed.front())) && m_changed.start > 0 &&
            codes.leadsIntoCodes(m_document.characterAt(m_changed.start - 1))) {
            window.start = std::max(0, m_changed.start - (kLongestCode - 1));
            window.text.prepend(m_rtb.textRange(window.start, m_changed.start - window.start));
        }
        if ((changed.isEmpty() || codes.leadsIntoCodes(changed.back())) &&
            codes.continuesCodes(m_document.characterAt(m_changed.end))) // the last separator is none
            window.text += m_rtb.textRange(m_changed.end, kLongestCode - 1);
        return window;
    }

    // Left to right, each code's place moved by what the ones before it left:
    // the pictures then follow one another in the document's storage, where
    // neighbouring pictures join into one piece, so that a line of thousands of
    // codes stays a few pieces and each replacement costs the same. True when
    // every code became one picture character.
    bool replaceLeftToRight(std::vector<Occurrence> chosen) {
        std::sort(chosen.begin(), chosen.end(),
                  [](const Occurrence& a, const Occurrence& b) { return a.position < b.position; });
        bool asPictures = true;
        int moved = 0;
        for (Occurrence code : chosen) {
            code.position += moved;
            const int inserted = replace(code);
            moved += inserted - code.length;
            asPictures = asPictures && inserted == 1;
        }
        return asPictures;
    }

    // The number of characters that took the code's place.
    int replace(const Occurrence& code) {
        const int lengthBefore = m_rtb.textLength();
        m_rtb.setSelStart(code.position);
        m_rtb.setSelLength(code.length);
        InsertPicture(SmileyTable()[code.ordinal].picture, m_rtb);
        const int inserted = m_rtb.textLength() - lengthBefore + code.length;
        m_changed.absorb(code.position, code.length, inserted);
        m_leading.reset();
        return inserted;
    }

    // Codes that stopped beginning the text may have copies anywhere.
    void noteLeadingCodes(const CodeSet& before) {
        if ((before & ~leadingCodes()).any())
            m_wholeText = true;
    }

    CodeSet leadingCodes() {
        if (!m_leading)
            m_leading = CodeMatcher::instance().leadingCodes(leadingText());
        return *m_leading;
    }

    QString leadingText() const { return m_rtb.textRange(0, kLongestCode); }
    QString rememberedLeadingText() const { return m_rtb.property(kLeadingTextProperty).toString(); }

    RichTextBox& m_rtb;
    const QTextDocument& m_document;
    Stretch m_changed;
    bool m_touchesStart;
    bool m_wholeText = false;
    std::optional<CodeSet> m_leading;
};

// Boxes whose codes are being replaced: our own edits report changes too.
std::vector<const RichTextBox*> busyBoxes;

class BusyBox {
public:
    explicit BusyBox(const RichTextBox& rtb) : m_rtb(&rtb) { busyBoxes.push_back(m_rtb); }
    ~BusyBox() { std::erase(busyBoxes, m_rtb); }
    BusyBox(const BusyBox&) = delete;
    BusyBox& operator=(const BusyBox&) = delete;

    static bool isBusy(const RichTextBox& rtb) {
        return std::find(busyBoxes.begin(), busyBoxes.end(), &rtb) != busyBoxes.end();
    }

private:
    const RichTextBox* m_rtb;
};

Smiley smileyOf(const SmileyCode& entry) {
    const QString code = QString::fromUtf16(entry.code);
    return {entry.index, code, smileyPicture(entry.index),
            entry.index == kIndexWithoutToolTip ? QString() : code};
}

} // namespace

const std::vector<Smiley>& SmileyTable() {
    static const std::vector<Smiley> table = [] {
        std::vector<Smiley> smileys;
        for (const SmileyCode& entry : kCodes)
            smileys.push_back(smileyOf(entry));
        return smileys;
    }();
    return table;
}

qint64 smileyReplacementWork() {
    return work;
}

// Our own replacements need no second look: the pass that makes them accounts
// for them.
// The pictures of one change are laid out together, once they are all in.
void replaceSmileyCodes(RichTextBox& rtb, int position, int added) {
    if (BusyBox::isBusy(rtb))
        return;
    BusyBox busy(rtb);
    RichTextBox::Batch batch;
    CodeReplacement(rtb, position, added).run();
}
