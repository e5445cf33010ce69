#pragma once
#include <QPixmap>
#include <QList>

// The digital display's glyph store: 29 glyphs for each of the four colour
// sets (0 green, 1 red, 2 yellow, 3 cyan), drawn as seven-segment figures on
// black. Glyph k of colour set c is digitGlyphs()[c * 29 + k].
constexpr int GlyphsPerSet = 29;
constexpr int GlyphBlank = 23;

const QList<QPixmap>& digitGlyphs();
QPixmap digitGlyph(int colorSet, int glyph);
