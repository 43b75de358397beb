#include "qt_picture.h"

#include "frame.h"

#include <algorithm>
#include <cstring>

namespace drovane {

QtPicture::QtPicture(const Frame& frame) : bits_(Frame::kWidth, Frame::kHeight, QImage::Format_Mono) {
    bits_.setColor(0, qRgb(0, 0, 0));
    bits_.setColor(1, qRgb(255, 255, 255));
    bits_.fill(1); // also clears the row padding, which differenceFrom compares
    for (int y = 0; y < Frame::kHeight; ++y)
        for (int x = 0; x < Frame::kWidth; ++x)
            if (frame.isBlack(x, y))
                bits_.setPixel(x, y, 0);
    pixmap_ = QPixmap::fromImage(bits_.convertToFormat(QImage::Format_RGB32));
}

QRect QtPicture::differenceFrom(const QtPicture& other) const {
    if (other.bits_.size() != bits_.size())
        return bits_.rect();
    const auto rowBytes = static_cast<int>(bits_.bytesPerLine());
    int top = -1, bottom = -1, left = rowBytes, right = -1;
    for (int y = 0; y < bits_.height(); ++y) {
        const uchar* mine = bits_.constScanLine(y);
        const uchar* theirs = other.bits_.constScanLine(y);
        if (std::memcmp(mine, theirs, static_cast<std::size_t>(rowBytes)) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        for (int byte = 0; byte < rowBytes; ++byte)
            if (mine[byte] != theirs[byte]) {
                left = std::min(left, byte);
                right = std::max(right, byte);
            }
    }
    if (top < 0)
        return {};
    // Eight pixels a byte, clipped to the picture.
    return QRect(QPoint(left * 8, top), QPoint(std::min(right * 8 + 7, bits_.width() - 1), bottom));
}

} // namespace drovane
