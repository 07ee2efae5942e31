#include "FormAbout.h"

#include "DialogFixture.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>

using FormAboutTest = DialogFixture<FormAbout>;

// The dialog agrees with the project: its version with the build's version, its copyright line
// (above and in the licence text) with the repository's licence file.
TEST_F(FormAboutTest, AgreesWithTheProjectVersionAndLicenceFile) {
    QFile licenceFile(GAMUTRIX_LICENSE_FILE);
    ASSERT_TRUE(licenceFile.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList licenceLines = QString::fromUtf8(licenceFile.readAll()).split('\n');
    EXPECT_TRUE(
        control<QLabel>("LabelVersion")->text().startsWith("Gamutrix Lite " GAMUTRIX_VERSION));
    EXPECT_EQ(control<QLabel>("LabelCopy")->text(), licenceLines.value(2));
    const QStringList shown = control<QPlainTextEdit>("TextLicense")->toPlainText().split('\n');
    EXPECT_EQ(shown.value(0) + shown.value(2), licenceLines.value(0) + licenceLines.value(2));
}
