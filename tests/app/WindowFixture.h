#pragma once

#include "FormGamutrix.h"
#include "Globals.h"
#include "PictureBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMetaProperty>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// A main window started in a program directory of its own, so tests can run in parallel and
// leave no files behind.
class WindowFixture : public ::testing::Test {
  protected:
    void TearDown() override {
        window.reset();
        // A watcher still waiting means the test expected a dialog that never came.
        const auto watchers = qApp->findChildren<QTimer*>("WindowFixtureModalWatcher");
        EXPECT_TRUE(watchers.isEmpty()) << "a modal window that a test waited for was never shown";
        qDeleteAll(watchers);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(widget->isVisible()) << "stray " << widget->metaObject()->className();
        }
    }

    // Starts the window as the program would, active so that its menu shortcuts answer keys.
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

    // Files of the program directory; a missing one reads as empty.
    QString path(const QString& strFileName) const { return programDir.filePath(strFileName); }
    void writeFile(const QString& strFileName, const QByteArray& bytes) const {
        QFile file(path(strFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QByteArray readFile(const QString& strFileName) const {
        QFile file(path(strFileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Every entry of the program directory, hidden ones too: a temporary file left shows here.
    QStringList entries() const {
        return QDir(programDir.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

    template <typename T> T* child(const char* strName) const {
        T* found = window->findChild<T*>(strName);
        EXPECT_NE(found, nullptr) << "no control " << strName;
        return found;
    }
    QString lineText(const char* strName) const { return child<QLineEdit>(strName)->text(); }
    QImage shownPicture() const { return window->Picture().surface().image().copy(); }
    void pressKey(int intKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        activate();
        QTest::keyClick(window.get(), static_cast<Qt::Key>(intKey), modifiers);
    }
    void clickControl(const char* strName) const {
        QTest::mouseClick(child<QWidget>(strName), Qt::LeftButton);
    }
    // Clicks a cell of a list, table or tree (by object name), scrolled into view first.
    void clickRow(const char* strView, int intRow, int intColumn = 0,
                  Qt::KeyboardModifiers modifiers = {}) const {
        auto* view = child<QAbstractItemView>(strView);
        const QModelIndex index = view->model()->index(intRow, intColumn);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                          view->visualRect(index).center());
    }

    // Runs onModal on the next modal window once it is shown, while the code that opened it
    // waits in its own event loop. The watcher gives up after five seconds, so a missing dialog
    // fails the test (in TearDown) instead of hanging a later one.
    static void whenModalShown(std::function<void(QWidget*)> onModal) {
        auto* timer = new QTimer(qApp);
        timer->setObjectName("WindowFixtureModalWatcher");
        QObject::connect(timer, &QTimer::timeout, [timer, onModal = std::move(onModal)] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer->stop();
                timer->setObjectName(QString());
                timer->deleteLater();
                onModal(modal);
            }
        });
        QTimer::singleShot(5000, timer, &QTimer::stop);
        timer->start(10);
    }
    // Answers the next message box with its OK button. strText gets "title: text", or "(rich
    // text)" when the text would be read as markup (a path may look like markup).
    static void answerMessage(QString& strText) {
        whenModalShown([&strText](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            strText = box->textFormat() == Qt::PlainText ? box->windowTitle() + ": " + box->text()
                                                         : "(rich text)";
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    }

    // Opens a dialog of class strClass with the named menu item or button and takes the steps
    // in it, the last of which must close it: "Escape" presses Escape, "Name=text" sets the
    // text of a line or the caption chosen in a drop-down list, any other name clicks it.
    // The window owns the dialog, and once the opening handler has returned it must be gone.
    void useDialog(const char* strOpener, const char* strClass, const QStringList& steps) {
        whenModalShown([&](QWidget* modal) {
            EXPECT_EQ(modal->parentWidget(), window.get());
            EXPECT_STREQ(modal->metaObject()->className(), strClass);
            // Keys go to the focused control, which only exists once the dialog is active.
            EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
            for (const QString& strStep : steps) {
                QWidget* control = modal->findChild<QWidget*>(strStep.section('=', 0, 0));
                if (strStep.contains('=')) {
                    control->metaObject()->userProperty().write(control, strStep.section('=', 1));
                } else {
                    strStep == "Escape" ? QTest::keyClick(modal->focusWidget(), Qt::Key_Escape)
                                        : QTest::mouseClick(control, Qt::LeftButton, {}, {4, 8});
                }
            }
            EXPECT_FALSE(modal->isVisible()) << "left open";
            modal->close();
        });
        auto* action = window->findChild<QAction*>(strOpener);
        action != nullptr ? action->trigger() : clickControl(strOpener);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window->findChildren<QDialog*>().isEmpty()) << "a dialog outlived its use";
    }

    // The pitch classes C..B that the picture marks: "R" the root's brighter marker, "x" any
    // other. Read from pixels at places worked out from the layout: on the fretboard the markers
    // of frets 1..12 on the top string (twips: left edge 1028, frets 550 apart, top string at 638,
    // 120 lower below the fret numbers), at four points 115 twips from a marker's centre, one at
    // least clear of its code; on the keyboard the disc centres of the three octaves (white key k
    // centred at 1028 + 300k, a black key at 1178 + 300k, discs at heights 2363 and 1688).
    QString marks() const {
        const QImage image = window->Picture().surface().image();
        const qreal dblScale = image.devicePixelRatio() / 15.0;
        const auto pixel = [&](int x, int y) {
            return image.pixelColor(qRound(x * dblScale), qRound(y * dblScale));
        };
        QString strMarks(12, '.');
        for (int f = 1; f <= 12 && window->CurrentInstrument() == 1; ++f) {
            const int x = 1028 + (Globals::LeftHand() ? 13 - f : f) * 550 - 275;
            const int y = 638 + (Globals::ShowFretNumbers() ? 120 : 0);
            int intRed = 0;
            for (const auto& [dx, dy] : {std::pair{-115, 0}, {115, 0}, {0, -115}, {0, 115}}) {
                const QColor c = pixel(x + dx, y + dy);
                intRed = std::max(intRed, c.green() < 40 ? c.red() : 0);
            }
            strMarks[(Globals::Tuning(1)->Pitch() + f) % 12] =
                QString(".xR")[(intRed > 80) + (intRed > 130)];
        }
        for (int p = 0; p < 36 && window->CurrentInstrument() != 1; ++p) {
            const bool boolBlack = QString("010100101010")[p % 12] == '1';
            const int k = QString("112234455667")[p % 12].digitValue() + 7 * (p / 12);
            const QColor c = boolBlack ? pixel(1178 + 300 * k, 1688) : pixel(1028 + 300 * k, 2363);
            strMarks[p % 12] = (c.lightness() > 128) == boolBlack ? 'x' : strMarks[p % 12];
        }
        return strMarks;
    }

    // The marks (see marks()) a root and an interval list must give. The semitones above the root
    // of each spelling, also the compound ones; tokens that name no interval mark nothing.
    static QString marksFor(const QString& strRoot, const QString& strIntervals, bool boolRoot) {
        const QStringList kBySemitone =
            QString("1|b2 b9|2 9|#2 b3 #9|3|4 11|#4 b5 #11|5|#5 b6 b13|6 bb7 13|b7|7").split('|');
        const int intRoot = QString("C.D.EF.G.A.B").indexOf(strRoot[0]) + strRoot.count('#') -
                            strRoot.count('b') + 12;
        QString strMarks(12, '.');
        for (int s = 0; s < 12; ++s) {
            for (const QString& strToken : kBySemitone[s].split(' ')) {
                if (strIntervals.split(',').contains(strToken)) {
                    strMarks[(intRoot + s) % 12] = boolRoot && s == 0 ? 'R' : 'x';
                }
            }
        }
        return strMarks;
    }

    // What the user sees at a glance, e.g. "C Ionian [1,2,3,4,5,6,7] bold C; fretboard; mode 0;
    // rows 0/0": title, interval line, bold root captions, checked instrument items, mode (with
    // "frame" while the chord frame shows), current category and scale rows.
    QString summary() const {
        QString strBold;
        for (const QPushButton* button :
             window->findChildren<QPushButton*>(QRegularExpression("^BtnPitch"))) {
            strBold += button->font().bold() ? button->text() : QString();
        }
        return lineText("TextTitle") + " [" + lineText("TextScale") + "] bold " + strBold + ";" +
               (child<QAction>("mnuFretboard")->isChecked() ? " fretboard" : "") +
               (child<QAction>("mnuKeyboard")->isChecked() ? " keyboard" : "") + "; mode " +
               QString::number(window->Mode()) +
               (child<QWidget>("FrameChord")->isVisible() ? " frame" : "") + "; rows " +
               QString::number(child<QListWidget>("ListScaleCategory")->currentRow()) + "/" +
               QString::number(child<QListWidget>("ListScale")->currentRow());
    }

    // Per box "." enabled, "x" enabled and checked, "-" disabled, "X" disabled and checked (add9,
    // add11, add13, a blank, no3rd, sus4, sus2, no 7th) of the chord frame; then per option row
    // (ninth, eleventh, thirteenth, fifth) the caption of its checked button, with "*" while the
    // row is enabled.
    QString controls() const {
        QString strShown;
        for (const char* strName :
             {"ChkAdd9", "ChkAdd11", "ChkAdd13", "ChkNo3", "ChkSus4", "ChkSus2", "ChkNo7th"}) {
            const auto* box = child<QAbstractButton>(strName);
            strShown += QString(".x-X")[(box->isEnabled() ? 0 : 2) + (box->isChecked() ? 1 : 0)];
            strShown += strShown.size() == 3 ? " " : "";
        }
        for (const char* strRow : {"OptSecond", "OptFourth", "OptSixth", "OptFifth"}) {
            strShown += ' ';
            for (const auto* option : window->findChildren<QAbstractButton*>(
                     QRegularExpression(QString("^%1[0-2]$").arg(strRow)))) {
                strShown +=
                    option->isChecked() ? option->text() + (option->isEnabled() ? "*" : "") : "";
            }
        }
        return strShown;
    }

    // The summary must read so, and the picture must mark the interval line on the title's root.
    void expectShows(const QString& strSummary) const {
        EXPECT_EQ(summary(), strSummary);
        EXPECT_EQ(marks(), marksFor(lineText("TextTitle").section(' ', 0, 0), lineText("TextScale"),
                                    window->CurrentInstrument() == 1))
            << strSummary.toStdString();
    }

    // Empty when the images show the same pixels (alpha aside), else a reason to print.
    static std::string pictureDifference(const QImage& actual, const QImage& expected) {
        const auto rgb = QImage::Format_RGB32;
        return actual.convertToFormat(rgb) == expected.convertToFormat(rgb) ? "" : "differ";
    }

    QTemporaryDir programDir;
    std::unique_ptr<FormGamutrix> window;
};
