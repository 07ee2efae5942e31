// The program started as a process with command-line options, as a shell or a script starts it.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProcessResult {
    int intExitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Starts the program in strWorkDir. No display is offered: DISPLAY and WAYLAND_DISPLAY are
// removed and the X11 platform is asked for, which cannot start without one.
ProcessResult runProgram(const QStringList& collArguments, const QString& strWorkDir,
                         const QString& strBinary = QStringLiteral(GAMUTRIX_BINARY)) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(strWorkDir);
    process.start(strBinary, collArguments);
    ProcessResult run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.intExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QStringList entriesOf(const QString& strDir) {
    return QDir(strDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

// Every way a command line can be wrong: exit status 2, exactly one line on standard error
// that says what is wrong, nothing on standard output, and no file written.
TEST(CommandLineErrors, OneLineStatusTwoNoFile) {
    const struct {
        const char* strLabel;
        QStringList collArguments;
        const char* strSays;
    } kRows[] = {
        {"unknown option", {"--export", "x.png", "--colour", "red"}, "colour"},
        {"option without value", {"--export", "x.png", "--root"}, "root"},
        {"switch with value", {"--export", "x.png", "--left-handed=yes"}, "left-handed"},
        {"stray argument", {"--export", "x.png", "extra"}, "extra"},
        {"no command", {"--root", "D"}, "--export"},
        {"empty file name", {"--export", ""}, "file name"},
        {"unsupported type", {"--export", "x.jpg"}, ".png"},
        {"no extension", {"--export", "picture"}, ".png"},
        {"C flat", {"--export", "x.png", "--root", "Cb"}, "Cb"},
        {"E sharp", {"--export", "x.png", "--root", "E#"}, "E#"},
        {"F flat", {"--export", "x.png", "--root", "Fb"}, "Fb"},
        {"B sharp", {"--export", "x.png", "--root", "B#"}, "B#"},
        {"unknown root", {"--export", "x.png", "--root", "H"}, "root"},
        {"catalogue 4", {"--export", "x.png", "--catalogue", "4"}, "catalogue"},
        {"catalogue word", {"--export", "x.png", "--catalogue", "main"}, "catalogue"},
        {"unknown scale", {"--export", "x.png", "--scale", "Dorain"}, "\"Dorian\""},
        {"scale of another catalogue",
         {"--export", "x.png", "--catalogue", "1", "--scale", "Blues Major"},
         "Blues Major"},
        {"name starting with a dash", {"--export", "x.png", "--scale=-x"}, "-x"},
        {"scale and intervals",
         {"--export", "x.png", "--scale", "Dorian", "--intervals", "1,3"},
         "--intervals"},
        {"name without intervals", {"--export", "x.png", "--name", "Mine"}, "--name"},
        {"unknown interval", {"--export", "x.png", "--intervals", "1,b3,q"}, "\"q\""},
        {"unknown instrument", {"--export", "x.png", "--instrument", "banjo"}, "banjo"},
        {"strings out of range", {"--export", "x.png", "--strings", "9"}, "--strings"},
        {"strings not a number", {"--export", "x.png", "--strings", "6.5"}, "--strings"},
        {"tuning note unknown", {"--export", "x.png", "--tuning", "E3,A3,D4,G4,B4,X5"}, "X5"},
        {"tuning without octave", {"--export", "x.png", "--tuning", "E,A,D,G,B,E"}, "tuning"},
        {"tuning and strings disagree",
         {"--export", "x.png", "--strings", "7", "--tuning", "E3,A3,D4,G4,B4,E5"},
         "--strings"},
        {"octave word", {"--export", "x.png", "--octave", "up"}, "--octave"},
        {"scale factor 0", {"--export", "x.png", "--scale-factor", "0"}, "--scale-factor"},
        {"scale factor 5", {"--export", "x.png", "--scale-factor", "5"}, "--scale-factor"},
        {"scale factor fraction", {"--export", "x.png", "--scale-factor", "1.5"}, "1.5"},
        {"folder missing", {"--export", "no/such/folder/x.png"}, "x.png"},
        {"not writable", {"--export", "/proc/gamutrix-test.png"}, "gamutrix-test.png"},
        {"a folder", {"--export", "folder.png"}, "folder.png"},
        {"tempo too slow", {"--export", "x.mid", "--tempo", "39"}, "--tempo"},
        {"tempo too fast", {"--export", "x.mid", "--tempo", "241"}, "--tempo"},
        {"unknown sound", {"--export", "x.mid", "--sound", "organ"}, "organ"},
        {"unknown note to identify", {"--identify", "D F H"}, "\"H\""},
        {"E sharp to identify", {"--identify", "C E#"}, "E#"},
        {"two commands", {"--identify", "C E G", "--chords-of"}, "--chords-of"},
        {"chords of an unknown scale", {"--chords-of", "--scale", "Dorain"}, "\"Dorian\""},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.strLabel);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
        const ProcessResult run = runProgram(row.collArguments, dir.path());
        EXPECT_EQ(run.intExitCode, 2);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
        EXPECT_TRUE(run.err.endsWith('\n'));
        EXPECT_TRUE(run.err.contains(row.strSays)) << run.err.constData();
        EXPECT_EQ(entriesOf(dir.path()), QStringList{"folder.png"});
        EXPECT_TRUE(QDir(dir.filePath("folder.png")).isEmpty());
    }
}

// The Tools answers on standard output, tab-separated.
TEST(CommandLineTools, IdentifyAndChordsOfTheScale) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // D F A C: D m7 with D in the bass first, then F 6 on the same notes; among the scales, C
    // Ionian and D Dorian each add E, G and B in their own order.
    ProcessResult run = runProgram({"--identify", "D F A C"}, dir.path());
    EXPECT_EQ(run.intExitCode, 0);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
    const QList<QByteArray> collLines = run.out.split('\n');
    ASSERT_GE(collLines.size(), 3);
    EXPECT_EQ(collLines[0], "chord\tD\tm7\t\t");
    EXPECT_EQ(collLines[1], "chord\tF\t6\t\t");
    EXPECT_TRUE(collLines.contains("scale\tC\tIonian\t1\tE G B"));
    EXPECT_TRUE(collLines.contains("scale\tD\tDorian\t1\tE G B"));

    // D Dorian stacked in thirds: D F A C, E G B D, F A C E, G B D F, ...
    run = runProgram({"--chords-of", "--root", "D", "--catalogue", "1", "--scale", "Dorian"},
                     dir.path());
    EXPECT_EQ(run.intExitCode, 0);
    EXPECT_EQ(run.out, "I\tD m\tD m7\nII\tE m\tE m7\nIII\tF\tF maj7\nIV\tG\tG 7\n"
                       "V\tA m\tA m7\nVI\tB o\tB m7b5\nVII\tC\tC maj7\n");
    // Five notes have no chords of this kind: one line that says so, and success.
    run = runProgram({"--chords-of", "--intervals", "1,2,3,5,6"}, dir.path());
    EXPECT_EQ(run.intExitCode, 0);
    EXPECT_EQ(run.out.count('\n'), 1);
    EXPECT_TRUE(run.out.contains("no chords")) << run.out.constData();
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}

// What Play plays, as a MIDI file: C Ionian on the default guitar starts on the low E string's
// eighth fret, C at MIDI 48, at 120 beats a minute (500,000 microseconds a beat) with the
// nylon guitar (program 24); the major triad as a piano chord on the keyboard's C3 (MIDI 36),
// program 0.
TEST(CommandLineTools, MidiFileOfTheScale) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto midiOf = [&](const QStringList& collArguments) {
        const ProcessResult run = runProgram(collArguments, dir.path());
        EXPECT_EQ(run.intExitCode, 0) << run.err.constData();
        QFile file(dir.filePath("play.mid"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QByteArray bytes = midiOf({"--export", "play.mid", "--tempo", "120"});
    // Header: type 0, one track, 480 ticks a quarter note.
    EXPECT_EQ(bytes.left(14).toHex(), "4d546864000000060000000101e0");
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("ff510307a120"))) << "tempo";
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("c018"))) << "nylon guitar";
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("903064"))) << "C3 on";
    bytes = midiOf({"--export", "play.mid", "--instrument", "keyboard", "--intervals", "1,3,5",
                    "--chord", "--sound", "piano"});
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("ff51030927c0"))) << "default tempo 100";
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("c000"))) << "grand piano";
    // The chord's three notes start together: C3, E3, G3 (36, 40, 43).
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("9024640090286400902b64")))
        << bytes.toHex().constData();
}

TEST(CommandLineErrors, ExistingFileIsLeftAsItWas) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString strPath = dir.filePath("sheet.png");
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("earlier content");
    file.close();
    for (const QStringList& collArguments :
         {QStringList{"--export", "sheet.png", "--scale", "Nonesuch"},
          QStringList{"--export", "sheet.png", "--tuning", "E3,A3"}}) {
        const ProcessResult run = runProgram(collArguments, dir.path());
        EXPECT_EQ(run.intExitCode, 2);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("earlier content"));
        file.close();
        EXPECT_EQ(entriesOf(dir.path()), QStringList{"sheet.png"});
    }
}

TEST(CommandLineInfo, HelpAndVersion) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* strHelp : {"--help", "-h"}) {
        const ProcessResult run = runProgram({strHelp}, dir.path());
        EXPECT_EQ(run.intExitCode, 0);
        EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
        for (const char* strOption :
             {"--export", "--root", "--catalogue", "--scale", "--intervals", "--name",
              "--instrument", "--strings", "--tuning", "--left-handed", "--no-fret-numbers",
              "--no-tuning", "--no-intervals", "--octave", "--no-note-names", "--show-intervals",
              "--scale-factor", "--verbose", "--version"}) {
            EXPECT_TRUE(run.out.contains(strOption)) << strOption;
        }
    }
    // The full help adds Qt's own options, which the window accepts.
    const ProcessResult runAll = runProgram({"--help-all"}, dir.path());
    EXPECT_EQ(runAll.intExitCode, 0);
    EXPECT_TRUE(runAll.out.contains("--export"));
    EXPECT_TRUE(runAll.out.contains("platform"));
    EXPECT_TRUE(runAll.err.isEmpty()) << runAll.err.constData();

    const ProcessResult run = runProgram({"--version"}, dir.path());
    EXPECT_EQ(run.intExitCode, 0);
    EXPECT_EQ(run.out, QByteArray("Gamutrix Lite 1.3a1\n"));
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}

// Marker colours of the views.
constexpr QRgb kRoot = qRgb(153, 0, 0);
constexpr QRgb kMember = qRgb(102, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

// A marker centre worked out by hand in twips (15 to a pixel) and the colour expected there.
// Fretboard probes look 7 pixels above the centre, still inside the 10-pixel disc but clear of
// the string line and of the interval code printed in the middle; an empty place is white there.
struct Probe {
    int intX;
    int intY;
    QRgb colour;
};

// A rectangle in twips that holds some text (ink) or none.
struct Region {
    int x1, y1, x2, y2;
    bool boolInk;
};

struct Render {
    const char* strLabel;
    const char* strFile;
    QStringList collOptions;
    int intScale;
    int intLiftPixels; // 7 on the fretboard, 0 on the keyboard (the probe is the centre)
    std::vector<Probe> collProbes;
    std::vector<Region> collRegions;
};

// Fretboard of the 8655 x 3375 picture, six strings with fret numbers: the nut at x 1028, string
// lines from y 758 every 350 (string 1, the highest, on top). A marker in fret space f sits at
// x = 1028 + 550 f - 275: 753, 1303, 1853, 2403, 2953, 3503, 4053, 4603, 5153, 5703, 6253, 6803,
// 7353 for f = 0..12. Keyboard: white key k spans 878 + 300 k .. + 300 from y 788; its marker
// centre is at x 1028 + 300 k, y 2363; a black key right of white key k has its marker at
// x 878 + 300 (k + 1), y 1688.
const std::vector<Render>& renders() {
    static const std::vector<Render> kRenders{
        {"start-up picture, C Ionian",
         "default.bmp",
         {},
         1,
         7,
         {
             {1303, 1108, kRoot},   // B string, fret 1: C
             {2403, 2158, kRoot},   // A string, fret 3: C
             {5153, 758, kRoot},    // high E string, fret 8: C
             {753, 2508, kMember},  // low E open: the third
             {1303, 2508, kMember}, // low E, fret 1: F, the fourth
             {1853, 2508, kWhite},  // low E, fret 2: F# is not in C Ionian
             {6803, 1458, kWhite},  // G string, fret 11: F#
         },
         {
             {0, 600, 495, 2700, true},    // tuning names left of the board
             {1028, 240, 7628, 450, true}, // fret numbers above it
         }},
        {"twice the size",
         "double.png",
         {"--scale-factor", "2"},
         2,
         7,
         {{1303, 1108, kRoot}, {753, 2508, kMember}, {1853, 2508, kWhite}},
         {}},
        {"Eb Dorian without labels",
         "eb-dorian.png",
         {"--root", "Eb", "--scale", "Dorian", "--no-fret-numbers", "--no-tuning",
          "--no-intervals"},
         1,
         7,
         // Without fret numbers the strings start 120 higher: y 638, 988, 1338, 1688, 2038, 2388.
         // Eb Dorian: Eb F Gb Ab Bb C Db.
         {
             {1303, 1688, kRoot},   // D string, fret 1: Eb
             {4053, 2038, kRoot},   // A string, fret 6: Eb
             {1303, 2388, kMember}, // low E, fret 1: F
             {1303, 988, kMember},  // B string, fret 1: C
             {753, 2388, kWhite},   // low E open: E is not in it
             {753, 988, kWhite},    // B open
         },
         {
             {0, 600, 495, 2700, false},
             {1028, 240, 7628, 450, false},
         }},
        {"left-handed",
         "left.bmp",
         {"--left-handed", "--no-intervals"},
         1,
         7,
         // Mirrored: fret space f is at x = 7903 - 550 f.
         {
             {7903, 2508, kMember}, // low E open, now right of the nut
             {7353, 1108, kRoot},   // B string, fret 1: C
             {6253, 2158, kRoot},   // A string, fret 3: C
             {6803, 2508, kWhite},  // low E, fret 2: F#
             {753, 2508, kWhite},   // where the right-handed open string was
         },
         {{0, 600, 495, 2700, true}}},
        {"drop D tuning",
         "drop-d.png",
         {"--tuning", "D3,A3,D4,G4,B4,E5", "--no-intervals"},
         1,
         7,
         {
             {6253, 2508, kRoot},  // bottom string D, fret 10: C
             {5153, 2508, kWhite}, // bottom string, fret 8: Bb
             {753, 2508, kMember}, // bottom string open: D, the second
             {5153, 758, kRoot},   // top string still E: fret 8 is C
         },
         {}},
        {"bass, four strings",
         "bass.bmp",
         {"--strings", "4", "--tuning", "E1,A1,D2,G2", "--no-intervals"},
         1,
         7,
         // 2100 / 4 = 525 apart, top at 1688 - 1050 + 120 = 758: y 758, 1283, 1808, 2333.
         {
             {3503, 758, kRoot},   // top string G, fret 5: C
             {5153, 758, kWhite},  // top string, fret 8: Eb
             {5153, 2333, kRoot},  // bottom string E, fret 8: C
             {753, 2333, kMember}, // bottom string open: E
         },
         {}},
        {"seven strings",
         "seven.png",
         {"--tuning", "B2,E3,A3,D4,G4,B4,E5", "--no-intervals"},
         1,
         7,
         // 300 apart from 758: the low B on y 2558, the low E on y 2258.
         {{1303, 2558, kRoot}, {5153, 2258, kRoot}, {753, 2558, kMember}},
         {}},
        {"own intervals, A minor triad",
         "a-minor.png",
         {"--root", "A", "--intervals", "1,b3,5", "--name", "minor triad", "--no-intervals"},
         1,
         7,
         {
             {753, 2158, kRoot},    // A string open
             {2403, 2158, kMember}, // A string, fret 3: C
             {753, 2508, kMember},  // low E open: the fifth
             {1303, 2508, kWhite},  // low E, fret 1: F
             {1303, 1108, kMember}, // B string, fret 1: C
         },
         {}},
        {"keyboard, C Ionian",
         "keys.png",
         {"--instrument", "keyboard"},
         1,
         0,
         {
             {1328, 2363, kBlack}, // C3 on white key 1
             {3128, 2363, kBlack}, // B3 on white key 7
             {3428, 2363, kWhite}, // C4 on white key 8 is not marked
             {1778, 1688, kBlack}, // the black key right of key 2 (D#3) is not marked
         },
         {
             {1178, 2700, 7478, 2900, true},  // note names below the keys
             {1178, 2915, 7478, 3150, false}, // no interval codes below them
         }},
        {"keyboard, D Ionian one octave higher",
         "keys-d.bmp",
         {"--instrument", "keyboard", "--root", "D", "--octave", "higher", "--no-note-names",
          "--show-intervals"},
         1,
         0,
         // D3 E4 F#3 G4 A3 B4 C#4: the second, fourth and sixth move up an octave.
         {
             {1628, 2363, kBlack}, // D3 on key 2
             {1928, 2363, kWhite}, // E3 on key 3 has moved up
             {4028, 2363, kBlack}, // E4 on key 10
             {2378, 1688, kWhite}, // F#3: white disc on the black key right of key 4
             {3578, 1688, kWhite}, // C#4 on the black key right of key 8
             {1778, 1688, kBlack}, // D#3 not marked
         },
         {
             // Codes alone take the first row below the keys; nothing below that.
             {1178, 2700, 7478, 2900, true},
             {1178, 2915, 7478, 3150, false},
         }},
        {"keyboard with names and interval codes",
         "keys-both.png",
         {"--instrument", "keyboard", "--show-intervals"},
         1,
         0,
         {{1328, 2363, kBlack}},
         {
             {1178, 2700, 7478, 2900, true},
             {1178, 2915, 7478, 3150, true}, // codes in the second row
         }},
    };
    return kRenders;
}

bool hasInk(const QImage& image, const Region& region, int intScale) {
    const int x1 = region.x1 * intScale / 15;
    const int x2 = region.x2 * intScale / 15;
    const int y1 = region.y1 * intScale / 15;
    const int y2 = region.y2 * intScale / 15;
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() + colour.green() + colour.blue() < 600) {
                return true;
            }
        }
    }
    return false;
}

TEST(CommandLineRender, MarkersWhereWorkedOutByHand) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Render& render : renders()) {
        SCOPED_TRACE(render.strLabel);
        const ProcessResult run =
            runProgram(QStringList{"--export", render.strFile} + render.collOptions, dir.path());
        ASSERT_EQ(run.intExitCode, 0) << run.err.constData();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
        const QImage image(dir.filePath(render.strFile));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(577 * render.intScale, 225 * render.intScale));
        for (const Probe& probe : render.collProbes) {
            const int x = probe.intX * render.intScale / 15;
            const int y =
                probe.intY * render.intScale / 15 - render.intLiftPixels * render.intScale;
            EXPECT_EQ(image.pixel(x, y), probe.colour)
                << "at twips (" << probe.intX << ", " << probe.intY << "), pixel (" << x << ", "
                << y << ")";
        }
        for (const Region& region : render.collRegions) {
            EXPECT_EQ(hasInk(image, region, render.intScale), region.boolInk)
                << "region from (" << region.x1 << ", " << region.y1 << ")";
        }
    }
}

// The same state as the "Eb Dorian without labels" render, as SVG drawn back and as a PDF page.
TEST(CommandLineRender, VectorFilesShowTheSameState) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList collState{
        "--root", "Eb", "--scale", "Dorian", "--no-fret-numbers", "--no-tuning", "--no-intervals"};
    ASSERT_EQ(runProgram(QStringList{"--export", "sheet.svg"} + collState, dir.path()).intExitCode,
              0);
    QSvgRenderer renderer(dir.filePath("sheet.svg"));
    ASSERT_TRUE(renderer.isValid());
    QImage image(577, 225, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    // Eb on the D string, fret 1; F on the low E string, fret 1; B open is not in the scale.
    EXPECT_EQ(image.pixel(1303 / 15, 1688 / 15 - 7), kRoot);
    EXPECT_EQ(image.pixel(1303 / 15, 2388 / 15 - 7), kMember);
    EXPECT_EQ(image.pixel(753 / 15, 988 / 15 - 7), kWhite);

    ASSERT_EQ(runProgram(QStringList{"--export", "sheet.pdf"} + collState, dir.path()).intExitCode,
              0);
    QProcess pdftotext;
    pdftotext.start("pdftotext", {dir.filePath("sheet.pdf"), "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QByteArray text = pdftotext.readAllStandardOutput();
    EXPECT_TRUE(text.contains("Eb Dorian")) << text.constData();
    EXPECT_TRUE(text.contains("1,2,b3,4,5,6,b7")) << text.constData();
}

TEST(CommandLineRender, StandardTuningGivesTheDefaultPicture) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(runProgram({"--export", "plain.png"}, dir.path()).intExitCode, 0);
    ASSERT_EQ(runProgram({"--export", "tuned.png", "--tuning", "E3,A3,D4,G4,B4,E5", "--strings",
                          "6", "--catalogue", "1", "--scale", "Ionian", "--root", "C",
                          "--instrument", "fretboard", "--octave", "same"},
                         dir.path())
                  .intExitCode,
              0);
    const QImage imagePlain(dir.filePath("plain.png"));
    ASSERT_FALSE(imagePlain.isNull());
    EXPECT_EQ(QImage(dir.filePath("tuned.png")), imagePlain);
}

TEST(CommandLineRender, VerboseSaysWhatWasWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ProcessResult run = runProgram({"--export", "sub/../sheet.svg", "--root", "F#",
                                          "--catalogue", "3", "--scale", "maj9", "--verbose"},
                                         dir.path());
    ASSERT_EQ(run.intExitCode, 0) << run.err.constData();
    // Relative to the working directory; the window's title and interval lines.
    EXPECT_EQ(run.out, QStringLiteral("Wrote %1: F# maj9 (1,3,(5),7,9)\n")
                           .arg(QFileInfo(dir.filePath("sheet.svg")).absoluteFilePath())
                           .toUtf8());
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("sheet.svg")));
}

// A copy of the program beside a configuration file that asks for the keyboard: the command
// line must neither read nor rewrite it.
TEST(CommandLineRender, ConfigurationFileIsNeitherReadNorWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString strProgram = dir.filePath("gamutrix");
    ASSERT_TRUE(QFile::copy(QStringLiteral(GAMUTRIX_BINARY), strProgram));
    const QString strConfig = dir.filePath("gamutrix.cfg");
    const QByteArray bytesConfig("instrument = 2\r\nmode = 1\r\n");
    QFile file(strConfig);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytesConfig);
    file.close();
    const QDateTime timeWritten = QFileInfo(strConfig).lastModified();

    const ProcessResult run =
        runProgram({"--export", "out.bmp", "--no-intervals"}, dir.path(), strProgram);
    ASSERT_EQ(run.intExitCode, 0) << run.err.constData();
    const QImage image(dir.filePath("out.bmp"));
    ASSERT_FALSE(image.isNull());
    // The fretboard of the start-up defaults, not the keyboard the file names.
    EXPECT_EQ(image.pixel(1303 / 15, 1108 / 15 - 7), kRoot);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytesConfig);
    EXPECT_EQ(QFileInfo(strConfig).lastModified(), timeWritten);
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"gamutrix", "gamutrix.cfg", "out.bmp"}));
}

// Without the program's own options the window starts as before: here on the offscreen
// platform, still running after a while (a command-line run would have ended at once).
TEST(CommandLineRender, OtherArgumentsStartTheWindow) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString strProgram = dir.filePath("gamutrix");
    ASSERT_TRUE(QFile::copy(QStringLiteral(GAMUTRIX_BINARY), strProgram));
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(strProgram, {"-platform", "offscreen", "--not-ours"});
    ASSERT_TRUE(process.waitForStarted());
    EXPECT_FALSE(process.waitForFinished(1500));
    EXPECT_EQ(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished();
}

} // namespace
