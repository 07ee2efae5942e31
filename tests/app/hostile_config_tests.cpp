// The configuration reader against files that no version of the program writes: stray bytes,
// other line ends, huge lines and files, and numbers in every odd spelling. Every row says what
// the user sees: the program starts on the fretboard in scale mode unless a sound file says
// otherwise.

#include "ConfigFile.h"
#include "WindowFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace {

using namespace std::string_literals;

constexpr std::size_t kMegabyte = 1024 * 1024;

struct Expected {
    int16_t intInstrument;
    int16_t intMode;
};

constexpr std::optional<Expected> kVoid = std::nullopt;

struct ParseRow {
    const char* strName;
    std::string strText;
    std::optional<Expected> expected; // empty: the file is void, the defaults stay
};

void PrintTo(const ParseRow& row, std::ostream* os) {
    *os << row.strName;
}

class HostileParse : public ::testing::TestWithParam<ParseRow> {};

TEST_P(HostileParse, ReadsAsDocumented) {
    const ParseRow& row = GetParam();
    const std::optional<ConfigFile::Values> values = ConfigFile::parse(row.strText);
    ASSERT_EQ(values.has_value(), row.expected.has_value());
    if (values) {
        EXPECT_EQ(values->intInstrument, row.expected->intInstrument);
        EXPECT_EQ(values->intMode, row.expected->intMode);
    }
}

// A value of 0 means the key was absent (or read as 0): the window then keeps its default.
INSTANTIATE_TEST_SUITE_P(
    StrayBytes, HostileParse,
    ::testing::Values(
        // A NUL after the value makes it no number: the whole file is void, fretboard and scales.
        ParseRow{"NulAfterValue", "instrument = 2\0\r\nmode = 1\r\n"s, kVoid},
        // A NUL inside a key makes an unknown key, which is skipped: fretboard, chord mode.
        ParseRow{"NulInKey", "instr\0ument = 2\r\nmode = 1\r\n"s, Expected{0, 1}},
        // A line of nothing but NULs is an unknown key: piano keyboard, chord mode.
        ParseRow{"NulLine", "instrument = 2\r\n\0\0\0\r\nmode = 1\r\n"s, Expected{2, 1}},
        // An editor's UTF-8 byte-order mark is not part of the first key: piano keyboard, chords.
        ParseRow{"ByteOrderMark", "\xEF\xBB\xBFinstrument = 2\r\nmode = 1\r\n", Expected{2, 1}},
        // Only the first mark is skipped; a second one spoils the key, so it is ignored.
        ParseRow{"TwoByteOrderMarks", "\xEF\xBB\xBF\xEF\xBB\xBFinstrument = 2\r\nmode = 1\r\n",
                 Expected{0, 1}},
        // A mark in the middle of the file is no mark: that line's key is unknown.
        ParseRow{"ByteOrderMarkLater", "mode = 1\r\n\xEF\xBB\xBFinstrument = 2\r\n",
                 Expected{0, 1}},
        // A file holding only the mark reads as an empty file: fretboard, scales.
        ParseRow{"OnlyByteOrderMark", "\xEF\xBB\xBF", Expected{0, 0}},
        // UTF-16 (as some editors save) starts with FF FE and has NULs in every key: all
        // lines are unknown keys, so fretboard and scales.
        ParseRow{"Utf16", "\xFF\xFEi\0n\0s\0t\0r\0u\0m\0e\0n\0t\0 \0=\0 \0002\0\r\0\n\0"s,
                 Expected{0, 0}}),
    [](const auto& info) { return std::string(info.param.strName); });

INSTANTIATE_TEST_SUITE_P(
    LineEnds, HostileParse,
    ::testing::Values(
        // Old Mac line ends: piano keyboard, chord mode.
        ParseRow{"CrOnly", "instrument = 2\rmode = 1\r", Expected{2, 1}},
        // Nothing but line ends: empty lines are skipped; fretboard, scales.
        ParseRow{"OnlyCrs", std::string(1000, '\r'), Expected{0, 0}},
        ParseRow{"OnlyCrLfs", std::string(500, '\r') + std::string(500, '\n'), Expected{0, 0}},
        // LF CR is two line ends with an empty line between, which is skipped.
        ParseRow{"LfCr", "instrument = 2\n\rmode = 1\n\r", Expected{2, 1}},
        // The last line needs no line end.
        ParseRow{"NoFinalLineEnd", "instrument = 2\r\nmode = 1", Expected{2, 1}},
        // A CR inside what was meant as one line ends it: "mode" without "=" voids the file.
        ParseRow{"CrSplitsKeyFromValue", "instrument = 2\r\nmode\r= 1\r\n", kVoid},
        // Other white space is not a blank: a form feed makes the key unknown (ignored).
        ParseRow{"FormFeedInKey", "instrument\f= 2\r\nmode = 1\r\n", Expected{0, 1}}),
    [](const auto& info) { return std::string(info.param.strName); });

INSTANTIATE_TEST_SUITE_P(
    MegabyteLines, HostileParse,
    ::testing::Values(
        // A 1 MB line of an unknown key is skipped; the next line still counts: piano, scales.
        ParseRow{"LongUnknownKey", std::string(kMegabyte, 'x') + " = 1\r\ninstrument = 2\r\n",
                 Expected{2, 0}},
        // A line of 1 MB of "=" has an empty key: skipped.
        ParseRow{"LongRunOfEquals", "mode = 1\r\n" + std::string(kMegabyte, '='), Expected{0, 1}},
        // 1 MB of blanks around a value is still only blanks: piano keyboard.
        ParseRow{"LongBlanks",
                 std::string(kMegabyte, ' ') + "instrument =" + std::string(kMegabyte, ' ') + "2",
                 Expected{2, 0}},
        // Leading zeros do not change a number: piano keyboard.
        ParseRow{"LongLeadingZeros", "instrument = " + std::string(kMegabyte, '0') + "2",
                 Expected{2, 0}},
        // A tiny fraction far behind the point rounds to 0: scale mode, not a void file.
        ParseRow{"LongFraction", "mode = 1\r\nmode = 0." + std::string(kMegabyte, '0') + "1",
                 Expected{0, 0}},
        // A number a million digits long is far outside 16 bits: void, fretboard and scales.
        ParseRow{"LongNumber", "mode = 1\r\ninstrument = 1" + std::string(kMegabyte, '0'), kVoid},
        // Text after the second "=" is ignored, however long: piano keyboard.
        ParseRow{"LongTextAfterSecondEquals",
                 "instrument = 2 =" + std::string(kMegabyte, '?') + "\r\n", Expected{2, 0}}),
    [](const auto& info) { return std::string(info.param.strName); });

// Numbers in odd spellings, each as the instrument line of a file whose mode line says chords.
struct NumberRow {
    const char* strName;
    std::string strValue;
    std::optional<int16_t> value; // what toInteger makes of it; empty: not a number
    Expected seen;                // what the window starts with
};

void PrintTo(const NumberRow& row, std::ostream* os) {
    *os << row.strName;
}

constexpr Expected kDefaults{1, 0};        // void file: fretboard, scale mode
constexpr Expected kFretboardChords{1, 1}; // a number but no instrument: only the mode counts
constexpr Expected kPianoChords{2, 1};

class HostileNumber : public WindowFixture, public ::testing::WithParamInterface<NumberRow> {};

TEST_P(HostileNumber, ConvertsAndStartsAsDocumented) {
    const NumberRow& row = GetParam();
    EXPECT_EQ(ConfigFile::toInteger(row.strValue), row.value);

    QFile file(path("gamutrix.cfg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string strText = "instrument = " + row.strValue + "\r\nmode = 1\r\n";
    ASSERT_EQ(file.write(strText.data(), static_cast<qint64>(strText.size())),
              static_cast<qint64>(strText.size()));
    file.close();

    const FormGamutrix& form = start();
    EXPECT_EQ(form.CurrentInstrument(), row.seen.intInstrument);
    EXPECT_EQ(form.Mode(), row.seen.intMode);
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, HostileNumber,
    ::testing::Values(
        // An exponent is allowed: 1000 is no instrument, so the fretboard in chord mode.
        NumberRow{"Exponent", "1e3", 1000, kFretboardChords},
        NumberRow{"ExponentGivesTwo", "0.2E+1", 2, kPianoChords},
        // Hexadecimal is not decimal: the file is void.
        NumberRow{"Hexadecimal", "0x2", std::nullopt, kDefaults},
        NumberRow{"PlusSign", "+2", 2, kPianoChords},
        // Halves go to the even neighbour: 2.5 is 2 (piano), 1.5 is 2 as well.
        NumberRow{"HalfDown", "2.5", 2, kPianoChords}, NumberRow{"HalfUp", "1.5", 2, kPianoChords},
        NumberRow{"NegativeZero", "-0", 0, kFretboardChords},
        NumberRow{"JustAboveRange", "32768", std::nullopt, kDefaults},
        NumberRow{"JustBelowRange", "-32769", std::nullopt, kDefaults},
        NumberRow{"LowestInRange", "-32768", -32768, kFretboardChords},
        // 32767.5 rounds to the even 32768, outside 16 bits; -32768.5 rounds to -32768.
        NumberRow{"TopHalfLeavesRange", "32767.5", std::nullopt, kDefaults},
        NumberRow{"BottomHalfStays", "-32768.5", -32768, kFretboardChords},
        NumberRow{"HugeExponent", "1e400", std::nullopt, kDefaults},
        // Found in review: these went through double, which called 1e-400 a range error (void
        // file) and took a value a hair above or below a half for the half itself.
        NumberRow{"TinyExponent", "1e-400", 0, kFretboardChords},
        NumberRow{"HairAboveHalf", "2.50000000000000000001", 3, kFretboardChords},
        NumberRow{"HairBelowHalf", "1.49999999999999999999", 1, kFretboardChords},
        NumberRow{"HairBelowTopHalf", "32767.4999999999999999999", 32767, kFretboardChords},
        NumberRow{"ZeroWithHugeExponent", "0e99999999999999999999", 0, kFretboardChords},
        NumberRow{"NoWholePart", ".5", 0, kFretboardChords},
        NumberRow{"NoFractionDigits", "5.", 5, kFretboardChords},
        NumberRow{"PointOnly", ".", std::nullopt, kDefaults},
        NumberRow{"ExponentWithoutDigits", "2e", std::nullopt, kDefaults},
        // An empty or blank value is no number: void.
        NumberRow{"Empty", "", std::nullopt, kDefaults},
        NumberRow{"Blank", " ", std::nullopt, kDefaults},
        // A tab is not a blank, so it is not trimmed: void.
        NumberRow{"LeadingTab", "\t2", std::nullopt, kDefaults},
        NumberRow{"TrailingTab", "2\t", std::nullopt, kDefaults},
        NumberRow{"BlankInsideNumber", "2 0", std::nullopt, kDefaults},
        NumberRow{"DecimalComma", "2,0", std::nullopt, kDefaults},
        // A full-width digit two (UTF-8) is not an ASCII digit: void.
        NumberRow{"FullWidthDigit", "\xEF\xBC\x92", std::nullopt, kDefaults}),
    [](const auto& info) { return std::string(info.param.strName); });

// Bytes that only the real file reading can get wrong (a text mode would turn CR LF or cut at a
// NUL): through the window's start-up.
using HostileFileStart = WindowFixture;

TEST_F(HostileFileStart, RawBytesReachTheReader) {
    static constexpr char kBytes[] =
        "\xEF\xBB\xBFinstrument = 1\r\n\0\r\r\ninstrument = 2\rmode = 1";
    const QByteArray bytes(kBytes, sizeof kBytes - 1);
    QFile file(path("gamutrix.cfg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();
    // Piano keyboard in chord mode: the NUL line is skipped and the later instrument line wins.
    const FormGamutrix& form = start();
    EXPECT_EQ(form.CurrentInstrument(), 2);
    EXPECT_EQ(form.Mode(), 1);
}

// A directory where the file should be: no file to read (fretboard, scales), and the write at the
// end fails silently, leaving the directory as it was.
TEST_F(HostileFileStart, DirectoryInPlaceOfTheFile) {
    ASSERT_TRUE(QDir(programDir.path()).mkdir("gamutrix.cfg"));
    FormGamutrix& form = start();
    EXPECT_EQ(form.CurrentInstrument(), 1);
    EXPECT_EQ(form.Mode(), 0);
    form.close();
    EXPECT_TRUE(QFileInfo(path("gamutrix.cfg")).isDir());
    EXPECT_EQ(QDir(programDir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"gamutrix.cfg"});
}

// A named pipe of that name would block a reader until someone writes into it: the program must
// start at once with its defaults, and the write at the end replaces the pipe by a real file.
TEST_F(HostileFileStart, NamedPipeInPlaceOfTheFile) {
    ASSERT_EQ(mkfifo(path("gamutrix.cfg").toLocal8Bit().constData(), 0600), 0);
    FormGamutrix& form = start();
    EXPECT_EQ(form.CurrentInstrument(), 1);
    EXPECT_EQ(form.Mode(), 0);
    form.close();
    EXPECT_TRUE(QFileInfo(path("gamutrix.cfg")).isFile());
}

// 50 MB files: start-up still takes well under the time a user would wait, and the reader goes
// through to the end of the file.
class HugeFileStart : public WindowFixture {
  protected:
    // About 50 MB of the line pair "instrument = 1" / "mode = 0", then strLast.
    void writeHugeFile(const QByteArray& strLast) {
        const QByteArray pair("instrument = 1\r\nmode = 0\r\n");
        QFile file(path("gamutrix.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QByteArray block = pair.repeated(static_cast<qsizetype>(kMegabyte) / pair.size());
        for (int i = 0; i < 50; ++i) {
            ASSERT_EQ(file.write(block), block.size());
        }
        ASSERT_EQ(file.write(strLast), strLast.size());
    }

    static constexpr qint64 kReasonableStartMs = 10000;
};

TEST_F(HugeFileStart, LastValuesWin) {
    writeHugeFile("instrument = 2\r\nmode = 1\r\n");
    QElapsedTimer timer;
    timer.start();
    const FormGamutrix& form = start();
    const qint64 elapsedMs = timer.elapsed();
    // The piano keyboard in chord mode, from the file's last two lines.
    EXPECT_EQ(form.CurrentInstrument(), 2);
    EXPECT_EQ(form.Mode(), 1);
    EXPECT_LT(elapsedMs, kReasonableStartMs);
    RecordProperty("StartMilliseconds", static_cast<int>(elapsedMs));
}

TEST_F(HugeFileStart, VoidingLastLineVoidsAll) {
    // A broken mode line at the very end voids 50 MB of sound lines: fretboard, scales.
    writeHugeFile("instrument = 2\r\nmode = chords\r\n");
    QElapsedTimer timer;
    timer.start();
    const FormGamutrix& form = start();
    EXPECT_LT(timer.elapsed(), kReasonableStartMs);
    EXPECT_EQ(form.CurrentInstrument(), 1);
    EXPECT_EQ(form.Mode(), 0);
}

} // namespace
