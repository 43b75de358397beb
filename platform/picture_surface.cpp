#include "picture_surface.h"

#include "qt_picture.h"
#include "user_scale.h"
#include "window_services.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

namespace drovane {
namespace {

std::int16_t buttonBits(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
                                     (buttons & Qt::MiddleButton ? 4 : 0));
}

std::int16_t shiftBits(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) |
                                     (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0));
}

} // namespace

PictureSurface::PictureSurface(WindowEvents& events, QWidget* parent) : QWidget(parent), events_(events) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Every pixel of the visible part is painted from the picture or the background.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureSurface::setPicture(const QtPicture& picture) {
    // Only what differs from the picture on screen needs painting again.
    const QRect changed = picture_ ? picture.differenceFrom(*picture_) : picture.pixmap().rect();
    picture_ = &picture;
    if (!changed.isEmpty())
        repaint(changed);
}

void PictureSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QRegion background(event->rect());
    if (picture_) {
        painter.drawPixmap(0, 0, picture_->pixmap());
        background -= picture_->pixmap().rect();
    }
    for (const QRect& uncovered : background)
        painter.fillRect(uncovered, palette().window());
}

void PictureSurface::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty() && event->key() == Qt::Key_Escape) {
        events_.Picture1_KeyPress(WindowEvents::kEscape);
        return;
    }
    // A key that types nothing (a modifier, an arrow) reports nothing.
    for (const QChar typed : text)
        events_.Picture1_KeyPress(static_cast<std::int16_t>(typed.unicode()));
}

void PictureSurface::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        clickPressed_ = true;
}

void PictureSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !clickPressed_)
        return;
    clickPressed_ = false;
    if (rect().contains(event->position().toPoint()))
        events_.Picture1_Click();
}

void PictureSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    // The first press and release of a double-click already gave a Click.
    if (event->button() != Qt::LeftButton)
        return;
    clickPressed_ = false;
    events_.Picture1_DblClick();
}

void PictureSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    events_.Picture1_MouseMove(buttonBits(event->buttons()), shiftBits(event->modifiers()),
                               UserScale::x(at.x(), width()), UserScale::y(at.y(), height()));
}

} // namespace drovane
