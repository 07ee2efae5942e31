// The configuration file: its text on its own (also text no version of the program writes), then
// real files read when the window starts and written when the run ends, also things that are no
// such file at all in its place.

#include "ConfigFile.h"
#include "WindowFixture.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

using namespace std::string_literals;

TEST(ConfigParseTest, ReadsTheTwoValues) {
    // The text and what the reader makes of it: "instrument mode" (0 for a key it did not find), or
    // "void" when the whole file is ignored and the window keeps its defaults.
    const std::tuple<const char*, std::string, const char*> rows[] = {
        // As the program writes it (the window tests): CR LF. Files edited on other systems: LF or
        // CR line ends, none after the last line, empty and blank lines, an editor's byte-order
        // mark.
        {"LfWithEmptyAndBlankLines", "\ninstrument = 2\n\n  \nmode = 1\n", "2 1"},
        {"CrOnly", "instrument = 2\rmode = 1", "2 1"},
        {"ByteOrderMark", "\xEF\xBB\xBFinstrument = 2\r\nmode = 1\r\n", "2 1"},
        // A mark anywhere else belongs to the key, which is then unknown: fretboard.
        {"ByteOrderMarkLater", "mode = 1\r\n\xEF\xBB\xBFinstrument = 2", "0 1"},
        // Blanks around key, "=" and value do not matter; a tab is no blank.
        {"NoneAndManyBlanks", "instrument=2\r\n   mode   =   1   ", "2 1"},
        {"TabAfterValue", "instrument = 2\t\r\nmode = 1", "void"},
        // Keys are exact: "Instrument" is unknown, so the fretboard stays.
        {"CapitalKey", "Instrument = 2\r\nmode = 1", "0 1"},
        {"LastLineWins", "instrument = 1\ninstrument = 2\nmode = 1\nmode = 0", "2 0"},
        {"TextAfterSecondEquals", "instrument = 2 = 7\r\nmode = 1", "2 1"},
        // A known key that cannot be read voids the whole file, also the lines before it (a value
        // that is no number: the window tests).
        {"KeyWithoutEquals", "mode = 1\r\ninstrument\r\n", "void"},
        // A NUL makes a value no number.
        {"NulInValue", "instrument = 2\0\r\nmode = 1"s, "void"}};
    for (const auto& [strName, strText, strRead] : rows) {
        const auto read = ConfigFile::parse(strText);
        EXPECT_EQ(read ? QString("%1 %2").arg(read->intInstrument).arg(read->intMode) : "void",
                  strRead)
            << strName;
    }
}

// A value's text and the number it reads as; none voids the file.
using Num = std::pair<std::string, std::optional<int16_t>>;
constexpr std::nullopt_t kNone = std::nullopt;

TEST(ConfigNumberTest, DecimalNumbersRoundHalfToEvenInto16Bits) {
    const Num rows[] = {
        Num{"+2", 2}, Num{"-0", 0}, Num{"1e3", 1000}, Num{"5.", 5}, Num{".5", 0},
        // Halves go to the even neighbour, all else to the nearest; exactly, not through double.
        Num{"2.5", 2}, Num{"3.5", 4}, Num{"-2.5", -2}, Num{"2.50000000000000000001", 3},
        Num{"1.49999999999999999999", 1}, Num{"1e-400", 0}, Num{"0e99999999999999999999", 0},
        // The 16-bit range, also after rounding.
        Num{"32767", 32767}, Num{"-32768", -32768}, Num{"32768", kNone}, Num{"-32769", kNone},
        Num{"32767.5", kNone}, Num{"-32768.5", -32768}, Num{"1e400", kNone},
        // No decimal numbers.
        Num{"", kNone}, Num{"0x2", kNone}, Num{"two", kNone}, Num{"1 2", kNone}, Num{".", kNone},
        Num{"2e", kNone}, Num{"inf", kNone}, Num{"\xEF\xBC\x92", kNone}, Num{"2\0"s, kNone}};
    for (const auto& [strText, value] : rows) {
        EXPECT_EQ(ConfigFile::toInteger(strText), value) << '"' << strText << '"';
    }
}

using ConfigWindowTest = WindowFixture;

TEST_F(ConfigWindowTest, StartsFromTheFileAndWritesItOnClose) {
    // A file (nullptr: none) and the instrument and mode the window must start on.
    const std::tuple<const char*, int, int> rows[] = {
        {nullptr, 1, 0},
        {"instrument = 2\r\nmode = 1\r\n", 2, 1},
        // Without a mode line the file means scale mode.
        {"instrument = 2\r\n", 2, 0},
        // A value out of range is ignored, the other one still counts.
        {"instrument = 3\r\nmode = 1\r\n", 1, 1},
        {"instrument = 2\r\nmode = 5\r\n", 2, 0},
        // A void file: the defaults, and the file is rewritten at the end.
        {"instrument = piano\r\nmode = 1\r\n", 1, 0}};
    for (const auto& [strText, intInstrument, intMode] : rows) {
        SCOPED_TRACE(strText != nullptr ? strText : "no file");
        if (strText != nullptr) {
            writeFile("gamutrix.cfg", strText);
        }
        start();
        EXPECT_EQ(window->CurrentInstrument(), intInstrument);
        EXPECT_EQ(window->Mode(), intMode);
        EXPECT_EQ(child<QAction>("mnuKeyboard")->isChecked(), intInstrument == 2);
        EXPECT_EQ(child<QWidget>("FrameChord")->isVisible(), intMode == 1);
        window->close();
        EXPECT_EQ(
            readFile("gamutrix.cfg"),
            QString("instrument = %1\r\nmode = %2\r\n").arg(intInstrument).arg(intMode).toLatin1());
    }
}

// Takes the file away when the window gets its close event, noting whether it was there.
struct TakeFileOnClose : QObject {
    QString strPath;
    bool boolTaken = false;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        boolTaken = boolTaken || (event->type() == QEvent::Close && QFile::remove(strPath));
        return false;
    }
};

// Exit writes the file before the window closes; neither the closing nor the end of the window
// writes it again. (What it writes: the start table above.)
TEST_F(ConfigWindowTest, ExitWritesOnceBeforeTheWindowCloses) {
    TakeFileOnClose spy;
    spy.strPath = path("gamutrix.cfg");
    start().installEventFilter(&spy);
    pressKey(Qt::Key_X, Qt::ControlModifier);
    window.reset();
    EXPECT_TRUE(spy.boolTaken);
    EXPECT_FALSE(QFile::exists(spy.strPath));
}

// Neither a directory nor a named pipe is ever replaced: both stay. Reading the pipe would block
// the start-up until someone writes into it. Either way the window starts on the fretboard in scale
// mode and leaves no temporary file.
TEST_F(ConfigWindowTest, DirectoryOrNamedPipeInPlaceOfTheFile) {
    for (const bool boolPipe : {false, true}) {
        QDir(programDir.path()).rmdir("gamutrix.cfg");
        ASSERT_TRUE(boolPipe ? mkfifo(path("gamutrix.cfg").toLocal8Bit().constData(), 0600) == 0
                             : QDir(programDir.path()).mkdir("gamutrix.cfg"));
        start();
        EXPECT_EQ(window->CurrentInstrument(), 1);
        EXPECT_EQ(window->Mode(), 0);
        EXPECT_TRUE(window->close());
        EXPECT_EQ(QFileInfo(path("gamutrix.cfg")).isDir(), !boolPipe);
        EXPECT_EQ(entries(), QStringList{"gamutrix.cfg"});
    }
}

} // namespace
