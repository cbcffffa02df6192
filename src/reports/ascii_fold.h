#pragma once
#include <QString>

// Text for places that take plain ASCII only (an .adi file, most ADIF
// fields): accents dropped (É -> E, Ç -> C), ligatures spelt out (Œ -> OE,
// Æ -> AE, ß -> SS), typographic quotes and dashes made plain, control
// characters made blanks, and what has no ASCII form left as '?'. Every
// character of the result lies between 32 and 126.
QString foldToAscii(const QString& text);
bool isPrintableAscii(QStringView text);
