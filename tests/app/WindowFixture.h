#pragma once

#include "FormGamutrix.h"
#include "FretBoard.h"
#include "PianoKeyboard.h"
#include "PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

// Makes every file write of this process fail as on a full disk (EFBIG) until it goes out of
// scope; works also for root, who passes every permission check. The test must write nothing
// meanwhile.
class DiskFullScope {
  public:
    DiskFullScope() : handlerBefore(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &limitBefore);
        const rlimit limitFull{0, limitBefore.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limitFull);
    }
    ~DiskFullScope() {
        setrlimit(RLIMIT_FSIZE, &limitBefore);
        std::signal(SIGXFSZ, handlerBefore);
    }

  private:
    rlimit limitBefore{};
    void (*handlerBefore)(int);
};

// A main window started in a program directory of its own, so tests can run in parallel and
// leave no files behind.
class WindowFixture : public ::testing::Test {
  protected:
    void TearDown() override {
        window.reset();
        // A watcher still waiting means the test expected a dialog that never came.
        for (QTimer* watcher : qApp->findChildren<QTimer*>("WindowFixtureModalWatcher")) {
            ADD_FAILURE() << "a modal window that a test waited for was never shown";
            delete watcher;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(widget->isVisible())
                << "stray window: " << widget->metaObject()->className();
        }
    }

    // Starts the window as the program would; it is active afterwards, so that its menu
    // shortcuts answer key presses.
    FormGamutrix& start() {
        window = std::make_unique<FormGamutrix>(programDir.path());
        window->show();
        activate();
        return *window;
    }

    // The offscreen platform does not hand activation back after a modal window has gone.
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

    // Small helpers for driving the window as a user does.
    QString lineText(const char* strName) const { return child<QLineEdit>(strName)->text(); }
    QImage shownPicture() const { return window->Picture().surface().image().copy(); }
    void pressKey(int intKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        activate();
        QTest::keyClick(window.get(), static_cast<Qt::Key>(intKey), modifiers);
    }
    void clickControl(const char* strName) const {
        QTest::mouseClick(child<QWidget>(strName), Qt::LeftButton);
    }

    // Runs onModal on the next modal window once it is shown, while the code that opened it
    // waits in its own event loop. A watcher that gives up after a few seconds makes a missing
    // dialog fail the test (in TearDown) instead of hanging a later one.
    static void whenModalShown(std::function<void(QWidget*)> onModal) {
        auto* timer = new QTimer(qApp);
        timer->setObjectName("WindowFixtureModalWatcher");
        timer->setInterval(10);
        const QDeadlineTimer deadline(5000);
        QObject::connect(timer, &QTimer::timeout, [timer, deadline, onModal = std::move(onModal)] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer->stop();
                timer->setObjectName(QString());
                timer->deleteLater();
                onModal(modal);
            } else if (deadline.hasExpired()) {
                timer->stop();
            }
        });
        timer->start();
    }

    // A fresh drawing of the intervals on the root the buttons make (letter 0..6 for C..B,
    // accidental 0 none, 1 sharp, 2 flat) on instrument 1 (fretboard) or 2 (keyboard), at the
    // size and pixel ratio of the window's picture: what the window must show for it.
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

    // What the user sees at a glance, e.g. "C Ionian [1,2,3,4,5,6,7] bold C; fretboard; mode 0;
    // rows 0/0": title, interval line, bold root captions, checked instrument items, mode (with
    // "frame" while the chord frame shows), current category and scale rows.
    QString summary() const {
        QString strBold;
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            const bool boolBoldPitch =
                button->objectName().startsWith("BtnPitch") && button->font().bold();
            strBold += boolBoldPitch ? button->text() : QString();
        }
        return lineText("TextTitle") + " [" + lineText("TextScale") + "] bold " + strBold + ";" +
               (child<QAction>("mnuFretboard")->isChecked() ? " fretboard" : "") +
               (child<QAction>("mnuKeyboard")->isChecked() ? " keyboard" : "") + "; mode " +
               QString::number(window->Mode()) +
               (child<QWidget>("FrameChord")->isVisible() ? " frame" : "") + "; rows " +
               QString::number(child<QListWidget>("ListScaleCategory")->currentRow()) + "/" +
               QString::number(child<QListWidget>("ListScale")->currentRow());
    }

    // The summary must read so, and the picture must be a fresh drawing of the interval line on
    // the title's root ("Eb Dorian": letter 2, flat).
    void expectShows(const QString& strSummary) const {
        EXPECT_EQ(summary(), strSummary);
        const QString strRoot = lineText("TextTitle").section(' ', 0, 0);
        const int16_t intSign = strRoot.endsWith('#') ? 1 : strRoot.endsWith('b') ? 2 : 0;
        const auto intLetter = static_cast<int16_t>(QString("CDEFGAB").indexOf(strRoot[0]));
        EXPECT_EQ(pictureDifference(shownPicture(), renderScale(window->CurrentInstrument(),
                                                                lineText("TextScale").toStdString(),
                                                                intLetter, intSign)),
                  "")
            << strSummary.toStdString();
    }

    // Empty when the images show the same pixels (alpha aside), else a reason to print.
    static std::string pictureDifference(const QImage& actual, const QImage& expected) {
        const auto rgb = [](const QImage& image) {
            return image.convertToFormat(QImage::Format_RGB32);
        };
        return rgb(actual) == rgb(expected) ? "" : "the pictures differ";
    }

    QTemporaryDir programDir;
    std::unique_ptr<FormGamutrix> window;
};
