#pragma once

#include <QString>

// Small text and length routines shared by the windows.

// Cleans a typed name: trims, drops leading characters that are not letters
// (A-Z and the accented capitals of Western European languages), removes
// " & < >, capitalises the first letter and collapses double blanks.
QString FormataNome(const QString &text);

// The folder part of a path, with its trailing "/"; a path without "/" is returned unchanged.
QString PastaDoArquivo(const QString &path);

// Text made safe for an HTML page or attribute (single or double quoted).
QString EscapaHtml(const QString &text);

// Twips (1/1440 inch) and Qt logical pixels: 15 twips make one pixel.
inline constexpr int TwipsPorPixel = 15;
constexpr int TwipsParaPixels(double twips)
{
    return static_cast<int>(twips) / TwipsPorPixel;
}

// A length in twips reduced to a whole number of pixels (still in twips).
double AjustaPixelX(double twips);
double AjustaPixelY(double twips);
