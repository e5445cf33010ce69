#include "support/test_pictures.h"

#include <QBuffer>
#include <QImage>

QByteArray stillPicture(QSize size, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

namespace {

void word(QByteArray& out, int value)
{
    out.append(char(value & 0xff)).append(char((value >> 8) & 0xff));
}

// One frame of a single colour index, LZW-coded with 3-bit codes: a clear
// code before every two pixels keeps the code table from growing.
QByteArray frameData(int pixels, int colour)
{
    QByteArray packed;
    quint32 bits = 0;
    int count = 0;
    auto put = [&](int code) {
        bits |= quint32(code) << count;
        count += 3;
        while (count >= 8) {
            packed.append(char(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    };
    for (int i = 0; i < pixels; ++i) {
        if (i % 2 == 0)
            put(4); // clear
        put(colour);
    }
    put(5); // end of information
    if (count > 0)
        packed.append(char(bits & 0xff));

    QByteArray blocks(1, char(2)); // minimum code size
    for (int at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        blocks.append(char(block.size())).append(block);
    }
    return blocks.append(char(0));
}

} // namespace

QByteArray animatedGif(QSize size, int frames)
{
    QByteArray gif("GIF89a");
    word(gif, size.width());
    word(gif, size.height());
    gif.append(char(0x91)).append(char(0)).append(char(0)); // four global colours
    gif.append(QByteArray::fromHex("000000ff000000ff000000ff"));
    gif.append(QByteArray::fromHex("21ff0b") + "NETSCAPE2.0" + QByteArray::fromHex("030100" "0000"));
    for (int frame = 0; frame < frames; ++frame) {
        gif.append(QByteArray::fromHex("21f904000a000000")); // a tenth of a second
        gif.append(char(0x2c));
        word(gif, 0);
        word(gif, 0);
        word(gif, size.width());
        word(gif, size.height());
        gif.append(char(0));
        gif.append(frameData(size.width() * size.height(), 1 + frame % 3));
    }
    return gif.append(char(0x3b));
}
