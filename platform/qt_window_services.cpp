#include "qt_window_services.h"

#include "form_window.h"
#include "frame.h"
#include "picture_surface.h"
#include "qt_picture.h"

#include <QApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>

namespace drovane {

QtWindowServices::QtWindowServices() = default;
QtWindowServices::~QtWindowServices() = default;

void QtWindowServices::show(WindowEvents& events) {
    window_ = std::make_unique<FormWindow>(events);
    window_->showAndActivate();
}

std::unique_ptr<Picture> QtWindowServices::makePicture(const Frame& frame) {
    QImage image(Frame::kWidth, Frame::kHeight, QImage::Format_Mono);
    image.setColor(0, qRgb(0, 0, 0));
    image.setColor(1, qRgb(255, 255, 255));
    for (int y = 0; y < Frame::kHeight; ++y)
        for (int x = 0; x < Frame::kWidth; ++x)
            image.setPixel(x, y, frame.isBlack(x, y) ? 0 : 1);
    // Converted once to the screen's format, so showing it is a plain copy.
    QPixmap pixmap = QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
    if (pixmap.isNull())
        fail("the window system could not make a picture");
    return std::make_unique<QtPicture>(std::move(pixmap));
}

void QtWindowServices::showPicture(const Picture& picture) {
    const auto* qtPicture = dynamic_cast<const QtPicture*>(&picture);
    if (!qtPicture || !window_)
        fail("a picture was shown that this window system did not make");
    window_->picture1().setPicture(*qtPicture);
}

void QtWindowServices::processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtWindowServices::clear() {
    if (window_)
        window_->repaint();
}

void QtWindowServices::end() {
    std::fflush(nullptr);
    // At once: no destructor, handler or pending event runs after this; the
    // window system removes the window with the connection.
    std::_Exit(EXIT_SUCCESS);
}

void QtWindowServices::fail(const std::string& what) {
    std::fprintf(stderr, "drovane: %s\n", what.c_str());
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace drovane
