// Saving the picture: the file name made from the title, then Ctrl+S on the window with the file
// it writes and the message it shows. (A save that fails: the end-to-end hostile-machine tests.)

#include "BitmapFileName.h"
#include "WindowFixture.h"

#include <QDir>
#include <QMessageBox>

namespace {

TEST(BitmapFileName, FiltersTheTitle) {
    // The sharp is dropped, so C# and C share a name; the flat keeps its "b". Brackets, commas,
    // signs and slashes vanish; any other instrument is the piano. A typed custom name cannot
    // lead out of the program directory.
    for (const auto& [intInstrument, strTitle, strFileName] :
         std::initializer_list<std::tuple<int, QString, QString>>{
             {1, "C# Ionian", "guitar-c_ionian.bmp"},
             {1, "Db Dorian", "guitar-db_dorian.bmp"},
             {2, "A MM4 (Mixolydian #11, Lydian b7)", "piano-a_mm4_mixolydian_11_lydian_b7.bmp"},
             {1, "C ../x", "guitar-c_x.bmp"},
             {1, "C /etc/passwd", "guitar-c_etcpasswd.bmp"}}) {
        EXPECT_EQ(bitmapFileName(intInstrument, strTitle), strFileName);
    }
}

using SaveBitmapTest = WindowFixture;

TEST_F(SaveBitmapTest, CtrlSWritesThePictureAndNamesThePath) {
    start();
    QString strMessage;
    whenModalShown([&strMessage](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        strMessage = box->windowTitle() + ": " + box->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    pressKey(Qt::Key_S, Qt::ControlModifier);
    const QString strFile = path("guitar-c_ionian.bmp");
    EXPECT_EQ(strMessage, "GamutrixLite: " + strFile + " has been created!");
    EXPECT_EQ(QDir(programDir.path()).entryList(QDir::Files), QStringList{"guitar-c_ionian.bmp"});
    const QImage saved(strFile, "BMP");
    EXPECT_EQ(saved.size(), QSize(577, 225) * shownPicture().devicePixelRatio());
    EXPECT_EQ(pictureDifference(saved, shownPicture()), "");
}

} // namespace
