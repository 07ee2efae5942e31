// Saving the picture: the file name made from the title, then Ctrl+S on the window with the file
// it writes and the message it shows, also when the file cannot be written.

#include "BitmapFileName.h"
#include "WindowFixture.h"

#include <QDir>
#include <QMessageBox>

TEST(BitmapFileName, FiltersTheTitle) {
    for (const auto& [intInstrument, strTitle, strFileName] :
         std::initializer_list<std::tuple<int, QString, QString>>{
             // The sharp is dropped, so C# and C share a name; the flat keeps its "b".
             {1, "C# Ionian", "guitar-c_ionian.bmp"},
             {1, "Db Dorian", "guitar-db_dorian.bmp"},
             // Brackets, commas, signs and slashes vanish; any other instrument is the piano.
             {2, "A MM4 (Mixolydian #11, Lydian b7)", "piano-a_mm4_mixolydian_11_lydian_b7.bmp"},
             // A typed custom name cannot lead out of the program directory.
             {1, "C ../x", "guitar-c_x.bmp"},
             {1, "C /etc/passwd", "guitar-c_etcpasswd.bmp"}}) {
        EXPECT_EQ(bitmapFileName(intInstrument, strTitle), strFileName);
    }
}

class SaveBitmapTest : public WindowFixture {
  protected:
    // Presses Ctrl+S and returns the message box's title and text, closing it with OK.
    QString save(QMessageBox::Icon icon) const {
        QString strMessage = "no message";
        whenModalShown([&strMessage, icon](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            EXPECT_EQ(box->icon(), icon);
            strMessage = box->windowTitle() + ": " + box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        pressKey(Qt::Key_S, Qt::ControlModifier);
        return strMessage;
    }
    QStringList files() const {
        return QDir(programDir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }
};

TEST_F(SaveBitmapTest, CtrlSWritesThePictureAndNamesThePath) {
    start();
    const QString strFile = path("guitar-c_ionian.bmp");
    EXPECT_EQ(save(QMessageBox::Information), "GamutrixLite: " + strFile + " has been created!");
    EXPECT_EQ(files(), QStringList{"guitar-c_ionian.bmp"});
    const QImage saved(strFile, "BMP");
    const qreal dblRatio = shownPicture().devicePixelRatio();
    EXPECT_EQ(saved.size(), QSize(577, 225) * dblRatio);
    EXPECT_EQ(pictureDifference(saved, shownPicture()), "");
    // Pixels a little left of a marker's centre, clear of its white interval code.
    EXPECT_EQ(saved.pixelColor(QPoint(80, 74) * dblRatio), QColor(153, 0, 0))
        << "root C: B string, fret 1";
    EXPECT_EQ(saved.pixelColor(QPoint(43, 51) * dblRatio), QColor(102, 0, 0))
        << "third E: open high E";
    EXPECT_NE(saved.pixelColor(QPoint(117, 51) * dblRatio), QColor(102, 0, 0))
        << "F#: not in C major";
}

TEST_F(SaveBitmapTest, UnwritablePathWarnsAndLeavesNoFile) {
    // A directory in the way cannot be replaced by a file, not even by root.
    ASSERT_TRUE(QDir(programDir.path()).mkdir("guitar-c_ionian.bmp"));
    start();
    const QString strMessage = save(QMessageBox::Warning);
    EXPECT_TRUE(strMessage.startsWith("GamutrixLite: " + path("guitar-c_ionian.bmp")))
        << strMessage.toStdString();
    EXPECT_FALSE(strMessage.contains("has been created"));
    EXPECT_EQ(files(), QStringList{"guitar-c_ionian.bmp"}) << "no temporary file may remain";
}
