#include "FormAbout.h"

#include "DialogFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

using FormAboutTest = DialogFixture<FormAbout>;

TEST_F(FormAboutTest, ShowsNameVersionCopyrightHomePageAndMitLicence) {
    EXPECT_EQ(control<QLabel>("LabelVersion")->text(), "Gamutrix Lite 1.3a1");
    EXPECT_EQ(control<QLabel>("LabelCopy")->text(),
              "Copyright (c) 2026 The Gamutrix Lite developers");
    EXPECT_EQ(control<QLabel>("LabelURL")->text(), "Official Homepage:");
    EXPECT_EQ(control<QLineEdit>("TextURL")->text(), "https://gamutrix-lite.example.org");
    const QTextDocument* licence = control<QPlainTextEdit>("TextLicense")->document();
    EXPECT_EQ(licence->findBlockByNumber(0).text(), "MIT License");
    EXPECT_EQ(licence->findBlockByNumber(1).text(), QString(34, QLatin1Char('=')));
}
