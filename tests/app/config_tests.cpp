// The configuration file: its text format on its own, then real files read at start-up and
// written at the end of a run of the window.

#include "ConfigFile.h"
#include "WindowFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

// Readable failure messages for texts.
static void PrintTo(const QString& str, std::ostream* os) {
    *os << '"' << str.toStdString() << '"';
}

namespace {

using namespace std::string_view_literals;

// ---- The text format ----

struct ParseCase {
    const char* strName;
    std::string_view strText;
    bool boolRead;             // false: the file is void and the defaults stay
    int16_t intInstrument = 0; // 0: the file names no instrument
    int16_t intMode = 0;
};

class ConfigParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ConfigParseTest, ReadsTheTwoValues) {
    const ParseCase& row = GetParam();
    const std::optional<ConfigFile::Values> values = ConfigFile::parse(row.strText);
    ASSERT_EQ(values.has_value(), row.boolRead);
    if (values) {
        EXPECT_EQ(values->intInstrument, row.intInstrument);
        EXPECT_EQ(values->intMode, row.intMode);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConfigParseTest,
    ::testing::Values(
        ParseCase{"AsWritten", "instrument = 2\r\nmode = 1\r\n", true, 2, 1},
        ParseCase{"Empty", "", true, 0, 0},
        // Line ends of other systems, and none after the last line.
        ParseCase{"LfOnly", "instrument = 2\nmode = 1\n", true, 2, 1},
        ParseCase{"CrOnly", "instrument = 2\rmode = 1\r", true, 2, 1},
        ParseCase{"MixedEnds", "instrument = 2\rmode = 1\r\n", true, 2, 1},
        ParseCase{"NoFinalLineEnd", "instrument = 2\r\nmode = 1", true, 2, 1},
        ParseCase{"ByteOrderMark", "\xEF\xBB\xBFinstrument = 2\r\nmode = 1\r\n", true, 2, 1},
        // A mark anywhere else is part of the key, which then is unknown.
        ParseCase{"ByteOrderMarkLater", "mode = 1\r\n\xEF\xBB\xBFinstrument = 2\r\n", true, 0, 1},
        // Blanks around key, "=" and value do not matter; tabs are not blanks.
        ParseCase{"NoBlanks", "instrument=2\r\nmode=1", true, 2, 1},
        ParseCase{"ManyBlanks", "   instrument   =   2   \r\n mode =  1 ", true, 2, 1},
        ParseCase{"TabBeforeKey", "\tinstrument = 2\r\nmode = 1", true, 0, 1},
        ParseCase{"TabInValue", "instrument = 2\t\r\nmode = 1", false},
        // Keys are exact; unknown keys are skipped even without "=".
        ParseCase{"CapitalKey", "Instrument = 2\r\nmode = 1", true, 0, 1},
        ParseCase{"UnknownKeys", "colour = red\r\ninstrument = 2\r\nwhatever\r\n", true, 2, 0},
        ParseCase{"OnlyInstrument", "instrument = 2", true, 2, 0},
        ParseCase{"OnlyMode", "mode = 1", true, 0, 1},
        ParseCase{"LastLineWins", "instrument = 1\r\ninstrument = 2\r\nmode = 1\r\nmode = 0", true,
                  2, 0},
        // Out-of-range values are read; the window decides what to keep.
        ParseCase{"RangeLeftToTheWindow", "instrument = 3\r\nmode = 5", true, 3, 5},
        // The value ends at a second "=".
        ParseCase{"SecondEquals", "instrument = 2 = 7\r\nmode = 1", true, 2, 1},
        ParseCase{"DoubleEquals", "instrument == 2", false},
        // Empty and blank lines are skipped, wherever they are.
        ParseCase{"EmptyLineBetween", "instrument = 2\r\n\r\nmode = 1\r\n", true, 2, 1},
        ParseCase{"EmptyLinesAround", "\r\n\ninstrument = 2\r\nmode = 1\r\n\r\n", true, 2, 1},
        ParseCase{"BlankLine", "instrument = 2\r\n    \r\nmode = 1", true, 2, 1},
        // A known key that cannot be read voids the whole file, also what came before it.
        ParseCase{"KeyWithoutEquals", "mode = 1\r\ninstrument\r\n", false},
        // Without "=" the whole line is the key, here an unknown one.
        ParseCase{"KeyAndValueWithoutEquals", "instrument 2\r\nmode = 1", true, 0, 1},
        ParseCase{"NonNumeric", "mode = 1\r\ninstrument = two", false},
        ParseCase{"EmptyValue", "instrument =\r\nmode = 1", false},
        ParseCase{"TooLarge", "instrument = 2\r\nmode = 32768", false},
        ParseCase{"NulInValue", "instrument = 2\0\r\nmode = 1"sv, false}),
    [](const ::testing::TestParamInfo<ParseCase>& info) {
        return std::string(info.param.strName);
    });

struct NumberCase {
    const char* strName;
    const char* strText;
    std::optional<int16_t> value;
};

class ConfigNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ConfigNumberTest, ConvertsToA16BitInteger) {
    const NumberCase& row = GetParam();
    EXPECT_EQ(ConfigFile::toInteger(row.strText), row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ConfigNumberTest,
    ::testing::Values(
        NumberCase{"Plain", "2", 2}, NumberCase{"LeadingZeros", "0002", 2},
        NumberCase{"PlusSign", "+2", 2}, NumberCase{"Negative", "-3", -3},
        NumberCase{"NegativeZero", "-0", 0},
        // Fractions round to the nearest, halves to the even neighbour.
        NumberCase{"HalfDown", "2.5", 2}, NumberCase{"HalfUp", "3.5", 4},
        NumberCase{"NegativeHalf", "-2.5", -2}, NumberCase{"HalfToZero", ".5", 0},
        NumberCase{"BelowHalf", "1.49", 1}, NumberCase{"AboveHalf", "1.51", 2},
        NumberCase{"TrailingPoint", "5.", 5}, NumberCase{"Exponent", "1e3", 1000},
        NumberCase{"CapitalExponent", "2E0", 2}, NumberCase{"NegativeExponent", "15e-1", 2},
        // The 16-bit range, also after rounding.
        NumberCase{"Largest", "32767", 32767}, NumberCase{"Smallest", "-32768", -32768},
        NumberCase{"JustAbove", "32768", std::nullopt},
        NumberCase{"JustBelow", "-32769", std::nullopt},
        NumberCase{"RoundsAbove", "32767.5", std::nullopt},
        NumberCase{"RoundsInside", "-32768.5", -32768}, NumberCase{"Huge", "1e400", std::nullopt},
        // Not decimal numbers.
        NumberCase{"Empty", "", std::nullopt}, NumberCase{"Word", "two", std::nullopt},
        NumberCase{"Hex", "0x2", std::nullopt}, NumberCase{"Trailing", "2a", std::nullopt},
        NumberCase{"InnerBlank", "1 2", std::nullopt},
        NumberCase{"DecimalComma", "1,5", std::nullopt}, NumberCase{"SignOnly", "-", std::nullopt},
        NumberCase{"TwoSigns", "+-2", std::nullopt}, NumberCase{"PointOnly", ".", std::nullopt},
        NumberCase{"ExponentOnly", "e3", std::nullopt},
        NumberCase{"OpenExponent", "1e", std::nullopt}, NumberCase{"Infinity", "inf", std::nullopt},
        NumberCase{"NotANumber", "nan", std::nullopt}),
    [](const ::testing::TestParamInfo<NumberCase>& info) {
        return std::string(info.param.strName);
    });

TEST(ConfigFormatTest, WritesTwoCrLfLinesThatReadBack) {
    EXPECT_EQ(ConfigFile::format(1, 0), "instrument = 1\r\nmode = 0\r\n");
    EXPECT_EQ(ConfigFile::format(2, 1), "instrument = 2\r\nmode = 1\r\n");
    for (const int16_t intInstrument : {1, 2}) {
        for (const int16_t intMode : {0, 1}) {
            const auto values = ConfigFile::parse(ConfigFile::format(intInstrument, intMode));
            ASSERT_TRUE(values.has_value());
            EXPECT_EQ(values->intInstrument, intInstrument);
            EXPECT_EQ(values->intMode, intMode);
        }
    }
}

// ---- Real files beside the window ----

QByteArray configText(int intInstrument, int intMode) {
    return QString("instrument = %1\r\nmode = %2\r\n").arg(intInstrument).arg(intMode).toLatin1();
}

class ConfigWindowTest : public WindowFixture {
  protected:
    static constexpr const char* kFileName = "gamutrix.cfg";

    void expectStartState(int intInstrument, int intMode) const {
        EXPECT_EQ(window->CurrentInstrument(), intInstrument);
        EXPECT_EQ(window->Mode(), intMode);
        EXPECT_EQ(child<QAction>("mnuFretboard")->isChecked(), intInstrument == 1);
        EXPECT_EQ(child<QAction>("mnuKeyboard")->isChecked(), intInstrument == 2);
        EXPECT_EQ(child<QFrame>("FrameChord")->isVisible(), intMode == 1);
        // Scale mode starts on the first entry of the catalogue, chord mode on the major triad,
        // whose suffix is empty.
        EXPECT_EQ(child<QLineEdit>("TextTitle")->text(), intMode == 1 ? "C " : "C Ionian");
        EXPECT_EQ(child<QLineEdit>("TextScale")->text(), intMode == 1 ? "1,3,5" : "1,2,3,4,5,6,7");
    }

    // Everything in the program directory but the given names (temporary files left behind).
    QStringList otherEntries(const QStringList& expected) const {
        QStringList entries =
            QDir(programDir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QString& strName : expected) {
            entries.removeAll(strName);
        }
        return entries;
    }
};

// A file in the program directory (or none) and how the window must start from it.
struct StartCase {
    const char* strName;
    const char* strText; // nullptr: no file
    int intInstrument;
    int intMode;
};

class ConfigStartTest : public ConfigWindowTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(ConfigStartTest, StartsFromTheFileAndRewritesItOnClose) {
    const StartCase& row = GetParam();
    if (row.strText != nullptr) {
        writeFile(kFileName, row.strText);
    }
    start();
    expectStartState(row.intInstrument, row.intMode);
    window->close();
    EXPECT_EQ(readFile(kFileName), configText(row.intInstrument, row.intMode));
    EXPECT_EQ(otherEntries({kFileName}), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConfigStartTest,
    ::testing::Values(StartCase{"NoFile", nullptr, 1, 0},
                      StartCase{"PianoInChordMode", "instrument = 2\r\nmode = 1\r\n", 2, 1},
                      StartCase{"FretboardInChordMode", "instrument = 1\r\nmode = 1\r\n", 1, 1},
                      // Without a mode line the file means scale mode.
                      StartCase{"OnlyPiano", "instrument = 2\r\n", 2, 0},
                      StartCase{"CapitalKeyIgnored", "Instrument = 2\r\nmode = 1\r\n", 1, 1},
                      StartCase{"NoBlanks", "instrument=2\r\nmode=1\r\n", 2, 1},
                      StartCase{"ManyBlanks", "  instrument  =   2  \r\n  mode =  1   \r\n", 2, 1},
                      // An unknown value is ignored, the other one still counts.
                      StartCase{"InstrumentThree", "instrument = 3\r\nmode = 1\r\n", 1, 1},
                      StartCase{"ModeFive", "instrument = 2\r\nmode = 5\r\n", 2, 0},
                      StartCase{"NegativeInstrument", "instrument = -1\r\nmode = 1\r\n", 1, 1},
                      // A known key that cannot be read voids the file: defaults, then rewritten.
                      StartCase{"NonNumeric", "instrument = piano\r\nmode = 1\r\n", 1, 0},
                      StartCase{"MissingEquals", "instrument\r\nmode = 1\r\n", 1, 0},
                      StartCase{"ModeOutOfRange", "instrument = 2\r\nmode = 99999\r\n", 1, 0},
                      StartCase{"EmptyFile", "", 1, 0},
                      // Files edited on other systems.
                      StartCase{"EmptyLineSkipped", "instrument = 2\r\n\r\nmode = 1\r\n", 2, 1},
                      StartCase{"UnixLineEnds", "instrument = 2\nmode = 1\n", 2, 1},
                      StartCase{"ByteOrderMark", "\xEF\xBB\xBFinstrument = 2\r\nmode = 1\r\n", 2,
                                1},
                      StartCase{"Rounded", "instrument = 1.6\r\nmode = 0.5\r\n", 2, 0}),
    [](const ::testing::TestParamInfo<StartCase>& info) {
        return std::string(info.param.strName);
    });

TEST_F(ConfigWindowTest, TheRunsChoicesAreWrittenAndReadByTheNextRun) {
    start();
    QTest::keyClick(window.get(), Qt::Key_F3);
    QTest::keyClick(window.get(), Qt::Key_F9);
    window->close();
    EXPECT_EQ(readFile(kFileName), configText(2, 1));

    start();
    expectStartState(2, 1);
    // Back to scales on the fretboard.
    QTest::keyClick(window.get(), Qt::Key_F2);
    QTest::keyClick(window.get(), Qt::Key_F6);
    window->close();
    EXPECT_EQ(readFile(kFileName), configText(1, 0));
}

// Removes the configuration file when the window gets its close event, after noting what the
// file held then; a file present afterwards was written a second time.
class RemoveFileOnClose : public QObject {
  public:
    explicit RemoveFileOnClose(QString strPath) : strPath(std::move(strPath)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            QFile file(strPath);
            if (file.open(QIODevice::ReadOnly)) {
                collSeen << file.readAll();
                file.close();
                file.remove();
            } else {
                collSeen << QByteArray("(no file)");
            }
        }
        return QObject::eventFilter(watched, event);
    }

    QList<QByteArray> collSeen;

  private:
    QString strPath;
};

TEST_F(ConfigWindowTest, ExitWritesTheFileOnce) {
    start();
    QTest::keyClick(window.get(), Qt::Key_F3);
    RemoveFileOnClose spy(path(kFileName));
    window->installEventFilter(&spy);
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible()) << "Exit ends the program";
    // Written by Exit before the window closed, and not again by the closing.
    EXPECT_EQ(spy.collSeen, QList<QByteArray>{configText(2, 0)});
    EXPECT_FALSE(QFileInfo::exists(path(kFileName)));
    window.reset();
    EXPECT_FALSE(QFileInfo::exists(path(kFileName)));
}

TEST_F(ConfigWindowTest, ClosingWritesTheFileOnce) {
    start();
    QTest::keyClick(window.get(), Qt::Key_F9);
    window->close();
    EXPECT_EQ(readFile(kFileName), configText(1, 1));
    ASSERT_TRUE(QFile::remove(path(kFileName)));
    // Neither closing once more nor the end of the window writes again.
    window->close();
    window.reset();
    EXPECT_FALSE(QFileInfo::exists(path(kFileName)));
}

TEST_F(ConfigWindowTest, FailedWriteOnAFullDiskKeepsTheOldFile) {
    const QByteArray old = configText(2, 0);
    writeFile(kFileName, old);
    start();
    expectStartState(2, 0);
    QTest::keyClick(window.get(), Qt::Key_F2);
    QTest::keyClick(window.get(), Qt::Key_F9);
    {
        DiskFullScope diskFull;
        ASSERT_TRUE(diskFull.active());
        window->close();
    }
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(readFile(kFileName), old);
    EXPECT_EQ(otherEntries({kFileName}), QStringList()) << "no temporary file may remain";
}

TEST_F(ConfigWindowTest, ConfigPathTakenByADirectory) {
    // Neither readable nor replaceable, not even for root.
    ASSERT_TRUE(QDir(programDir.path()).mkdir(kFileName));
    start();
    expectStartState(1, 0);
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QFileInfo(path(kFileName)).isDir());
    EXPECT_TRUE(QDir(path(kFileName)).isEmpty());
    EXPECT_EQ(otherEntries({kFileName}), QStringList()) << "no temporary file may remain";
}

TEST_F(ConfigWindowTest, ProgramDirectoryThatDoesNotExist) {
    const QString strMissing = path("gone");
    window = std::make_unique<FormGamutrix>(strMissing);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    expectStartState(1, 0);
    window->close();
    EXPECT_FALSE(QFileInfo::exists(strMissing));
    EXPECT_EQ(otherEntries({}), QStringList());
}

} // namespace
