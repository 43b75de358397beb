#pragma once

#include <QWidget>

namespace drovane {

class QtPicture;
class WindowEvents;

// The display surface: shows the picture last given to it, unscaled at its
// top-left, holds the keyboard focus and reports typed characters, clicks,
// double-clicks and pointer movement in its user scale.
class PictureSurface : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 768;

    PictureSurface(WindowEvents& events, QWidget* parent);

    // Shares the picture; it is on the screen before this returns.
    void setPicture(const QtPicture& picture);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    WindowEvents& events_;
    const QtPicture* picture_ = nullptr;
    bool clickPressed_ = false; // the primary button went down here and a click may follow
};

} // namespace drovane
