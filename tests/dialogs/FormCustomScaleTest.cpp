#include "FormCustomScale.h"

#include "DialogFixture.h"

#include <QLineEdit>

namespace {

const QStringList kAllPositions{
    "Minor Second (b2)",
    "Major Second (2)",
    "Major Second (#2)",
    "Minor Third (b3)",
    "Major Third (3)",
    "(Perfect) Fourth (4)",
    "Augmented Fourth (Tritone) (#4)",
    "Diminished Fifth (Tritone) (b5)",
    "(Perfect) Fifth (5)",
    "Augmented Fifth (#5)",
    "Minor Sixth (b6)",
    "Major Sixth (6)",
    "Diminshed Seventh (bb7)",
    "Minor Seventh (b7)",
    "Major Seventh (7)",
};

class FormCustomScaleTest : public DialogFixture<FormCustomScale> {
  protected:
    QString builtList() const { return control<QLineEdit>("TextScale")->text(); }
    QComboBox* comboNext() const { return control<QComboBox>("ComboNext"); }

    void add(const QString& strCaption) {
        choose("ComboNext", strCaption);
        click("BtnAdd");
    }
};

TEST_F(FormCustomScaleTest, OpensAsAFixedDialogWithItsTabOrder) {
    EXPECT_EQ(dialog->windowTitle(), "Generate Custom Scale / Chord");
    EXPECT_EQ(dialog->size(), QSize(329, 129));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(control<QWidget>("BtnCancel")->geometry(), QRect(248, 96, 73, 25));
    EXPECT_EQ(tabWalk(6), QStringList({"TextScaleName", "TextScale", "ComboNext", "BtnAdd",
                                       "BtnReset", "BtnOk", "BtnCancel"}));
}

TEST_F(FormCustomScaleTest, OkAtOnceGivesTheRootAloneUnderTheDefaultName) {
    EXPECT_EQ(entries(comboNext()), kAllPositions);
    EXPECT_EQ(comboNext()->currentText(), "Minor Second (b2)");

    click("BtnOk");

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->boolNewScale());
    EXPECT_EQ(dialog->strScaleCode(), "1");
    EXPECT_EQ(dialog->strScaleName(), "User-defined Scale");
    EXPECT_EQ(dialog->intCurrentLastInt(), 1);
}

TEST_F(FormCustomScaleTest, AfterAnIntervalOnlyHigherOnesAreOffered) {
    add("Minor Third (b3)");
    EXPECT_EQ(builtList(), "1,b3");
    EXPECT_EQ(dialog->intCurrentLastInt(), 5);
    // Minor third taken: the major third is the next candidate, nothing below is offered.
    EXPECT_EQ(entries(comboNext()), kAllPositions.mid(4));
    EXPECT_EQ(comboNext()->currentText(), "Major Third (3)");

    // Root, minor third and fifth: a minor triad.
    add("(Perfect) Fifth (5)");
    click("BtnOk");
    EXPECT_EQ(dialog->strScaleCode(), "1,b3,5");
}

TEST_F(FormCustomScaleTest, MajorSeventhCompletesTheListUntilReset) {
    add("Minor Second (b2)");
    add("Major Seventh (7)");

    EXPECT_EQ(builtList(), "1,b2,7");
    EXPECT_EQ(dialog->intCurrentLastInt(), 16);
    EXPECT_FALSE(comboNext()->isEnabled());
    EXPECT_FALSE(control<QWidget>("BtnAdd")->isEnabled());
    click("BtnAdd");
    EXPECT_EQ(builtList(), "1,b2,7");

    click("BtnReset");
    EXPECT_EQ(builtList(), "1");
    EXPECT_TRUE(comboNext()->isEnabled());
    EXPECT_TRUE(control<QWidget>("BtnAdd")->isEnabled());
    EXPECT_EQ(entries(comboNext()), kAllPositions);
}

TEST_F(FormCustomScaleTest, AddingTheFirstOfferFifteenTimesGivesAllIntervals) {
    for (int i = 0; i < 15; ++i) {
        click("BtnAdd");
    }
    // The chromatic scale with every spelling of the table, once each.
    EXPECT_EQ(builtList(), "1,b2,2,#2,b3,3,4,#4,b5,5,#5,b6,6,bb7,b7,7");
    EXPECT_FALSE(control<QWidget>("BtnAdd")->isEnabled());
}

TEST_F(FormCustomScaleTest, ResetKeepsTheTypedName) {
    auto* name = control<QLineEdit>("TextScaleName");
    name->selectAll();
    QTest::keyClicks(name, "My Blues");
    add("Minor Third (b3)");
    add("(Perfect) Fourth (4)");

    click("BtnReset");

    EXPECT_EQ(builtList(), "1");
    EXPECT_EQ(dialog->intCurrentLastInt(), 1);
    EXPECT_EQ(comboNext()->currentText(), "Minor Second (b2)");
    add("Minor Seventh (b7)");
    click("BtnOk");
    EXPECT_EQ(dialog->strScaleName(), "My Blues");
    EXPECT_EQ(dialog->strScaleCode(), "1,b7");
}

TEST_F(FormCustomScaleTest, EnterInTheNameFieldNeitherAddsNorCloses) {
    QTest::keyClick(control<QLineEdit>("TextScaleName"), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(builtList(), "1");
}

class FormCustomScaleDismissTest
    : public DialogFixture<FormCustomScale, ::testing::TestWithParam<Dismissal>> {};

TEST_P(FormCustomScaleDismissTest, LeavingWithoutOkConfirmsNothing) {
    choose("ComboNext", "Major Third (3)");
    click("BtnAdd");

    dismiss(dialog.get(), GetParam());

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->boolNewScale());
    EXPECT_EQ(dialog->strScaleCode(), "");
}

INSTANTIATE_TEST_SUITE_P(AllWays, FormCustomScaleDismissTest,
                         ::testing::Values(Dismissal::CancelButton, Dismissal::EscapeKey,
                                           Dismissal::CloseButton),
                         [](const auto& info) { return dismissalName(info.param); });

} // namespace
