// Draws the smiley pictures into a resources folder: smileys/NN.png for each
// index that has one, and smileys.qrc listing them for the program to compile
// in. scripts/make-smiley-pictures runs it.
//
//   korvu-smiley-pictures resources-folder
#include "SmileyDrawing.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

QString pictureName(int index) {
    return QStringLiteral("smileys/%1.png").arg(index, 2, 10, QLatin1Char('0'));
}

bool writeList(const QDir& resources, const std::vector<int>& indices) {
    QFile list(resources.filePath(QStringLiteral("smileys.qrc")));
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&list);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n"
        << "    <!-- Drawn by scripts/make-smiley-pictures. -->\n"
        << "    <qresource prefix=\"/\">\n";
    for (const int index : indices)
        out << "        <file>" << pictureName(index) << "</file>\n";
    out << "    </qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvu-smiley-pictures resources-folder\n");
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    if (!resources.mkpath(QStringLiteral("smileys"))) {
        std::fprintf(stderr, "cannot make %s/smileys\n", argv[1]);
        return 1;
    }
    const std::vector<int> indices = drawnSmileyIndices();
    for (const int index : indices) {
        const QString path = resources.filePath(pictureName(index));
        if (!drawSmileyPicture(index).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (!writeList(resources, indices)) {
        std::fprintf(stderr, "cannot write %s/smileys.qrc\n", argv[1]);
        return 1;
    }
    std::printf("wrote %zu pictures and smileys.qrc into %s\n", indices.size(), argv[1]);
    return 0;
}
