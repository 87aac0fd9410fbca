// RTF fragments of any content: the reader alone, then into a rich text box with
// the metafile decoder behind it.
#include "platform/Metafile.h"
#include "platform/RichTextBox.h"
#include "platform/RtfReader.h"

#include <QApplication>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    static RichTextBox* box = new RichTextBox;
    (void)app;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = QString::fromLatin1(bytes);
    for (const RtfPiece& piece : readRtf(text))
        if (piece.picture)
            (void)bytesFromHex(piece.picture->hex);
    (void)readBitmapMetafile(bytes);
    box->setText(QString());
    box->setSelRTF(text);
    box->setSelRTF(QStringLiteral("{\\rtf1\\ansi{\\pict\\picwgoal240\\pichgoal240\\wmetafile8 ") +
                   QString::fromLatin1(bytes.toHex()) + QStringLiteral("}}"));
    return 0;
}
