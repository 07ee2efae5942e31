// The program started as a process with command-line options, as a shell or a script starts it.

#include "EndToEndFixture.h"

#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>

namespace {

// No display is offered: DISPLAY and WAYLAND_DISPLAY are removed and the X11 platform is asked
// for, which cannot start without one.
ProcessRun runProgram(const QStringList& args, const QString& strDir,
                      const QString& strBinary = QStringLiteral(GAMUTRIX_BINARY)) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    return runProcess(strBinary, args, strDir, env);
}

// Every way a command line can be wrong: exit status 2, exactly one line on standard error that
// says what is wrong, nothing on standard output, and no file written or changed (the folder
// holds a folder folder.png and a file sheet.png beforehand).
TEST(CommandLineErrors, OneLineStatusTwoNoFile) {
    // The arguments and a part of the line on standard error.
    const std::pair<QStringList, const char*> kRows[] = {
        {{"--export", "x.png", "--colour", "red"}, "colour"},
        {{"--export", "x.png", "extra"}, "extra"},
        {{"--root", "D"}, "--export"},
        {{"--export", ""}, "file name"},
        {{"--export", "x.jpg"}, ".png"},
        {{"--export", "x.png", "--root", "Cb"}, "Cb"},
        {{"--export", "x.png", "--root", "E#"}, "E#"},
        {{"--export", "x.png", "--root", "d"}, "unknown root"},
        {{"--export", "x.png", "--catalogue", "0"}, "1, 2 or 3"},
        {{"--export", "sheet.png", "--scale", "Dorain"}, "\"Dorian\""},
        {{"--export", "x.png", "--scale", "ian"}, "\"Ionian\", \"Dorian\" or \"Phrygian\"?"},
        {{"--export", "x.png", "--catalogue", "1", "--scale", "Blues Major"}, "Blues Major"},
        {{"--export", "x.png", "--scale", "Dorian", "--intervals", "1,3"}, "--intervals"},
        {{"--export", "x.png", "--name", "Mine"}, "--name"},
        {{"--export", "x.png", "--intervals", "1,,3"}, "unknown interval \"\""},
        {{"--export", "x.png", "--instrument", "banjo"}, "banjo"},
        {{"--export", "x.png", "--strings", "9"}, "--strings"},
        {{"--export", "x.png", "--tuning", "E#3,A3,D4"}, "\"E#3\""},
        {{"--export", "sheet.png", "--tuning", "E3,A3"}, "3 to 7"},
        {{"--export", "x.png", "--strings", "7", "--tuning", "E3,A3,D4,G4,B4,E5"}, "--strings"},
        {{"--export", "x.png", "--octave", "up"}, "--octave"},
        {{"--export", "x.png", "--scale-factor", "5"}, "--scale-factor"},
        {{"--export", "x.png", "--scale-factor", "1.5"}, "1.5"},
        {{"--export", "no/such/folder/x.png"}, "x.png"},
        {{"--export", "folder.png"}, "folder.png"},
        {{"--export", "x.mid", "--tempo", "241"}, "--tempo"},
        {{"--export", "x.mid", "--sound", "organ"}, "organ"},
        {{"--identify", "C E G", "--chords-of"}, "--chords-of"},
    };
    for (const auto& [args, strSays] : kRows) {
        SCOPED_TRACE(args.join(' ').toStdString());
        QTemporaryDir dir;
        ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
        ASSERT_TRUE(QFile(dir.filePath("sheet.png")).open(QIODevice::WriteOnly));
        const ProcessRun run = runProgram(args, dir.path());
        EXPECT_EQ(run.intExitCode, 2);
        EXPECT_TRUE(run.out.isEmpty() && run.err.count('\n') == 1 && run.err.endsWith('\n') &&
                    run.err.contains(strSays))
            << run.out.data() << run.err.data();
        EXPECT_EQ(entriesOf(dir.path()), (QStringList{"folder.png", "sheet.png"}));
        EXPECT_TRUE(entriesOf(dir.filePath("folder.png")).isEmpty() &&
                    contentOf(dir.filePath("sheet.png")).isEmpty());
    }
}

// What the program answers on standard output, with nothing on standard error and no file
// written. The Tools answers are tab-separated (their content is tested with the identify rules):
// D F A C is D m7 first, then F 6; D Dorian stacked in thirds is D F A C, E G B D, F A C E,
// G B D F, ...; five notes have no chords of this kind, which one line says. Help lists the
// program's options (the full help Qt's own too, which the window accepts).
TEST(CommandLineTools, AnswersOnStandardOutput) {
    const std::pair<QStringList, const char*> kRows[] = {
        {{"--identify", "D F A C"}, "chord\tD\tm7\t\t\nchord\tF\t6\t\t\n"},
        {{"--chords-of", "--root", "D", "--catalogue", "1", "--scale", "Dorian"},
         "I\tD m\tD m7\nII\tE m\tE m7\nIII\tF\tF maj7\nIV\tG\tG 7\nV\tA m\tA m7\n"
         "VI\tB o\tB m7b5\nVII\tC\tC maj7\n"},
        {{"--chords-of", "--intervals", "1,2,3,5,6"}, "C User-defined Scale has no chords"},
        {{"--help"}, "--scale-factor <1..4>"},
        {{"--help-all"}, "-platform"},
        {{"--version"}, "Gamutrix Lite 1.3a1\n"},
    };
    QTemporaryDir dir;
    for (const auto& [args, strSays] : kRows) {
        const ProcessRun run = runProgram(args, dir.path());
        EXPECT_EQ(run.intExitCode, 0);
        EXPECT_TRUE(run.out.contains(strSays) && run.err.isEmpty()) << run.out.constData();
    }
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}

// What Play plays, as a MIDI file: C Ionian on the default guitar starts on the low E string's
// eighth fret, C at MIDI 48 (note on 90 30 64), at 120 beats a minute (tempo ff 51 03, 500,000
// microseconds a beat) with the nylon guitar (program change c0 18, program 24); the major triad
// as a piano chord (c0 00) on the keyboard's C3 (MIDI 36), at the default 100 beats a minute
// (600,000 microseconds).
TEST(CommandLineTools, MidiFileOfTheScale) {
    // The options and hexadecimal parts of the file.
    const std::pair<QStringList, std::vector<const char*>> kRows[] = {
        {{"--tempo", "120"}, {"ff510307a120", "c018", "903064"}},
        // The chord's three notes start together: C3, E3, G3 (36, 40, 43).
        {{"--instrument", "keyboard", "--intervals", "1,3,5", "--chord", "--sound", "piano"},
         {"ff51030927c0", "c000", "9024640090286400902b64"}},
    };
    QTemporaryDir dir;
    for (const auto& [options, parts] : kRows) {
        ASSERT_EQ(runProgram(QStringList{"--export", "a.mid"} + options, dir.path()).intExitCode,
                  0);
        const QByteArray bytes = contentOf(dir.filePath("a.mid"));
        // Header: type 0, one track, 480 ticks a quarter note.
        EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("4d546864000000060000000101e0")));
        for (const char* strPart : parts) {
            EXPECT_TRUE(bytes.contains(QByteArray::fromHex(strPart))) << strPart;
        }
    }
}

// A marker centre worked out by hand in twips (15 to a pixel) and the colour expected there.
// Fretboard probes look 7 pixels above the centre, still inside the 10-pixel disc but clear of
// the string line and of the interval code printed in the middle; an empty place is white there.
// Keyboard probes look at the centre.
using At = std::tuple<int, int, QRgb>;

// Fretboard of the 8655 x 3375 picture, six strings with fret numbers: the nut at x 1028, string
// lines from y 758 every 350 (string 1, the highest, on top). A marker in fret space f sits at
// x = 1028 + 550 f - 275: 753, 1303, 1853, 2403, 2953, 3503, 4053, 4603, 5153, 5703, 6253, 6803,
// 7353 for f = 0..12. Keyboard: white key k spans 878 + 300 k .. + 300 from y 788; its marker
// centre is at x 1028 + 300 k, y 2363; a black key right of white key k has its marker at
// x 878 + 300 (k + 1), y 1688.
TEST(CommandLineRender, MarkersWhereWorkedOutByHand) {
    // The file, the options (a scale factor last), the texts of an SVG file when checked, and
    // the probes.
    using Render = std::tuple<const char*, const char*, const char*, std::vector<At>>;
    const Render kRenders[] = {
        // C Ionian: C on the B string fret 1, A string fret 3, high E fret 8; E (low E open) and
        // F (fret 1) members; F# on low E fret 2 and on the G string fret 11 not.
        Render("default.bmp", "", nullptr,
               {At(1303, 1108, kR), At(2403, 2158, kR), At(5153, 758, kR), At(753, 2508, kM),
                At(1303, 2508, kM), At(1853, 2508, kW), At(6803, 1458, kW)}),
        Render("double.png", "--scale-factor 2", nullptr, {At(1303, 1108, kR), At(1853, 2508, kW)}),
        // A title with markup characters still gives a valid SVG file.
        Render("triple.svg", "--intervals 1,3,5 --name <M>&\" --scale-factor 3", nullptr,
               {At(1303, 1108, kR), At(753, 2508, kM), At(1303, 2508, kW)}),
        // Without fret numbers the strings start 120 higher: y 638, 988, 1338, 1688, 2038, 2388.
        // Eb Dorian: Eb F Gb Ab Bb C Db; Eb on the D string fret 1 and the A string fret 6.
        Render("eb-dorian.svg",
               "--root Eb --scale Dorian --no-fret-numbers --no-tuning --no-intervals", "",
               {At(1303, 1688, kR), At(4053, 2038, kR), At(1303, 2388, kM), At(753, 2388, kW)}),
        // Mirrored: fret space f is at x = 7903 - 550 f; fret numbers from 12 down, the tuning
        // from the top string down.
        Render("left.svg", "--left-handed --no-intervals", "12 11 10 9 8 7 6 5 4 3 2 1 E B G D A E",
               {At(7903, 2508, kM), At(7353, 1108, kR), At(6253, 2158, kR), At(6803, 2508, kW)}),
        // The bottom string D: C at fret 10, Bb at fret 8 not, D open the second.
        Render("drop-d.png", "--tuning D3,A3,D4,G4,B4,E5 --no-intervals", nullptr,
               {At(6253, 2508, kR), At(5153, 2508, kW), At(753, 2508, kM), At(5153, 758, kR)}),
        // Four strings 2100 / 4 = 525 apart, top at 1688 - 1050 + 120 = 758: y 758, 1283, 1808,
        // 2333. The tuning's count sets them: E A D G, C at fret 8 of the E string.
        Render("bass.bmp", "--tuning E1,A1,D2,G2 --no-intervals", nullptr,
               {At(3503, 758, kR), At(5153, 758, kW), At(5153, 2333, kR), At(753, 2333, kM)}),
        // Alone, four strings are the four highest of the standard six: D G B E, Bb at fret 8
        // of the D string not.
        Render("four.bmp", "--strings 4 --no-intervals", nullptr,
               {At(753, 2333, kM), At(6253, 2333, kR), At(5153, 2333, kW), At(5153, 758, kR)}),
        // C3 and B3 on white keys 1 and 7 marked, C4 on key 8 and D#3 not; note names below.
        Render("keys.svg", "--instrument keyboard", "C D E F G A B",
               {At(1328, 2363, kB), At(3128, 2363, kB), At(3428, 2363, kW), At(1778, 1688, kB)}),
        // D3 E4 F#3 G4 A3 B4 C#4: the second, fourth and sixth an octave up; F#3 and C#4 as
        // white discs on black keys; interval codes instead of the note names.
        Render("keys-d.svg",
               "--instrument keyboard --root D --octave higher --no-note-names --show-intervals",
               "1 2 3 4 5 6 7",
               {At(1628, 2363, kB), At(1928, 2363, kW), At(4028, 2363, kB), At(2378, 1688, kW)}),
        Render("tuned.bmp",
               "--tuning E3,A3,D4,G4,B4,E5 --strings 6 --catalogue 1 --scale Ionian --root C "
               "--instrument fretboard --octave same",
               nullptr, {}),
    };
    // A copy of the program beside a configuration file that asks for the keyboard in chord
    // mode: the command line must neither read nor rewrite it.
    QTemporaryDir dir;
    const QString strProgram = dir.filePath("gamutrix");
    ASSERT_TRUE(QFile::copy(QStringLiteral(GAMUTRIX_BINARY), strProgram));
    const QByteArray bytesConfig("instrument = 2\r\nmode = 1\r\n");
    writeBytes(dir.filePath("gamutrix.cfg"), bytesConfig);
    for (const auto& [strFile, strOptions, strTexts, probes] : kRenders) {
        SCOPED_TRACE(strFile);
        const QStringList options = QString(strOptions).split(' ', Qt::SkipEmptyParts);
        const ProcessRun run =
            runProgram(QStringList{"--export", strFile} + options, dir.path(), strProgram);
        ASSERT_EQ(run.intExitCode, 0) << run.err.constData();
        EXPECT_TRUE(run.out.isEmpty() && run.err.isEmpty()) << run.err.constData();
        const QImage image(dir.filePath(strFile));
        if (QString(strFile).endsWith(".svg")) {
            // Circles and text of an SVG file are elements of their own, never a picture.
            const QByteArray svg = contentOf(dir.filePath(strFile));
            EXPECT_TRUE(svg.contains("<circle") && !svg.contains("<image"));
            // Its texts in the order they are drawn, separated by blanks.
            QStringList texts;
            static const QRegularExpression text(">([^<]*)</text>");
            for (const QRegularExpressionMatch& match : text.globalMatch(svg)) {
                texts << match.captured(1).trimmed();
            }
            if (strTexts != nullptr) {
                EXPECT_EQ(texts.join(' '), strTexts);
            }
        }
        const int s = options.contains("--scale-factor") ? options.last().toInt() : 1;
        ASSERT_EQ(image.size(), QSize(577 * s, 225 * s));
        const int intLift = options.contains("keyboard") ? 0 : 7 * s;
        for (const auto& [intX, intY, colour] : probes) {
            EXPECT_EQ(image.pixel(intX * s / 15, intY * s / 15 - intLift), colour)
                << "at twips (" << intX << ", " << intY << ")";
        }
    }
    EXPECT_EQ(contentOf(dir.filePath("gamutrix.cfg")), bytesConfig);
    // The standard tuning, given in full with every other default, gives exactly the default.
    EXPECT_EQ(QImage(dir.filePath("tuned.bmp")), QImage(dir.filePath("default.bmp")));
}

// --verbose names the file, relative to the working directory, with the window's title and
// interval lines ("User-defined Scale" for --intervals alone: see AnswersOnStandardOutput).
TEST(CommandLineRender, VerboseSaysWhatWasWritten) {
    const std::pair<QStringList, const char*> kRows[] = {
        {{"--root", "F#", "--catalogue", "3", "--scale", "maj9"}, "F# maj9 (1,3,(5),7,9)"},
        {{"--catalogue", "2", "--scale", "Phrygian"}, "C Phrygian (1,b2,b3,4,5,6,b7)"},
        {{"--root", "E", "--scale", "Phrygian"}, "E Phrygian (1,b2,b3,4,5,b6,b7)"},
        {{"--root", "G", "--catalogue", "3", "--scale", ""}, "G  (1,3,5)"},
        {{"--root", "Bb", "--intervals", "1,b3", "--name", "x"}, "Bb x (1,b3)"},
    };
    QTemporaryDir dir;
    const QString strPath = QFileInfo(dir.filePath("sheet.pdf")).absoluteFilePath();
    for (const auto& [options, strSays] : kRows) {
        const ProcessRun run = runProgram(
            QStringList{"--export", "sub/../sheet.pdf", "--verbose"} + options, dir.path());
        EXPECT_EQ(run.out, QString("Wrote %1: %2\n").arg(strPath, strSays).toUtf8());
    }
}

// Without the program's own options the window starts as before: here on the offscreen
// platform, still running after a while (a command-line run would have ended at once).
TEST(CommandLineRender, OtherArgumentsStartTheWindow) {
    QProcess process;
    process.start(QStringLiteral(GAMUTRIX_BINARY), {"-platform", "offscreen", "--not-ours"});
    EXPECT_FALSE(process.waitForFinished(1500));
    EXPECT_EQ(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished();
}

} // namespace
