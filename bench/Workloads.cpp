#include "Workloads.h"

#include <algorithm>

namespace {

constexpr int kMaxLineBytes = 510; // without CR LF

QByteArray number(int n) {
    return QByteArray::number(n);
}

int scaled(int count, double scale) {
    return std::max(10, static_cast<int>(count * scale));
}

// Members with the rank prefixes a real room mixes.
std::vector<QByteArray> members(const QByteArray& stem, int count) {
    static const char* prefixes[] = {"@", "%", "+", "", "", "", ""};
    std::vector<QByteArray> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        names.push_back(prefixes[k % 7] + stem + number(k));
    return names;
}

// The k-th spelling of one nick: bit j of k capitalises letter j.
QByteArray caseVariant(int k) {
    QByteArray nick = "casevariantnick";
    for (int j = 0; j < nick.size(); ++j)
        if (k & (1 << j))
            nick[j] = static_cast<char>(nick[j] - 'a' + 'A');
    return nick;
}

std::vector<QByteArray> caseVariants(int count) {
    std::vector<QByteArray> names;
    for (int k = 0; k < std::min(count, 1 << 15); ++k)
        names.push_back(caseVariant(k));
    return names;
}

QByteArray bare(const QByteArray& name) {
    qsizetype at = 0;
    while (at < name.size() && QByteArray("@%+~&").contains(name[at]))
        ++at;
    return name.mid(at);
}

// Each member leaves in turn, by PART or by QUIT.
std::vector<QByteArray> leaving(const std::vector<QByteArray>& names) {
    std::vector<QByteArray> lines;
    lines.reserve(names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        const QByteArray nick = bare(names[k]);
        lines.push_back(k % 2 ? ":" + nick + "!u@host QUIT :gone"
                              : ":" + nick + "!u@host PART " + kBenchRoom + " :bye");
    }
    return lines;
}

// Visitors join, change nick and leave; members of the room quit and come back,
// so the room keeps its size. Every line shows in the pane.
std::vector<QByteArray> comingAndGoing(int count, int roomSize) {
    std::vector<QByteArray> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int b = 0; static_cast<int>(lines.size()) < count; ++b) {
        const QByteArray visitor = "visitor" + number(b);
        const QByteArray renamed = "renamed" + number(b);
        const QByteArray member = "member" + number((b / 2) % roomSize);
        lines.push_back(":" + visitor + "!v@host JOIN :" + kBenchRoom);
        lines.push_back(":" + visitor + "!v@host NICK :" + renamed);
        lines.push_back(b % 2 ? ":" + renamed + "!v@host QUIT :gone"
                              : ":" + renamed + "!v@host PART " + kBenchRoom + " :bye");
        lines.push_back(b % 2 ? ":" + member + "!m@host JOIN :" + kBenchRoom
                              : ":" + member + "!m@host QUIT :back soon");
    }
    lines.resize(static_cast<std::size_t>(count));
    return lines;
}

std::vector<QByteArray> roomText(int count) {
    static const char* texts[] = {
        "hello everyone, how are you today? :) see http://www.example.com/page?id=7",
        "\x03"
        "4red \x03"
        "12blue \x02"
        "bold\x02 and \x1funder\x1f text :D",
        "nothing special here, just a line of chat of ordinary length, www.example.org",
        "\x03"
        "7,1orange on black\x03 with a wink ;) and a grin :))",
    };
    std::vector<QByteArray> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        lines.push_back(":user" + number(k % 500) + "!u@host PRIVMSG " + kBenchRoom + " :" + texts[k % 4]);
    return lines;
}

Workload names(double scale) {
    return {"names",
            "names reply, 20,000 members in 353 lines",
            {},
            {},
            namesReply(members("member", scaled(20000, scale)))};
}

Workload comingAndGoing(double scale) {
    return {"members",
            "50,000 JOIN/PART/NICK/QUIT, room of 1,000",
            namesReply(members("member", 1000)),
            {},
            comingAndGoing(scaled(50000, scale), 1000)};
}

Workload roomText(double scale) {
    return {"text", "100,000 room messages", {}, {}, roomText(scaled(100000, scale))};
}

Workload caseVariants(double scale) {
    const std::vector<QByteArray> names = caseVariants(scaled(20000, scale));
    return {"variants", "20,000 case variants join, then leave", {}, namesReply(names), leaving(names)};
}

Workload bigRoomLeaving(double scale) {
    const std::vector<QByteArray> names = members("member", scaled(50000, scale));
    return {"leaving", "50,000 members arrive, then leave", {}, namesReply(names), leaving(names)};
}

// The room the nick-list pop-up asks about; the look-ups themselves are timed
// by the benchmark's client, not sent.
Workload lookups(double scale) {
    std::vector<QByteArray> names = members("member", scaled(20000, scale));
    const std::vector<QByteArray> variants = caseVariants(scaled(20000, scale));
    names.insert(names.end(), variants.begin(), variants.end());
    return {"lookups", "pop-up look-ups, 20,000 members + 20,000 variants", namesReply(names), {}, {}};
}

using Maker = Workload (*)(double);

const std::vector<std::pair<QString, Maker>>& makers() {
    static const std::vector<std::pair<QString, Maker>> table{
        {"names", names},           {"members", comingAndGoing}, {"text", roomText},
        {"variants", caseVariants}, {"leaving", bigRoomLeaving}, {"lookups", lookups},
    };
    return table;
}

} // namespace

std::vector<QByteArray> namesReply(const std::vector<QByteArray>& names) {
    const QByteArray head = ":irc.bench 353 " + kBenchNick + " = " + kBenchRoom + " :";
    std::vector<QByteArray> lines;
    QByteArray line = head;
    for (const QByteArray& name : names) {
        if (line.size() > head.size() && line.size() + 1 + name.size() > kMaxLineBytes) {
            lines.push_back(line);
            line = head;
        }
        if (line.size() > head.size())
            line += ' ';
        line += name;
    }
    if (line.size() > head.size())
        lines.push_back(line);
    lines.push_back(":irc.bench 366 " + kBenchNick + " " + kBenchRoom + " :End of NAMES list");
    return lines;
}

QStringList workloadNames() {
    QStringList names;
    for (const auto& [name, maker] : makers())
        names << name;
    return names;
}

Workload makeWorkload(const QString& name, double scale) {
    for (const auto& [known, maker] : makers())
        if (known == name)
            return maker(scale);
    return {};
}
