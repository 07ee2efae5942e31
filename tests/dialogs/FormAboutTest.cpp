#include "FormAbout.h"

#include "DialogFixture.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

namespace {

class FormAboutTest : public DialogFixture<FormAbout> {
  protected:
    QString labelText(const char* strName) const { return control<QLabel>(strName)->text(); }
    QPlainTextEdit* licence() const { return control<QPlainTextEdit>("TextLicense"); }

    QStringList licenceLines() const {
        QStringList lines;
        for (QTextBlock block = licence()->document()->begin(); block.isValid();
             block = block.next()) {
            lines << block.text();
        }
        return lines;
    }
};

TEST_F(FormAboutTest, ShowsNameVersionCopyrightAndHomePage) {
    EXPECT_EQ(dialog->windowTitle(), "About");
    EXPECT_EQ(dialog->size(), QSize(497, 241));
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(labelText("LabelVersion"), "Gamutrix Lite 1.3a1");
    EXPECT_TRUE(control<QLabel>("LabelVersion")->font().bold());
    EXPECT_EQ(labelText("LabelCopy"), "Copyright (c) 2026 The Gamutrix Lite developers");
    EXPECT_EQ(labelText("LabelURL"), "Official Homepage:");
    auto* url = control<QLineEdit>("TextURL");
    EXPECT_EQ(url->text(), "https://gamutrix-lite.example.org");
    EXPECT_TRUE(url->isReadOnly());
    EXPECT_TRUE(dialog->findChildren<QPushButton*>().isEmpty());
}

TEST_F(FormAboutTest, LicenceIsAMonospacedReadOnlyMitText) {
    const QStringList lines = licenceLines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "MIT License");
    EXPECT_EQ(lines[1], QString(34, QLatin1Char('=')));
    EXPECT_EQ(lines[2], "Copyright (c) 2026 The Gamutrix Lite developers");
    EXPECT_EQ(lines[3], "");
    EXPECT_TRUE(lines[4].startsWith("This software is provided as is")) << lines[4].toStdString();
    EXPECT_GT(lines[4].size(), 350);
    // Lines are separated by CR LF, never by a bare line feed.
    EXPECT_EQ(FormAbout::strLicenseText().count("\r\n"), 4);
    EXPECT_EQ(FormAbout::strLicenseText().count('\n'), 4);

    EXPECT_TRUE(licence()->isReadOnly());
    EXPECT_TRUE(QFontInfo(licence()->font()).fixedPitch());
    EXPECT_EQ(licence()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(FormAboutTest, LicenceStartsAtTheTopAndScrollsToTheEnd) {
    QScrollBar* bar = licence()->verticalScrollBar();
    EXPECT_EQ(bar->value(), 0);
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    // The end of the disclaimer comes into view.
    QTextCursor end(licence()->document());
    end.movePosition(QTextCursor::End);
    EXPECT_TRUE(licence()->viewport()->rect().contains(licence()->cursorRect(end)));
}

TEST_F(FormAboutTest, OpeningTwiceShowsTheSameAndEscapeCloses) {
    const QStringList firstLines = licenceLines();
    const QString firstCopy = labelText("LabelCopy");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());

    reopen();

    EXPECT_EQ(licenceLines(), firstLines);
    EXPECT_EQ(labelText("LabelCopy"), firstCopy);
}

} // namespace
