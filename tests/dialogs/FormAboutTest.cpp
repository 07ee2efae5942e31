#include "FormAbout.h"

#include "DialogFixture.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>

using FormAboutTest = DialogFixture<FormAbout>;

// The dialog agrees with the project: its version with the build's version, its copyright line
// (above and in the licence text) with the repository's licence file.
TEST_F(FormAboutTest, AgreesWithTheProjectVersionAndLicenceFile) {
    QFile licenceFile(GAMUTRIX_LICENSE_FILE);
    ASSERT_TRUE(licenceFile.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList licenceLines = QString::fromUtf8(licenceFile.readAll()).split('\n');
    EXPECT_TRUE(control<QLabel>("LabelVersion")
                    ->text()
                    .startsWith(QStringLiteral("Gamutrix Lite " GAMUTRIX_VERSION)));
    EXPECT_EQ(control<QLabel>("LabelCopy")->text(), licenceLines.value(2));
    const QTextDocument* licence = control<QPlainTextEdit>("TextLicense")->document();
    EXPECT_EQ(licence->findBlockByNumber(0).text(), licenceLines.value(0));
    EXPECT_EQ(licence->findBlockByNumber(2).text(), licenceLines.value(2));
}
