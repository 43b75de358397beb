#pragma once

#include "window_services.h"

#include <memory>

namespace drovane {

class FormWindow;

// The window services on Qt Widgets. Needs a QApplication.
class QtWindowServices : public WindowServices {
public:
    QtWindowServices();
    ~QtWindowServices() override;

    // Creates the main window for `events` and shows it.
    void show(WindowEvents& events);
    FormWindow* window() { return window_.get(); }

    std::unique_ptr<Picture> makePicture(const Frame& frame) override;
    void showPicture(const Picture& picture) override;
    void processEvents() override;
    void clear() override;
    [[noreturn]] void end() override;
    [[noreturn]] void fail(const std::string& what) override;

private:
    std::unique_ptr<FormWindow> window_;
};

} // namespace drovane
