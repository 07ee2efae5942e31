// Saving the picture: the file name made from the title, then Ctrl+S on the window with the
// file it writes, the message it shows, and what happens when the file cannot be written.

#include "BitmapFileName.h"
#include "WindowFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <cmath>
#include <ostream>
#include <string>

// Readable failure messages for texts.
static void PrintTo(const QString& str, std::ostream* os) {
    *os << '"' << str.toStdString() << '"';
}

namespace {

// ---- The file name ----

struct NameCase {
    const char* strName;
    int intInstrument;
    const char* strTitle;
    const char* strFileName;
};

class BitmapFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(BitmapFileNameTest, FiltersTheTitle) {
    const NameCase& row = GetParam();
    EXPECT_EQ(bitmapFileName(row.intInstrument, QString::fromUtf8(row.strTitle)), row.strFileName);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, BitmapFileNameTest,
    ::testing::Values(
        NameCase{"FretboardIonian", 1, "C Ionian", "guitar-c_ionian.bmp"},
        // The sign is dropped: C sharp and C share a name, D flat keeps its "b".
        NameCase{"SharpDropped", 1, "C# Ionian", "guitar-c_ionian.bmp"},
        NameCase{"FlatKeptAsLetter", 1, "Db Dorian", "guitar-db_dorian.bmp"},
        NameCase{"KeyboardMelodicMinor", 2, "F# MM1 (Melodic Minor)",
                 "piano-f_mm1_melodic_minor.bmp"},
        NameCase{"AnyOtherInstrumentIsPiano", 0, "C Ionian", "piano-c_ionian.bmp"},
        NameCase{"CommasAndBrackets", 1, "A MM4 (Mixolydian #11, Lydian b7, Lydian Dominant)",
                 "guitar-a_mm4_mixolydian_11_lydian_b7_lydian_dominant.bmp"},
        NameCase{"SlashInName", 1, "E HJ2 (Dorian b5, Locrian 9/13)",
                 "guitar-e_hj2_dorian_b5_locrian_913.bmp"},
        // Chord titles: the major triad has an empty suffix, others are signs and digits.
        NameCase{"MajorTriad", 2, "G ", "piano-g_.bmp"},
        NameCase{"SixNine", 1, "Bb 6/9", "guitar-bb_69.bmp"},
        NameCase{"FlatFive", 1, "C -5", "guitar-c_5.bmp"},
        // Only the blank becomes "_"; tabs and letters outside a to z vanish.
        NameCase{"Tab", 1, "C\tIonian", "guitar-cionian.bmp"},
        NameCase{"Umlaut", 1, "C Dür", "guitar-c_dr.bmp"},
        NameCase{"EmptyTitle", 1, "", "guitar-.bmp"},
        // Names typed in the custom scale dialog cannot lead out of the directory.
        NameCase{"ParentDirectory", 1, "C ../x", "guitar-c_x.bmp"},
        NameCase{"BackslashPath", 2, "C ..\\..\\Windows\\evil", "piano-c_windowsevil.bmp"},
        NameCase{"AbsolutePath", 1, "C /etc/passwd", "guitar-c_etcpasswd.bmp"}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.strName); });

TEST(BitmapFileNameSafety, NoCharacterLeadsOutOfTheDirectory) {
    // Every UTF-16 code unit, alone and doubled, in a title such as a custom name could make.
    for (int intCode = 0; intCode <= 0xFFFF; ++intCode) {
        const QChar ch(static_cast<char16_t>(intCode));
        const QString strName = bitmapFileName(1, QString("C ") + ch + ch + "x");
        ASSERT_TRUE(strName.startsWith("guitar-c_") && strName.endsWith(".bmp"))
            << "code " << intCode;
        const QString strStem = strName.chopped(4);
        for (const QChar c : strStem) {
            ASSERT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-')
                << "code " << intCode << " gives " << strName.toStdString();
        }
    }
}

// ---- Saving through the window ----

// What the message box after a save showed.
struct Message {
    bool boolShown = false;
    QString strTitle;
    QString strText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class SaveBitmapTest : public WindowFixture {
  protected:
    // Presses Ctrl+S and dismisses the message box with its OK button.
    Message save() const {
        Message message;
        whenModalShown([&message](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr) << "not a message box: " << modal->metaObject()->className();
            message.boolShown = true;
            message.strTitle = box->windowTitle();
            message.strText = box->text();
            message.icon = box->icon();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        activate();
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(message.boolShown) << "no message after saving";
        return message;
    }

    QString nativePath(const QString& strFileName) const {
        return QDir::toNativeSeparators(programDir.path() + "/" + strFileName);
    }

    void expectCreated(const Message& message, const QString& strFileName) const {
        EXPECT_EQ(message.strTitle, "GamutrixLite");
        EXPECT_EQ(message.strText, nativePath(strFileName) + " has been created!");
        EXPECT_EQ(message.icon, QMessageBox::Information);
    }

    // The saved file must decode to exactly what the window shows.
    void expectFileShowsPicture(const QString& strFileName) const {
        const QImage saved(path(strFileName), "BMP");
        ASSERT_FALSE(saved.isNull()) << "cannot decode " << strFileName.toStdString();
        const QImage& shown = window->Picture().surface().image();
        const qreal dblRatio = shown.devicePixelRatio();
        EXPECT_EQ(saved.size(), QSize(std::lrint(577 * dblRatio), std::lrint(225 * dblRatio)));
        EXPECT_EQ(pictureDifference(saved, shown), "");
    }

    QStringList entries() const {
        return QDir(programDir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    void click(const char* strButton) const {
        QTest::mouseClick(child<QPushButton>(strButton), Qt::LeftButton);
    }
};

// Colour of the saved image at a point of the drawing given in twips, moved by dx pixels.
QColor colourAt(const QImage& image, int xTwips, int yTwips, double dx = 0) {
    const qreal dblRatio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(std::lrint((xTwips / 15.0 + dx) * dblRatio)),
                            static_cast<int>(std::lrint(yTwips / 15.0 * dblRatio)));
}

TEST_F(SaveBitmapTest, CtrlSWritesTheFretboardAndConfirms) {
    start();
    const Message message = save();
    expectCreated(message, "guitar-c_ionian.bmp");
    expectFileShowsPicture("guitar-c_ionian.bmp");
    EXPECT_EQ(entries(), QStringList{"guitar-c_ionian.bmp"});

    // The board of the 8655 x 3375 picture with six strings in standard tuning: frets 550 wide
    // from x = 1028, strings 350 apart from y = 758 (high E on top). A marker sits in the middle
    // of its fret space; the samples are 7 pixels left of its centre, clear of its white code.
    QImage saved(path("guitar-c_ionian.bmp"), "BMP");
    saved.setDevicePixelRatio(window->Picture().surface().image().devicePixelRatio());
    const auto markerX = [](int intFret) { return 1028 + intFret * 550 - 275; };
    const auto stringY = [](int intString) { return 758 + (intString - 1) * 350; };
    const QColor rootRed(153, 0, 0);
    const QColor darkRed(102, 0, 0);
    // C, the root: B string fret 1, high E string fret 8.
    EXPECT_EQ(colourAt(saved, markerX(1), stringY(2), -7), rootRed);
    EXPECT_EQ(colourAt(saved, markerX(8), stringY(1), -7), rootRed);
    // E (3) on the open high string, G (5) on the open G string, A (6) on the E string fret 5.
    EXPECT_EQ(colourAt(saved, markerX(0), stringY(1), -7), darkRed);
    EXPECT_EQ(colourAt(saved, markerX(0), stringY(3), -7), darkRed);
    EXPECT_EQ(colourAt(saved, markerX(5), stringY(1), -7), darkRed);
    // F# (high E string fret 2) and C# (B string fret 2) are not in C major.
    EXPECT_NE(colourAt(saved, markerX(2), stringY(1), -7), darkRed);
    EXPECT_NE(colourAt(saved, markerX(2), stringY(2), -7), rootRed);
    EXPECT_NE(colourAt(saved, markerX(2), stringY(2), -7), darkRed);
    // White around the board.
    EXPECT_EQ(saved.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(saved.pixelColor(saved.width() - 1, saved.height() - 1), QColor(Qt::white));
}

TEST_F(SaveBitmapTest, SavingTwiceReplacesTheFileAndConfirmsTwice) {
    start();
    expectCreated(save(), "guitar-c_ionian.bmp");
    const QByteArray first = readFile("guitar-c_ionian.bmp");
    // C sharp gives the same name, so the second save replaces the first without asking.
    click("BtnPitchAdd0");
    ASSERT_EQ(child<QLineEdit>("TextTitle")->text(), "C# Ionian");
    expectCreated(save(), "guitar-c_ionian.bmp");
    expectFileShowsPicture("guitar-c_ionian.bmp");
    EXPECT_NE(readFile("guitar-c_ionian.bmp"), first);
    // And once more unchanged: same file, same bytes, another message.
    const QByteArray second = readFile("guitar-c_ionian.bmp");
    expectCreated(save(), "guitar-c_ionian.bmp");
    EXPECT_EQ(readFile("guitar-c_ionian.bmp"), second);
    EXPECT_EQ(entries(), QStringList{"guitar-c_ionian.bmp"});
}

TEST_F(SaveBitmapTest, NameFollowsInstrumentAndTitle) {
    start();
    // F sharp melodic minor on the keyboard.
    QTest::keyClick(window.get(), Qt::Key_F3);
    click("BtnPitch3");
    click("BtnPitchAdd0");
    auto* categories = child<QListWidget>("ListScaleCategory");
    QTest::mouseClick(categories->viewport(), Qt::LeftButton, {},
                      categories->visualItemRect(categories->item(1)).center());
    ASSERT_EQ(child<QLineEdit>("TextTitle")->text(), "F# MM1 (Melodic Minor)");
    expectCreated(save(), "piano-f_mm1_melodic_minor.bmp");
    expectFileShowsPicture("piano-f_mm1_melodic_minor.bmp");

    // D flat on the fretboard keeps the "b" of its name.
    activate();
    QTest::keyClick(window.get(), Qt::Key_F2);
    click("BtnPitch1");
    click("BtnPitchAdd1");
    expectCreated(save(), "guitar-db_mm1_melodic_minor.bmp");
    expectFileShowsPicture("guitar-db_mm1_melodic_minor.bmp");
    EXPECT_EQ(entries(),
              (QStringList{"guitar-db_mm1_melodic_minor.bmp", "piano-f_mm1_melodic_minor.bmp"}));
}

TEST_F(SaveBitmapTest, PathTakenByADirectoryWarnsAndTheWindowGoesOn) {
    // A directory cannot be replaced by a file, not even by root.
    ASSERT_TRUE(QDir(programDir.path()).mkdir("guitar-c_ionian.bmp"));
    start();
    const Message message = save();
    EXPECT_EQ(message.strTitle, "GamutrixLite");
    EXPECT_EQ(message.icon, QMessageBox::Warning);
    EXPECT_FALSE(message.strText.contains("has been created")) << message.strText.toStdString();
    EXPECT_TRUE(message.strText.startsWith(nativePath("guitar-c_ionian.bmp")))
        << message.strText.toStdString();
    // The reason follows the path.
    EXPECT_GT(message.strText.size(), nativePath("guitar-c_ionian.bmp").size() + 20)
        << message.strText.toStdString();
    EXPECT_TRUE(QDir(path("guitar-c_ionian.bmp")).isEmpty());
    EXPECT_EQ(entries(), QStringList{"guitar-c_ionian.bmp"}) << "no temporary file may remain";

    // The window goes on: a new root, a new name, a successful save.
    click("BtnPitch1");
    EXPECT_EQ(child<QLineEdit>("TextTitle")->text(), "D Ionian");
    expectCreated(save(), "guitar-d_ionian.bmp");
    expectFileShowsPicture("guitar-d_ionian.bmp");
}

TEST_F(SaveBitmapTest, FullDiskWarnsAndKeepsTheOldFile) {
    start();
    expectCreated(save(), "guitar-c_ionian.bmp");
    const QByteArray old = readFile("guitar-c_ionian.bmp");
    click("BtnPitchAdd0");
    Message message;
    {
        DiskFullScope diskFull;
        ASSERT_TRUE(diskFull.active());
        message = save();
    }
    EXPECT_EQ(message.icon, QMessageBox::Warning);
    EXPECT_FALSE(message.strText.contains("has been created")) << message.strText.toStdString();
    EXPECT_TRUE(message.strText.contains(nativePath("guitar-c_ionian.bmp")));
    EXPECT_EQ(readFile("guitar-c_ionian.bmp"), old) << "a failed save must not touch the old file";
    EXPECT_EQ(entries(), QStringList{"guitar-c_ionian.bmp"}) << "no temporary file may remain";
}

} // namespace
