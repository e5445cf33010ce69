#pragma once

// Layout lengths have always been kept in twips (1/1440 inch); the screen
// is taken at 96 dots per inch, 15 twips to a pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }
