#pragma once

#include "FormGamutrix.h"
#include "FretBoard.h"
#include "PianoKeyboard.h"
#include "PictureBox.h"
#include "QtPictureSurface.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/resource.h>

// Makes every file write of this process fail as on a full disk (EFBIG) until it goes out of
// scope, which works also for root, who passes every permission check. Only for short stretches
// in which the test itself writes nothing.
class DiskFullScope {
  public:
    DiskFullScope() {
        getrlimit(RLIMIT_FSIZE, &limitBefore);
        handlerBefore = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limitFull = limitBefore;
        limitFull.rlim_cur = 0;
        boolActive = setrlimit(RLIMIT_FSIZE, &limitFull) == 0;
    }
    ~DiskFullScope() {
        setrlimit(RLIMIT_FSIZE, &limitBefore);
        std::signal(SIGXFSZ, handlerBefore);
    }
    DiskFullScope(const DiskFullScope&) = delete;
    DiskFullScope& operator=(const DiskFullScope&) = delete;

    bool active() const { return boolActive; }

  private:
    rlimit limitBefore{};
    void (*handlerBefore)(int) = nullptr;
    bool boolActive = false;
};

// A main window started in a program directory of its own, so tests can run in parallel and
// leave no files behind.
class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(programDir.isValid()); }

    void TearDown() override {
        window.reset();
        // A watcher still waiting means the test expected a dialog that never came.
        const auto watchers = qApp->findChildren<QTimer*>(kModalWatcherName);
        for (QTimer* watcher : watchers) {
            ADD_FAILURE() << "a modal window that a test waited for was never shown";
            delete watcher;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // No dialog or message box may outlive a test.
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(widget->isVisible())
                << "stray window: " << widget->metaObject()->className() << " "
                << widget->windowTitle().toStdString();
        }
    }

    // Starts the window as the program would (reading the configuration file first). The window
    // is active afterwards, so that its menu shortcuts answer key presses.
    FormGamutrix& start() {
        window = std::make_unique<FormGamutrix>(programDir.path());
        window->show();
        activate();
        return *window;
    }

    // Gives the window the focus again, e.g. after a modal window has gone: the offscreen
    // platform does not hand activation back by itself.
    void activate() const {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QString path(const QString& strFileName) const { return programDir.filePath(strFileName); }

    // Whole-file helpers for the program directory; a missing file reads as empty.
    void writeFile(const QString& strFileName, const QByteArray& bytes) const {
        QFile file(path(strFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray readFile(const QString& strFileName) const {
        QFile file(path(strFileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    template <typename T> T* child(const char* strName) const {
        T* found = window->findChild<T*>(strName);
        EXPECT_NE(found, nullptr) << "no control " << strName;
        return found;
    }

    // Runs onModal on the next modal window (dialog or message box) once it is shown, while the
    // code that opened it waits in its own event loop. If none comes within a few seconds the
    // watcher gives up, so a missing dialog fails the test instead of hanging a later one.
    static void whenModalShown(std::function<void(QWidget*)> onModal) {
        auto* timer = new QTimer(qApp);
        timer->setObjectName(kModalWatcherName);
        timer->setInterval(10);
        const QDeadlineTimer deadline(kModalWaitMs);
        QObject::connect(timer, &QTimer::timeout, [timer, deadline, onModal = std::move(onModal)] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer->stop();
                timer->setObjectName(QString());
                timer->deleteLater();
                onModal(modal);
            } else if (deadline.hasExpired()) {
                // Left in place under its name, so that TearDown reports it.
                timer->stop();
            }
        });
        timer->start();
    }

    // A fresh drawing of the interval list on the root that the buttons (letter 0..6 for C..B,
    // accidental 0 none, 1 sharp, 2 flat) make, on instrument 1 (fretboard) or 2 (keyboard),
    // at the size and pixel ratio of the window's picture: what the window must show for it.
    QImage renderScale(int intInstrument, const std::string& strIntervals, int16_t intLetter,
                       int16_t intAccidental) const {
        auto noteRoot = std::make_shared<SimpleNote>();
        noteRoot->setPitchFromButtons(intLetter, intAccidental);
        auto scale = std::make_shared<StandardScale>();
        scale->setScale(strIntervals);
        scale->setRootNote(noteRoot);
        const QtPictureSurface& shown = window->Picture().surface();
        QtPictureSurface surface(shown.outerWidth(), shown.outerHeight(),
                                 shown.image().devicePixelRatio());
        if (intInstrument == 1) {
            FretBoard view;
            view.setFretBoardPicBox(surface);
            view.resetFretBoard();
            view.setScaleData(scale);
            view.drawScaleData();
        } else {
            PianoKeyboard view;
            view.setPianoPicBox(surface);
            view.resetPianoKeyboard();
            view.setScaleData(scale);
            view.drawScaleData();
        }
        return surface.image();
    }

    // Empty when the images are equal, else how they differ.
    static std::string pictureDifference(const QImage& actual, const QImage& expected) {
        if (actual.size() != expected.size()) {
            return "size differs";
        }
        const QImage a = actual.convertToFormat(QImage::Format_RGB32);
        const QImage e = expected.convertToFormat(QImage::Format_RGB32);
        int intDiffering = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                intDiffering += a.pixel(x, y) != e.pixel(x, y) ? 1 : 0;
            }
        }
        return intDiffering == 0 ? std::string() : std::to_string(intDiffering) + " pixels differ";
    }

    static constexpr const char* kModalWatcherName = "WindowFixtureModalWatcher";
    static constexpr int kModalWaitMs = 5000;

    QTemporaryDir programDir;
    std::unique_ptr<FormGamutrix> window;
};
