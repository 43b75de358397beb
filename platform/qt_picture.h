#pragma once

#include "window_services.h"

#include <QPixmap>

namespace drovane {

// A frame held as a pixmap in the screen's format, converted once.
class QtPicture : public Picture {
public:
    explicit QtPicture(QPixmap pixmap) : pixmap_(std::move(pixmap)) {}
    const QPixmap& pixmap() const { return pixmap_; }

private:
    QPixmap pixmap_;
};

} // namespace drovane
