#include "statusframe.h"

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

GlobalStatus decodeGlobal(const QVector<quint16> &w)
{
    GlobalStatus g;
    g.deviceValue = w[1];
    g.mode = w[5];
    g.flag = w[6] != 0;
    g.rows = w[7];
    g.columns = w[8] & 0xFF;
    g.layerOrder = w[9];
    return g;
}

// Word w of a window frame is the window's state value w - 1.
WindowStatus decodeWindow(const QVector<quint16> &w)
{
    QVector<int> values;
    values.reserve(w.size() - 1);
    for (int i = 1; i < w.size(); ++i)
        values.append(w.at(i));
    return decodeWindowState(values, StateRoad::Tcp);
}

} // namespace

namespace StatusFrame {

QByteArray bytesFromHexText(const QByteArray &hexText)
{
    QByteArray bytes;
    bytes.reserve(hexText.size() / 2);
    for (int i = 0; i + 1 < hexText.size(); i += 2) {
        const int high = hexDigit(hexText.at(i));
        const int low = hexDigit(hexText.at(i + 1));
        if (high < 0 || low < 0)
            continue;
        bytes.append(char(high * 16 + low));
    }
    return bytes;
}

QVector<quint16> wordsFromBytes(const QByteArray &bytes)
{
    QVector<quint16> words;
    words.reserve(bytes.size() / 2);
    for (int i = 0; i + 1 < bytes.size(); i += 2)
        words.append(quint16((quint8(bytes.at(i)) << 8) | quint8(bytes.at(i + 1))));
    return words;
}

} // namespace StatusFrame

QList<QByteArray> StatusFrameStream::feed(const QByteArray &bytes)
{
    static const QByteArray head("\xAA\xAA", 2);
    const auto wordAt = [this](int at) {
        return quint16((quint8(mBuffer.at(at)) << 8) | quint8(mBuffer.at(at + 1)));
    };
    QList<QByteArray> frames;
    mBuffer += bytes;
    int pos = 0;
    while (true) {
        pos = mBuffer.indexOf(head, pos);
        if (pos < 0) {
            // A last AA may be the first half of the next head.
            pos = mBuffer.endsWith(char(0xAA)) ? mBuffer.size() - 1 : mBuffer.size();
            break;
        }
        const int left = mBuffer.size() - pos;
        if (left < StatusFrame::GlobalFrameBytes)
            break;       // the rest of this frame is still on its way
        if (wordAt(pos + StatusFrame::GlobalFrameBytes - 2) == StatusFrame::Tail) {
            frames.append(mBuffer.mid(pos, StatusFrame::GlobalFrameBytes));
            pos += StatusFrame::GlobalFrameBytes;
            continue;
        }
        // Only a window frame can start here, and its next word names window
        // 1..4: a stray AA before a head reads as AA AA AA xx and starts none.
        const quint16 window = wordAt(pos + 2);
        if (window < 1 || window > 4) {
            ++pos;
            continue;
        }
        if (left < StatusFrame::WindowFrameBytes)
            break;
        const int end = pos + StatusFrame::WindowFrameBytes;
        // A frame broken off by the box and whole global frames after it can
        // end where a window frame would. Then the last of them starts on the
        // window frame's blue word, which would read 0xAAAA where colours are
        // 0..255: the head starts no frame, and the global frames are cut
        // from the bytes that follow it.
        const bool endsInGlobal = wordAt(end - StatusFrame::GlobalFrameBytes) == StatusFrame::Head;
        if (wordAt(end - 2) != StatusFrame::Tail || endsInGlobal) {
            ++pos;   // a head inside stray bytes, not the start of a frame
            continue;
        }
        frames.append(mBuffer.mid(pos, StatusFrame::WindowFrameBytes));
        pos = end;
    }
    mBuffer.remove(0, pos);
    return frames;
}

bool GlobalStatus::gridValid() const
{
    return rows >= 1 && rows <= StatusFrame::MaxGridCount
        && columns >= 1 && columns <= StatusFrame::MaxGridCount;
}

int GlobalStatus::layerOfWindow(int windowIndex) const
{
    // Nibble i names the window on layer 4 - i; a later nibble wins.
    for (int i = 3; i >= 0; --i) {
        const int v = (layerOrder >> (4 * i)) & 7;
        if (v % 2 == 0 && v / 2 == windowIndex)
            return 4 - i;
    }
    return 0;
}

StatusFrameRead parseStatusFrame(const QByteArray &hexText)
{
    StatusFrameRead read;
    const QVector<quint16> w = StatusFrame::wordsFromBytes(StatusFrame::bytesFromHexText(hexText));
    if (w.isEmpty() || w.first() != StatusFrame::Head || w.last() != StatusFrame::Tail)
        return read;
    if (w.size() == StatusFrame::GlobalWordCount) {
        read.kind = StatusFrameRead::Global;
        read.global = decodeGlobal(w);
    } else if (w.size() == StatusFrame::WindowWordCount) {
        if (w[1] < 1 || w[1] > 4)
            return read;
        read.kind = StatusFrameRead::Window;
        read.window = decodeWindow(w);
    }
    return read;
}
