#include "form1.h"
#include "form_window.h"
#include "frame_bitmap.h"
#include "frame_set.h"
#include "picture_surface.h"
#include "qt_picture.h"
#include "qt_window_services.h"
#include "scripted_window.h"
#include "user_scale.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <string>
#include <vector>

namespace drovane {
namespace {

// Records the events the window reports, and forwards mouse moves to a
// main window on the stand-in to see what they do to the pause count.
struct RecordingEvents : WindowEvents {
    std::vector<std::string> log;
    ScriptedRun run;

    void Form_Activate() override { log.push_back("activate"); }
    void Form_Close() override { log.push_back("close"); }
    void Picture1_KeyPress(std::int16_t keyAscii) override { log.push_back("key " + std::to_string(keyAscii)); }
    void Picture1_Click() override { log.push_back("click"); }
    void Picture1_DblClick() override { log.push_back("dblclick"); }
    void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override {
        log.push_back("move");
        lastX = x;
        lastY = y;
        run.form.Picture1_MouseMove(button, shift, x, y);
    }
    float lastX = -1;
    float lastY = -1;
};

class QtAdapter : public testing::Test {
protected:
    void SetUp() override {
        services.show(events);
        // Activation arrives through the event loop; give it a moment.
        for (int i = 0; i < 200 && events.log.empty(); ++i) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
    }

    FormWindow& form() { return *services.window(); }
    PictureSurface& picture1() { return form().picture1(); }

    void send(QEvent&& event) { QCoreApplication::sendEvent(&picture1(), &event); }
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        send(QMouseEvent(type, at, picture1().mapToGlobal(at), button, held, Qt::NoModifier));
    }
    void key(int code, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        send(QKeyEvent(QEvent::KeyPress, code, modifiers, text));
    }
    void click(QPointF at) {
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }

    RecordingEvents events;
    QtWindowServices services;
};

TEST_F(QtAdapter, WindowHasTheCaptionAFixedSizeAndNoTitleBarButtons) {
    EXPECT_EQ(form().windowTitle().toStdString(), "Drovane  SpaceBar+-/*mouse,. ESC");
    EXPECT_EQ(form().size(), QSize(253, 282));
    EXPECT_EQ(form().minimumSize(), QSize(253, 282));
    EXPECT_EQ(form().maximumSize(), QSize(253, 282));
    const Qt::WindowFlags flags = form().windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::Window));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint)) << "only the hints asked for";
    for (const Qt::WindowType button : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                        Qt::WindowCloseButtonHint, Qt::WindowSystemMenuHint,
                                        Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(flags.testFlag(button)) << button;
}

TEST_F(QtAdapter, PictureSurfaceSpansTheTopAndHoldsTheFocus) {
    EXPECT_EQ(picture1().geometry(), QRect(0, 0, 253, 768));
    EXPECT_EQ(picture1().focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(form().focusWidget(), &picture1());
    EXPECT_EQ(events.log, (std::vector<std::string>{"activate"})) << "raised once, when the window became active";
    form().activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(events.log.size(), 1u);
}

TEST_F(QtAdapter, AGrabOfTheWindowIsTheFrameShown) {
    for (const int holder : {1, 14, 36}) {
        const Frame frame = decodeFrame(frame_set::holderBitmap(holder));
        const auto picture = services.makePicture(frame);
        services.showPicture(*picture);
        const QImage grab = form().grab().toImage();
        int wrong = 0;
        for (int y = 0; y < Frame::kHeight; ++y)
            for (int x = 0; x < Frame::kWidth; ++x)
                wrong += (grab.pixel(x, y) == qRgb(0, 0, 0)) != frame.isBlack(x, y);
        EXPECT_EQ(wrong, 0) << "holder " << holder;
        EXPECT_NE(grab.pixel(0, 0) & 0xFFFFFF, 0x808080u);
    }
}

// Only the part of the picture that changes is painted again, so that part
// must hold every pixel that differs.
TEST(QtPictureDifference, CoversEveryChangedPixelAndNothingWhenTheSame) {
    const Frame one = decodeFrame(frame_set::holderBitmap(1));
    Frame dotted = one;
    dotted.setBlack(249, 0, !one.isBlack(249, 0));
    dotted.setBlack(0, 279, !one.isBlack(0, 279));
    const std::vector<std::pair<Frame, Frame>> pairs{
        {one, decodeFrame(frame_set::holderBitmap(2))},
        {decodeFrame(frame_set::holderBitmap(14)), decodeFrame(frame_set::holderBitmap(32))},
        {one, dotted},
    };
    for (const auto& [before, after] : pairs) {
        const QRect changed = QtPicture(after).differenceFrom(QtPicture(before));
        ASSERT_FALSE(changed.isEmpty());
        for (int y = 0; y < Frame::kHeight; ++y)
            for (int x = 0; x < Frame::kWidth; ++x) {
                if (before.isBlack(x, y) != after.isBlack(x, y)) {
                    ASSERT_TRUE(changed.contains(x, y)) << x << ", " << y;
                }
            }
        EXPECT_TRUE(QRect(0, 0, Frame::kWidth, Frame::kHeight).contains(changed));
    }
    EXPECT_EQ(QtPicture(dotted).differenceFrom(QtPicture(one)), QRect(0, 0, 250, 280));
    EXPECT_TRUE(QtPicture(one).differenceFrom(QtPicture(one)).isEmpty());
}

TEST_F(QtAdapter, PointerPositionsArriveInTheUserScale) {
    const double width = picture1().width();
    const double height = picture1().height();

    mouse(QEvent::MouseMove, {2 * width / UserScale::kWidth, 3 * height / UserScale::kHeight}, Qt::NoButton,
          Qt::NoButton);
    EXPECT_NEAR(events.run.form.state.k, 420.0f, 0.01f);

    mouse(QEvent::MouseMove, {0, 0}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(events.lastX, 0.0f);
    EXPECT_EQ(events.lastY, 0.0f);

    mouse(QEvent::MouseMove, {width, height}, Qt::NoButton, Qt::NoButton);
    EXPECT_FLOAT_EQ(events.lastX, 14.88273f);
    EXPECT_FLOAT_EQ(events.lastY, 29.84375f);

    mouse(QEvent::MouseMove, {-width, 2 * height}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FLOAT_EQ(events.lastX, -14.88273f) << "outside while a button is held: passed on as it is";
    EXPECT_FLOAT_EQ(events.lastY, 2 * 29.84375f);
}

TEST_F(QtAdapter, ClicksAndDoubleClicks) {
    events.log.clear();
    click({10, 10});
    EXPECT_EQ(events.log, (std::vector<std::string>{"click"}));

    events.log.clear();
    mouse(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton, Qt::NoButton);
    mouse(QEvent::MouseButtonDblClick, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(events.log, (std::vector<std::string>{"click", "dblclick"}));

    events.log.clear();
    mouse(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {10, 900}, Qt::LeftButton, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, {10, 10}, Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, {10, 10}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(events.log, std::vector<std::string>{}) << "released elsewhere, or not the primary button";
}

TEST_F(QtAdapter, TypedCharactersArriveAsTheirCodes) {
    events.log.clear();
    key(Qt::Key_Plus, "+");
    key(Qt::Key_Plus, "+", Qt::KeypadModifier);
    key(Qt::Key_Escape, QString(QChar(27)));
    key(Qt::Key_Escape, "");
    key(Qt::Key_Shift, "");
    key(Qt::Key_Left, "");
    key(Qt::Key_A, "A", Qt::ShiftModifier);
    EXPECT_EQ(events.log, (std::vector<std::string>{"key 43", "key 43", "key 27", "key 27", "key 65"}));
}

TEST_F(QtAdapter, ACloseRequestIsReportedAndTheWindowStays) {
    events.log.clear();
    EXPECT_FALSE(form().close()) << "the program decides how to end";
    EXPECT_EQ(events.log, (std::vector<std::string>{"close"}));
}

TEST(QtWindowServicesDeath, EndExitsAtOnceWithStatusZero) {
    QtWindowServices services;
    EXPECT_EXIT(
        {
            services.end();
            std::fprintf(stderr, "ran on after the end");
        },
        testing::ExitedWithCode(0), "^$");
}

TEST(QtWindowServicesDeath, FailSaysWhatFailedOnOneLineAndExitsNonZero) {
    QtWindowServices services;
    EXPECT_EXIT(services.fail("frame index 36 is outside the frame table 0..35"), testing::ExitedWithCode(1),
                "^drovane: frame index 36 is outside the frame table 0\\.\\.35\n$");
}

} // namespace
} // namespace drovane

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a runtime directory Qt warns on standard error, which the death
    // tests read.
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        static QTemporaryDir runtimeDir;
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    }
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    // Qt runs threads of its own: death tests start the program afresh.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
