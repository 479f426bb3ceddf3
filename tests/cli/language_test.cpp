// velquorran-chart in the user's language, run through the shell as a user runs it (the test's
// environment is English: LANG=C, the other variables cleared). The chart's names, the messages
// and --help follow the environment or --language, from the build tree's translations, whether
// or not the machine has the locale; English stays byte for byte what it was; the lines for
// scripts (--list, --find) stay English.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
    QStringList texts;  // of the SVG chart.svg, when written
};

Outcome Shell(const QString& command) {
    QTemporaryDir folder;
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start("/bin/sh", {"-c", command, VELQUORRAN_CHART});
    Outcome run;
    if (!process.waitForFinished(60000)) return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    QFile svg(folder.filePath("chart.svg"));
    static const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    if (svg.open(QIODevice::ReadOnly))
        for (const auto& match : text.globalMatch(QString::fromUtf8(svg.readAll())))
            run.texts << match.captured(1).trimmed();
    return run;
}

const QString Evening = " --latitude 51.5 --time 2024-01-15T21:00:00 ";

}  // namespace

// With LANG=de_DE.UTF-8 and --labels all the Sun, Moon and planets are named in German in the
// file's text, with the German compass points, date and decimal comma; the stars keep their
// names. In English (LANG=C, or no variable at all) the file is what it always was. The list that
// scripts read is English in both.
TEST(Languages, ChartNamesInGermanEnglishUnchanged) {
    const QString chart = "\"$0\"" + Evening + "--labels all --deep-sky --list -o chart.svg";
    const Outcome german = Shell("LANG=de_DE.UTF-8 " + chart), c = Shell(chart),
                  bare = Shell("unset LANG; " + chart);
    ASSERT_EQ(german.status, 0) << german.err.toStdString();
    for (const char* text : {"Mond", "Jupiter", "Neptun", "O", "NO", "Sirius",
                             "15.01.2024  21:00:00", "Schw\u00e4chste Sterne: 4,4 mag"})
        EXPECT_TRUE(german.texts.contains(QString::fromUtf8(text))) << text;
    for (const char* text : {"Moon", "Neptune", "E", "NE", "Date &amp; Time of Map:",
                             "2024/01/15  21:00:00", "Dimmest Star Magnitude: 4.4"}) {
        EXPECT_FALSE(german.texts.contains(text)) << text;
        EXPECT_TRUE(c.texts.contains(text)) << text;
    }
    EXPECT_EQ(bare.texts, c.texts);
    EXPECT_EQ(german.out, c.out);
    EXPECT_TRUE(c.out.contains("\nMoon\t") && c.out.contains("; Mag=4.0\t"));
}

// The environment's language and --language over it, for --help and for messages; a language
// without a translation is a bad option; a name in the language is found, and printed in English
// for scripts.
TEST(Languages, HelpAndMessages) {
    // clang-format off
    const struct { const char* shell; int status; const char* start; } rows[] = {
        {"LANG=de_AT \"$0\" --help", 0, "Aufruf: velquorran-chart"},
        {"LANGUAGE=es:de LANG=fr_FR.UTF-8 \"$0\" --help", 0, "Uso: velquorran-chart"},
        {"LANG=de_DE.UTF-8 \"$0\" --language fr_CA --help", 0, "Usage : velquorran-chart"},
        {"\"$0\" --help --language xx", 2, "velquorran-chart: --language must be one of de, en, es, fr, not \"xx\""},
        {"LANG=de_DE.UTF-8 \"$0\" -o a.png --latitude 95", 2, "velquorran-chart: --latitude muss eine Gradzahl"},
        {"LANG=es_ES.UTF-8 \"$0\" --find Jupyter", 2, "velquorran-chart: ning\u00fan objeto se llama \"Jupyter\"; nombres parecidos: J"},
        {"LANG=de_DE.UTF-8 \"$0\" --latitude 51.5 --find Mond", 0, "Moon\t"}};
    // clang-format on
    for (const auto& row : rows) {
        const Outcome run = Shell(QString::fromUtf8(row.shell));
        EXPECT_EQ(run.status, row.status) << row.shell << run.err.toStdString();
        EXPECT_TRUE((row.status == 2 ? run.err : run.out).startsWith(QString::fromUtf8(row.start)))
            << row.shell;
    }
}
