#include "scripted_window.h"

#include "frame.h"
#include "frame_bitmap.h"
#include "frame_set.h"

#include <stdexcept>

namespace drovane {
namespace {

struct ScriptedPicture : Picture {
    explicit ScriptedPicture(int holder) : holder(holder) {}
    int holder;
};

int holderShowing(const Frame& frame) {
    static const std::vector<Frame> frames = [] {
        std::vector<Frame> decoded;
        for (int holder = 1; holder <= frame_set::kHolderCount; ++holder)
            decoded.push_back(decodeFrame(frame_set::holderBitmap(holder)));
        return decoded;
    }();
    for (std::size_t i = 0; i < frames.size(); ++i)
        if (frames[i] == frame)
            return static_cast<int>(i) + 1;
    throw std::logic_error("a picture was made from a frame that no holder has");
}

} // namespace

void ScriptedWindow::activate(Form1& form, int lastPass) {
    form_ = &form;
    lastPass_ = lastPass;
    form.Form_Activate();
}

std::unique_ptr<Picture> ScriptedWindow::makePicture(const Frame& frame) {
    return std::make_unique<ScriptedPicture>(holderShowing(frame));
}

void ScriptedWindow::showPicture(const Picture& picture) {
    const int holder = dynamic_cast<const ScriptedPicture&>(picture).holder;
    shown.push_back(holder);
    log.push_back("show " + std::to_string(holder));
}

void ScriptedWindow::processEvents() {
    ++passes;
    log.push_back("pass " + std::to_string(passes));
    if (const auto input = script_.find(passes); input != script_.end())
        input->second(*form_);
    if (passes >= lastPass_)
        throw ScriptFinished{};
}

void ScriptedWindow::end() {
    log.push_back("end");
    throw ProgramEnded{};
}

void ScriptedWindow::fail(const std::string& what) {
    log.push_back("fail");
    throw ProgramFailed{what};
}

void ScriptedWindow::count(std::int64_t counts) { log.push_back("count " + std::to_string(counts)); }

} // namespace drovane
