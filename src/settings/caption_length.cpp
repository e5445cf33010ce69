#include "settings/caption_length.h"

QString cutToCaption(const QString& text)
{
    if (text.size() <= kLongestCaption)
        return text;
    const bool splitsPair = text[kLongestCaption - 1].isHighSurrogate();
    return text.left(splitsPair ? kLongestCaption - 1 : kLongestCaption);
}
