// velquorran-chart run as a user runs it: files of the asked size in each format, the list of
// what is up, the settings file as the default latitude, and bad options refused with status 2
// and nothing written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

struct RunResult {
    int status = -1;
    QString out;
    QString err;
};

class EndToEnd : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    // Runs the renderer in the test's own folder.
    RunResult Chart(const QStringList& arguments) {
        QProcess process;
        process.setWorkingDirectory(folder_.path());
        process.start(QStringLiteral(VELQUORRAN_CHART), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        RunResult run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }
    QString Path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    QStringList Entries() const {
        return QDir(folder_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    QByteArray Bytes(const char* name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
    const QStringList known_{"--latitude", "51.5", "--time", "2024-01-15T21:00:00"};
};

// The size of a written picture as its format records it: PNG pixels, SVG millimetres at
// 96 dpi, PDF points (one a pixel), the metafile header's reference size in pixels.
QSize PictureSize(const QString& name, const QByteArray& data) {
    if (name.endsWith(".png")) return QImage::fromData(data, "PNG").size();
    if (name.endsWith(".emf") && data.size() >= 80)
        return QSize(qFromLittleEndian<qint32>(data.constData() + 72),
                     qFromLittleEndian<qint32>(data.constData() + 76));
    const bool svg = name.endsWith(".svg");
    const auto size =
        QRegularExpression(svg ? "<svg[^>]*width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\""
                               : "/MediaBox \\[0 0 ([0-9]+)\\.0+ ([0-9]+)\\.0+\\]")
            .match(QString::fromLatin1(data));
    const double scale = svg ? 96 / 25.4 : 1;
    return QSize(qRound(size.captured(1).toDouble() * scale),
                 qRound(size.captured(2).toDouble() * scale));
}

}  // namespace

// Each format of the asked (or the default 1200 x 900) size, written alone and silently, with
// the marks of its format and look: PNG in the screen's window green, the SVG's view box and
// printed date, a whole one-page PDF, the metafile's " EMF" signature and its size field.
TEST_F(EndToEnd, EachFormatIsWrittenOfTheAskedSize) {
    const struct {
        const char* name;
        QStringList options;
        QSize size;
    } rows[] = {{"chart.png", {"--size", "640x480", "--figures", "all", "--deep-sky"}, {640, 480}},
                {"chart.svg", {"--size", "500x400"}, {500, 400}},
                {"chart.pdf", {"--print"}, {1200, 900}},
                {"chart.emf", {"--size", "700x500"}, {700, 500}}};
    QStringList written;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const RunResult run = Chart(known_ + row.options + QStringList{"-o", row.name});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        written << row.name;
        written.sort();
        EXPECT_EQ(Entries(), written);
        EXPECT_EQ(PictureSize(row.name, Bytes(row.name)), row.size);
    }
    EXPECT_EQ(QImage(Path("chart.png")).pixel(0, 479), qRgb(0, 48, 0));
    const QString svg = QString::fromUtf8(Bytes("chart.svg"));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 500 400\""));
    EXPECT_TRUE(svg.contains("2024/01/15  21:00:00"));
    const QByteArray pdf = Bytes("chart.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(QRegularExpression("/Count (\\d+)").match(QString::fromLatin1(pdf)).captured(1), "1");
    const QByteArray emf = Bytes("chart.emf");
    ASSERT_GE(emf.size(), 108);
    EXPECT_EQ(qFromLittleEndian<quint32>(emf.constData()), 1u);  // EMR_HEADER first
    EXPECT_EQ(emf.mid(40, 4), QByteArray(" EMF"));
    EXPECT_EQ(qFromLittleEndian<quint32>(emf.constData() + 48), quint32(emf.size()));
}

TEST_F(EndToEnd, ListNamesWhatIsUpOnAWinterEveningInLondon) {
    const RunResult run = Chart(known_ + QStringList{"--list"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Betelgeuse")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Sirius")));
    EXPECT_FALSE(run.out.contains(QStringLiteral("Antares")));
    // label, altitude, azimuth, x, y: Sirius low in the south-south-east.
    const auto sirius =
        QRegularExpression(
            QStringLiteral("\\n2491: Sirius \\(Canis_Major\\)\\t([0-9.]+)\\t([0-9.]+)"
                           "\\t(\\d+)\\t(\\d+)\\n"))
            .match(run.out);
    ASSERT_TRUE(sirius.hasMatch()) << run.out.left(400).toStdString();
    EXPECT_NEAR(sirius.captured(1).toDouble(), 16.5, 1.0);
    EXPECT_NEAR(sirius.captured(2).toDouble(), 148.6, 1.0);
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(EndToEnd, LatitudeDefaultsToTheSettingsFileInTheCurrentFolder) {
    QFile settings(Path("Settings.dat"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("-33.000000\n");
    settings.close();
    const QStringList when{"--time", "2024-06-15T22:00:00", "--list"};
    const RunResult fromFile = Chart(when);
    const RunResult given = Chart(when + QStringList{"--latitude", "-33"});
    ASSERT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromFile.out, given.out);
    EXPECT_NE(fromFile.out, Chart(when + QStringList{"--latitude", "0"}).out);
    QFile::remove(Path("Settings.dat"));
    EXPECT_EQ(Chart(when).out, Chart(when + QStringList{"--latitude", "0"}).out);
}

TEST_F(EndToEnd, BadOptionsExitWithTwoAndWriteNothing) {
    const QStringList cases[] = {
        {"-o", "chart.png", "--latitude", "95"},
        {"-o", "chart.png", "--time", "2024-02-30T00:00:00"},
        {"-o", "chart.png", "--magnitude", "7"},
        {"-o", "chart.png", "--facing", "up"},
        {"-o", "chart.png", "--figures", "Ori,Xyz"},
        {"-o", "chart.png", "--size", "50x50"},
        {"-o", "chart.gif"},
        {"-o", "chart.png", "--frobnicate"},
        {"--deep-sky"},
    };
    for (const QStringList& arguments : cases) {
        const RunResult run = Chart(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("velquorran-chart: ")))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(Entries().isEmpty()) << arguments.join(' ').toStdString();
    }
}

// A link to a pipe: the pipe is not replaced, the run fails naming the file.
TEST_F(EndToEnd, UnwritableOutputExitsWithOneAndKeepsWhatWasThere) {
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("pipe", Path("taken.png")));
    const RunResult run = Chart(known_ + QStringList{"-o", "taken.png"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("taken.png"))) << run.err.toStdString();
    struct stat status {};
    EXPECT_EQ(lstat(QFile::encodeName(Path("pipe")).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_TRUE(QFileInfo(Path("taken.png")).isSymLink());
}

// Output the standard output did not take is a failure (status 1, a message), not silence. The
// platform Qt is told to use never matters: the renderer needs no display.
TEST_F(EndToEnd, LostStandardOutputFailsAndNoDisplayIsNeeded) {
    const struct {
        const char* shell;  // run by sh with the renderer as $0
        int status;
        const char* message;
    } rows[] = {{"\"$0\" --help > /dev/full", 1, "cannot write to standard output: No space"},
                {"\"$0\" --list --latitude 10 > /dev/full", 1, "No space left on device"},
                {"\"$0\" --help >&-", 1, "cannot write to standard output: Bad file"},
                {"\"$0\" --list --latitude 10 >&-", 1, "Bad file descriptor"},
                {"QT_QPA_PLATFORM=xcb DISPLAY= \"$0\" -o chart.png", 0, ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shell);
        QProcess process;
        process.setWorkingDirectory(folder_.path());
        process.start("/bin/sh", {"-c", row.shell, QStringLiteral(VELQUORRAN_CHART)});
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), row.status) << err.toStdString();
        EXPECT_TRUE(err.contains(row.message)) << err.toStdString();
    }
    EXPECT_EQ(QImage(Path("chart.png")).size(), QSize(1200, 900));
}

TEST_F(EndToEnd, HelpGoesToStandardOutput) {
    const RunResult run = Chart({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Usage: velquorran-chart")));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}
