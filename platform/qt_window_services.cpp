#include "qt_window_services.h"

#include "form_window.h"
#include "frame.h"
#include "picture_surface.h"
#include "qt_picture.h"

#include <QApplication>

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
    auto picture = std::make_unique<QtPicture>(frame);
    if (picture->isNull())
        fail("the window system could not make a picture");
    return picture;
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
