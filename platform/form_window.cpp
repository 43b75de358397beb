#include "form_window.h"

#include "picture_surface.h"
#include "window_services.h"

#include <QCloseEvent>
#include <QTimer>

namespace drovane {

FormWindow::FormWindow(WindowEvents& events)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      events_(events),
      picture1_(new PictureSurface(events, this)) {
    setWindowTitle(kCaption);
    setFixedSize(kClientWidth, kClientHeight);
    picture1_->setGeometry(0, 0, kClientWidth, PictureSurface::kHeight);
    picture1_->setFocus();
}

void FormWindow::showAndActivate() {
    show();
    activateWindow();
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activated_) {
        activated_ = true;
        // The handler runs for the rest of the program's life: start it from
        // the event loop rather than from inside this notification.
        QTimer::singleShot(0, this, [this] { events_.Form_Activate(); });
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    events_.Form_Close();
}

} // namespace drovane
