#pragma once
#include <QPointer>
#include <vector>

class Form5;

// The program's open picture windows and their limit.
struct PictureWindows {
    // Made anew with slots 0 to PicIndex before each window opens; the
    // newest window sits in slot PicIndex. The list owns no window.
    std::vector<QPointer<Form5>> PicWindows;
    int PicIndex = 0;
    int PicCount = 0; // windows open now
    int MaxPics = 9;  // a window opens only while PicCount <= MaxPics
};
