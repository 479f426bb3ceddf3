// velquorran-chart in the user's language, run through the shell as a user runs it (the test's
// environment is English: LANG=C, the other variables cleared). The chart's names, the messages
// and --help follow LANGUAGE, LC_ALL, LC_MESSAGES and LANG or --language, from the build tree's
// translations and whether or not the machine has the locale; English stays byte for byte what
// it was; the lines for scripts (--list, --find) stay English.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
    QByteArray file;  // the file named, when given
};

Outcome Shell(const QString& command, const QString& file = QString()) {
    QTemporaryDir folder;
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start("/bin/sh", {"-c", command, VELQUORRAN_CHART});
    Outcome run;
    if (!process.waitForFinished(60000)) return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    if (!file.isEmpty()) {
        QFile written(folder.filePath(file));
        if (written.open(QIODevice::ReadOnly)) run.file = written.readAll();
    }
    return run;
}

const QString Evening = " --latitude 51.5 --time 2024-01-15T21:00:00 ";

// The texts an SVG draws, one per <text> element.
QStringList SvgTexts(const QByteArray& svg) {
    QStringList texts;
    static const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    for (const QRegularExpressionMatch& match : text.globalMatch(QString::fromUtf8(svg)))
        texts << match.captured(1).trimmed();
    return texts;
}

}  // namespace

// With LANG=de_DE.UTF-8 and --labels all the Sun, Moon and planets are named in German in the
// file's text, with the German compass points, date and decimal comma; the stars keep their
// names. English (LANG=C, or no variable at all) is what it always was, and the same bytes.
TEST(Languages, ChartNamesInGermanEnglishUnchanged) {
    const QString chart = "\"$0\"" + Evening + "--labels all --size 900x700 -o chart.svg";
    const Outcome german = Shell("LANG=de_DE.UTF-8 " + chart, "chart.svg");
    const Outcome c = Shell(chart, "chart.svg");
    const Outcome bare = Shell("unset LANG; " + chart, "chart.svg");
    ASSERT_EQ(german.status, 0) << german.err.toStdString();
    ASSERT_EQ(c.status, 0);
    const QStringList de = SvgTexts(german.file), en = SvgTexts(c.file);
    for (const char* text : {"Mond", "Jupiter", "Uranus", "Neptun", "O", "NO", "Sirius",
                             "Betelgeuse", "Datum und Uhrzeit der Karte:", "15.01.2024  21:00:00",
                             "Schw\u00e4chste Sterne: 4,4 mag"})
        EXPECT_TRUE(de.contains(QString::fromUtf8(text))) << text;
    for (const char* text : {"Moon", "Neptune", "E", "NE", "Date &amp; Time of Map:",
                             "2024/01/15  21:00:00", "Dimmest Star Magnitude: 4.4"}) {
        EXPECT_FALSE(de.contains(QString::fromUtf8(text))) << text;
        EXPECT_TRUE(en.contains(QString::fromUtf8(text))) << text;
    }
    EXPECT_EQ(bare.file, c.file);
}

// Which language the variables choose, and --language over them; a language without a
// translation is a bad option.
TEST(Languages, TheEnvironmentAndTheOption) {
    const struct {
        const char* shell;
        int status;
        const char* start;  // how the output begins (standard error for a status of 2)
    } rows[] = {
        {"LANG=de_DE.UTF-8 \"$0\" --help", 0, "Aufruf: velquorran-chart"},
        {"LANG=de_AT \"$0\" --help", 0, "Aufruf:"},
        {"LC_ALL=fr_FR.UTF-8 LANG=de_DE.UTF-8 \"$0\" --help", 0, "Usage : velquorran-chart"},
        {"LC_MESSAGES=es_ES.UTF-8 LANG=de_DE.UTF-8 \"$0\" --help", 0, "Uso: velquorran-chart"},
        {"LANGUAGE=es:de LANG=fr_FR.UTF-8 \"$0\" --help", 0, "Uso:"},
        {"LANGUAGE=nl:de LANG=fr_FR.UTF-8 \"$0\" --help", 0, "Aufruf:"},
        {"LANGUAGE=de LANG=C \"$0\" --help", 0, "Usage: velquorran-chart"},
        {"LANG=en_GB.UTF-8 \"$0\" --help", 0, "Usage: velquorran-chart"},
        {"LANG=nl_NL.UTF-8 \"$0\" --help", 0, "Usage: velquorran-chart"},
        {"LANG=de_DE.UTF-8 \"$0\" --language fr --help", 0, "Usage :"},
        {"\"$0\" --language=es_MX --help", 0, "Uso:"},
        {"LANG=de_DE.UTF-8 \"$0\" --language en --help", 0, "Usage: velquorran-chart"},
        {"\"$0\" --help --language xx", 2,
         "velquorran-chart: --language must be one of de, en, es, fr, not \"xx\""},
        {"LANG=de_DE.UTF-8 \"$0\" -o a.png --latitude 95", 2,
         "velquorran-chart: --latitude muss eine Gradzahl"},
        {"LANG=fr_FR.UTF-8 \"$0\" -o a.gif", 2,
         "velquorran-chart: le nom du fichier de sortie doit finir par .png, .svg, .pdf ou .emf"},
        {"LANG=es_ES.UTF-8 \"$0\" --latitude 51.5 --time 2024-01-15T21:00:00 --find Jupyter", 2,
         "velquorran-chart: ning\u00fan objeto se llama \"Jupyter\"; nombres parecidos: J"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shell);
        const Outcome run = Shell(QString::fromUtf8(row.shell));
        EXPECT_EQ(run.status, row.status) << run.err.toStdString();
        const QString& said = row.status == 2 ? run.err : run.out;
        EXPECT_TRUE(said.startsWith(QString::fromUtf8(row.start))) << said.left(200).toStdString();
    }
}

// The lines scripts read are the same in every language: English names, decimal points; a name
// in the language is found all the same.
TEST(Languages, ListAndFindStayEnglish) {
    const QString list = "\"$0\"" + Evening + "--deep-sky --list";
    const Outcome english = Shell(list), german = Shell("LANG=de_DE.UTF-8 " + list);
    ASSERT_EQ(german.status, 0);
    EXPECT_EQ(german.out, english.out);
    EXPECT_TRUE(english.out.contains("\nMoon\t") && english.out.contains("; Mag=4.0\t"));
    // A file in German and the list in English from one run.
    const Outcome both = Shell("LANG=de_DE.UTF-8 " + list + " -o chart.svg", "chart.svg");
    EXPECT_EQ(both.out, english.out);
    EXPECT_TRUE(SvgTexts(both.file).contains("Datum und Uhrzeit der Karte:"));
    const Outcome found = Shell("LANG=de_DE.UTF-8 \"$0\"" + Evening + "--find Mond");
    EXPECT_EQ(found.status, 0) << found.err.toStdString();
    EXPECT_TRUE(found.out.startsWith("Moon\t")) << found.out.toStdString();
}

// --help in each language keeps within the English text's widest line, so that it fits where the
// English one does.
TEST(Languages, HelpKeepsItsWidth) {
    auto widest = [](const QString& text) {
        qsizetype width = 0;
        for (const QString& line : text.split('\n')) width = std::max(width, line.size());
        return width;
    };
    const qsizetype english = widest(Shell("\"$0\" --help").out);
    ASSERT_GT(english, 60);
    for (const char* language : {"de", "fr", "es"}) {
        const Outcome help = Shell(QStringLiteral("\"$0\" --help --language ") + language);
        EXPECT_EQ(help.status, 0);
        EXPECT_LE(widest(help.out), english) << language;
        EXPECT_TRUE(help.out.contains("--language")) << language;
    }
}
