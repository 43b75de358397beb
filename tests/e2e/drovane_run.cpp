#include "drovane_run.h"

#include "x_session.h"

#include "frame_bitmap.h"
#include "frame_set.h"

#include <stdexcept>
#include <thread>
#include <unordered_map>

namespace drovane::e2e {
namespace {

constexpr Millis kSamplePeriod{2};

// The pixels of every holder's frame, in the form XSession::pixels gives.
const std::unordered_map<std::string, int>& framePictures() {
    static const std::unordered_map<std::string, int> pictures = [] {
        std::unordered_map<std::string, int> byPicture;
        for (int holder = 1; holder <= frame_set::kHolderCount; ++holder) {
            const Frame frame = decodeFrame(frame_set::holderBitmap(holder));
            std::string picture;
            picture.reserve(static_cast<std::size_t>(Frame::kWidth) * Frame::kHeight);
            for (int y = 0; y < Frame::kHeight; ++y) {
                for (int x = 0; x < Frame::kWidth; ++x) {
                    picture += frame.isBlack(x, y) ? 'b' : 'w';
                }
            }
            if (!byPicture.emplace(std::move(picture), holder).second) {
                throw std::runtime_error("holder " + std::to_string(holder) + " repeats an earlier frame");
            }
        }
        return byPicture;
    }();
    return pictures;
}

} // namespace

int holderShowing(const std::string& pixels) {
    const auto& pictures = framePictures();
    const auto found = pictures.find(pixels);
    return found == pictures.end() ? 0 : found->second;
}

int stepped(int holder, int positions) {
    const int set = (holder - 1) / frame_set::kFramesPerSet;
    const int position = ((holder - 1) % frame_set::kFramesPerSet + positions % frame_set::kFramesPerSet +
                          frame_set::kFramesPerSet) %
                         frame_set::kFramesPerSet;
    return set * frame_set::kFramesPerSet + position + 1;
}

int otherSet(int holder) {
    return holder > frame_set::kFramesPerSet ? holder - frame_set::kFramesPerSet : holder + frame_set::kFramesPerSet;
}

DrovaneRun::DrovaneRun() {
    framePictures();
    server_ = std::make_unique<XvfbServer>();
    x_ = std::make_unique<XSession>(server_->display());
    // Far from the window, so the program starts at its own pace.
    x_->moveToRoot(1200, 1000);
    process_ = std::make_unique<ChildProcess>(DROVANE_PROGRAM, server_->display());
    window_ = x_->waitForWindow(kCaption, 20s);
    if (window_ == 0) {
        throw std::runtime_error("the program's window did not appear");
    }
}

DrovaneRun::~DrovaneRun() = default;

std::vector<WindowId> DrovaneRun::topLevelsWithCaption() const { return x_->topLevelsNamed(kCaption); }

std::optional<WindowFacts> DrovaneRun::facts() const {
    const auto a = x_->attributes(window_);
    if (!a) {
        return std::nullopt;
    }
    return WindowFacts{a->width, a->height, a->map_state == IsViewable};
}

std::optional<SizeHints> DrovaneRun::sizeHints() const {
    const auto h = x_->normalHints(window_);
    if (!h) {
        return std::nullopt;
    }
    SizeHints sizes;
    if (h->flags & PMinSize) {
        sizes.min = std::pair{h->min_width, h->min_height};
    }
    if (h->flags & PMaxSize) {
        sizes.max = std::pair{h->max_width, h->max_height};
    }
    return sizes;
}

std::optional<std::vector<unsigned long>> DrovaneRun::property32(const char* name) const {
    return x_->property32(window_, name);
}

unsigned long DrovaneRun::atom(const char* name) const { return x_->atom(name); }

bool DrovaneRun::windowGone(Millis timeout) const { return x_->waitForNoWindow(kCaption, timeout); }

void DrovaneRun::tap(KeySymbol keysym) { x_->tapKey(keysym); }
void DrovaneRun::pointAt(int x, int y) { x_->moveTo(window_, x, y); }
void DrovaneRun::click() { x_->click(); }
void DrovaneRun::doubleClick() { x_->doubleClick(); }
void DrovaneRun::requestClose() { x_->requestClose(window_); }

std::optional<int> DrovaneRun::exitStatus(Millis timeout) { return process_->waitExit(timeout); }

int DrovaneRun::shown() {
    return holderShowing(x_->pixels(window_, Frame::kWidth, Frame::kHeight));
}

int DrovaneRun::changeFrom(int from, Millis timeout) {
    const auto deadline = Clock::now() + timeout;
    do {
        const int now = shown();
        if (now != 0 && now != from) {
            return now;
        }
        std::this_thread::sleep_for(kSamplePeriod);
    } while (Clock::now() < deadline);
    return 0;
}

int DrovaneRun::settle(Millis quiet, Millis timeout) {
    const auto deadline = Clock::now() + timeout;
    int current = 0;
    auto since = Clock::now();
    do {
        const int now = shown();
        if (now != 0 && now != current) {
            current = now;
            since = Clock::now();
        } else if (current != 0 && Clock::now() - since >= quiet) {
            return current;
        }
        std::this_thread::sleep_for(kSamplePeriod);
    } while (Clock::now() < deadline);
    return 0;
}

int DrovaneRun::settledChangeFrom(int from) { return changeFrom(from) == 0 ? 0 : settle(); }

std::vector<int> DrovaneRun::nextHolders(int from, std::size_t count, Millis timeout) {
    const auto deadline = Clock::now() + timeout;
    std::vector<int> seen;
    int last = from;
    while (seen.size() < count && Clock::now() < deadline) {
        const int now = shown();
        if (now != 0 && now != last) {
            seen.push_back(now);
            last = now;
        }
        std::this_thread::sleep_for(kSamplePeriod);
    }
    return seen;
}

std::vector<Sighting> DrovaneRun::watch(std::size_t count, Millis timeout) {
    const auto deadline = Clock::now() + timeout;
    std::vector<Sighting> seen;
    while (Clock::now() < deadline) {
        const int now = shown();
        if (now != 0) {
            if (seen.empty() || seen.back().holder != now) {
                if (seen.size() == count) {
                    break;
                }
                seen.push_back({now, 0, Clock::now()});
            }
            ++seen.back().samples;
        }
        std::this_thread::sleep_for(kSamplePeriod);
    }
    return seen;
}

bool DrovaneRun::paceAt(int x, int y) {
    // The loop sets its own pace when it starts: a movement while loading is lost.
    if (changeFrom(1) == 0) {
        return false;
    }
    pointAt(x, y);
    // The new pace starts after the pause under way; a run of quick changes
    // shows it has, so a later stop is not mistaken for that pause.
    return nextHolders(shown(), 5).size() == 5;
}

int DrovaneRun::stopAtFastPace() {
    if (!paceAt(kFastX, kFastY)) {
        return 0;
    }
    tap(XK_slash);
    return settle();
}

} // namespace drovane::e2e
