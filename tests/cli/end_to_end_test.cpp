// velquorran-chart run as a user runs it: files of the asked size in each format, the list of
// what is up, the settings file as the default latitude, and bad options refused with status 2
// and nothing written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

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

}  // namespace

TEST_F(EndToEnd, PngOfTheAskedSize) {
    const RunResult run = Chart(known_ + QStringList{"--size", "640x480", "--figures", "all",
                                                     "--deep-sky", "-o", "chart.png"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const QImage image(Path("chart.png"));
    EXPECT_EQ(image.size(), QSize(640, 480));
    EXPECT_EQ(image.pixel(0, 479), qRgb(0, 48, 0));
}

TEST_F(EndToEnd, SvgOfTheAskedSize) {
    const RunResult run = Chart(known_ + QStringList{"--size", "500x400", "-o", "chart.svg"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString svg = QString::fromUtf8(Bytes("chart.svg"));
    EXPECT_TRUE(svg.contains(QStringLiteral("viewBox=\"0 0 500 400\"")));
    const auto size =
        QRegularExpression(QStringLiteral("<svg[^>]*width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\""))
            .match(svg);
    ASSERT_TRUE(size.hasMatch());
    EXPECT_NEAR(size.captured(1).toDouble() * 96 / 25.4, 500, 0.5);
    EXPECT_NEAR(size.captured(2).toDouble() * 96 / 25.4, 400, 0.5);
    EXPECT_TRUE(svg.contains(QStringLiteral("2024/01/15  21:00:00")));
}

TEST_F(EndToEnd, PdfIsOnePageOfTheAskedSize) {
    const RunResult run = Chart(known_ + QStringList{"--print", "-o", "chart.pdf"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QByteArray pdf = Bytes("chart.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    const auto count =
        QRegularExpression(QStringLiteral("/Count (\\d+)")).match(QString::fromLatin1(pdf));
    ASSERT_TRUE(count.hasMatch());
    EXPECT_EQ(count.captured(1), QStringLiteral("1"));
    // The default 1200 x 900 pixels, one point each.
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 1200.000000 900.000000]"));
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

TEST_F(EndToEnd, UnwritableOutputExitsWithOneAndKeepsWhatWasThere) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("taken.png"));
    const RunResult run = Chart(known_ + QStringList{"-o", "taken.png"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("taken.png")));
    EXPECT_EQ(Entries(), QStringList{"taken.png"});
}

TEST_F(EndToEnd, HelpGoesToStandardOutput) {
    const RunResult run = Chart({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Usage: velquorran-chart")));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}
