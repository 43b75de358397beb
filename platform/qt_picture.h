#pragma once

#include "window_services.h"

#include <QImage>
#include <QPixmap>
#include <QRect>

namespace drovane {

class Frame;

// A frame held as a pixmap in the screen's format, converted once, with its
// one-bit image kept to find what changes between two pictures cheaply.
class QtPicture : public Picture {
public:
    explicit QtPicture(const Frame& frame);

    const QPixmap& pixmap() const { return pixmap_; }
    bool isNull() const { return pixmap_.isNull(); }

    // The smallest rectangle outside which this picture and `other` agree;
    // empty when they are the same.
    QRect differenceFrom(const QtPicture& other) const;

private:
    QImage bits_;
    QPixmap pixmap_;
};

} // namespace drovane
