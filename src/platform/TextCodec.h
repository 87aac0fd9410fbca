#pragma once

#include <QByteArray>
#include <QString>

// Text of the wire and of stored files: bytes that are valid UTF-8 are read as
// UTF-8, any others as Windows-1252, so no byte is lost or turned into a question
// mark. Text is written as UTF-8.
bool isValidUtf8(const QByteArray& bytes);
QString decodeText(const QByteArray& bytes);
QByteArray encodeText(const QString& text);
