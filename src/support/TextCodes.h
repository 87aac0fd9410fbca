#pragma once

#include <QString>

// IRC control characters.
inline const QString Chr1 = QString(QChar(1));   // CTCP delimiter
inline const QString Chr2 = QString(QChar(2));   // bold
inline const QString Chr3 = QString(QChar(3));   // colour, followed by its number
inline const QString Chr15 = QString(QChar(15)); // plain, read like bold
inline const QString Chr22 = QString(QChar(22)); // reverse
inline const QString Chr31 = QString(QChar(31)); // underline
inline const QString CrLf = QStringLiteral("\r\n");

// The pieces a coloured line is composed of. A colour's number is spelt as the
// line has it ("4" and "04" are the same colour, yet other bytes on the wire);
// a lone Chr3 ends the colour, a lone Chr2 makes the rest of the line bold.
inline QString Colour(const char* number) {
    return Chr3 + QLatin1String(number);
}
inline QString Colour(int number) {
    return Chr3 + QString::number(number);
}
inline QString Bold(const QString& text) {
    return Chr2 + text + Chr2;
}
inline QString Underline(const QString& text) {
    return Chr31 + text + Chr31;
}
