#pragma once

#include <QWidget>

namespace drovane {

class PictureSurface;
class WindowEvents;

// The main window: fixed size, a caption and a title bar without buttons,
// the picture surface along its top.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 253;
    static constexpr int kClientHeight = 282;
    static inline const char* const kCaption = "Drovane  SpaceBar+-/*mouse,. ESC";

    explicit FormWindow(WindowEvents& events);

    PictureSurface& picture1() { return *picture1_; }

    // Shows the window and asks for it to become active.
    void showAndActivate();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void activateOnce();

    WindowEvents& events_;
    PictureSurface* picture1_;
    bool activated_ = false;
};

} // namespace drovane
