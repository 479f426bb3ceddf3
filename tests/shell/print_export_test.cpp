// "To File..." and "To Printer...": the dialogs answered through their seams (and once the real
// QFileDialog driven as a user would), the files written, the printed page, the failures.
#include "shell/print_export.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest/QTest>
#include <cmath>
#include <cstdio>

#include "render/emf_writer.h"
#include "render/page_setup.h"
#include "render/qt_surface.h"
#include "tests/shell/emf_chart_fixture.h"

namespace {

class PrintExport : public EmfChartFixture {
  protected:
    void SetUp() override {
        EmfChartFixture::SetUp();
        std::snprintf(ViewSettings.metafileName, MetafileNameSize, "StarMap.emf");
        previousSave_ =
            SavePaths().Replace([this](QWidget*, const QString& start, const QStringList& filters) {
                offered.push_back(start);
                offeredFilters = filters;
                if (answers.empty()) return SaveChoice{};
                SaveChoice answer = answers.front();
                answers.erase(answers.begin());
                return answer;
            });
        previousPrinter_ = Printers().Replace([this](QWidget*, QPrinter& printer) {
            ++printDialogs;
            if (printTo.isEmpty()) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printTo);
            printer.setCopyCount(3);  // chosen in the dialog, never applied
            return true;
        });
    }
    void TearDown() override {
        SavePaths().Replace(previousSave_);
        Printers().Replace(previousPrinter_);
        EmfChartFixture::TearDown();
    }

    QByteArray Read(const QString& name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Everything in the folder, files and folders alike.
    QStringList Files() const {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    std::vector<SaveChoice> answers;
    std::vector<QString> offered;
    QStringList offeredFilters;
    QString printTo;
    int printDialogs = 0;

  private:
    SavePathSeam::Function previousSave_;
    PrinterSeam::Function previousPrinter_;
};

const QString EmfFilter = "Enhanced Metafiles (*.emf)";

// Each answer written in its format, a name without extension getting the chosen filter's
// (".emf" by default), and the next dialog starting from the last path chosen ("StarMap.emf"
// at first); a cancelled dialog writes and remembers nothing and runs no pass.
TEST_F(PrintExport, EachAnswerIsWrittenInItsFormatAndOfferedNextTime) {
    const struct {
        const char* answer;
        QString filter;
        const char* written;
    } rows[] = {{"first.emf", EmfFilter, "first.emf"},
                {"plain", EmfFilter, "plain.emf"},
                {"picture", "PNG Images (*.png)", "picture.png"},
                {"chart.svg", EmfFilter, "chart.svg"},
                {"chart.pdf", EmfFilter, "chart.pdf"}};
    QString previous = "StarMap.emf";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.answer);
        answers = {{folder.filePath(row.answer), row.filter}};
        EXPECT_TRUE(RunExportCommand(nullptr, window));
        EXPECT_EQ(offered.back(), previous);
        previous = folder.filePath(row.written);
        EXPECT_EQ(QString::fromUtf8(ViewSettings.metafileName), previous);
    }
    HotSpotCount = 123;  // what the last screen pass left
    EXPECT_FALSE(RunExportCommand(nullptr, window));
    EXPECT_EQ(HotSpotCount, 123);
    EXPECT_EQ(offered.back(), previous);
    EXPECT_EQ(QString::fromUtf8(ViewSettings.metafileName), previous);
    EXPECT_EQ(offeredFilters.value(0), EmfFilter);
    EXPECT_EQ(offeredFilters.size(), 4);
    EXPECT_EQ(Files(),
              (QStringList{"chart.pdf", "chart.svg", "first.emf", "picture.png", "plain.emf"}));

    // All in the metafile look at the window's client size: a metafile header, the printed date
    // (not on screen), the night sky disc, a white page (not the window green) in a black frame.
    for (const char* name : {"first.emf", "plain.emf"}) {
        ExpectFields(FileBytes(name), 0,
                     {{0, EMR_HEADER}, {40, EmfSignature}, {72, 800}, {76, 600}});
    }
    const QString svg = QString::fromUtf8(Read("chart.svg"));
    EXPECT_TRUE(svg.contains("2024/03/07  21:05:09"));
    EXPECT_TRUE(svg.contains("#000040", Qt::CaseInsensitive));
    EXPECT_TRUE(Read("chart.pdf").startsWith("%PDF"));
    QImage png;
    ASSERT_TRUE(png.loadFromData(Read("picture.png"), "PNG"));
    EXPECT_EQ(png.size(), QSize(800, 600));
    EXPECT_EQ(png.pixelColor(0, 0), QColor(Qt::black));  // the frame, over the corner pixel
    EXPECT_EQ(png.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_TRUE(messages.empty());
}

// A missing folder or a pipe: a message naming the file, nothing written, the pipe left a pipe,
// the path still remembered (only its file name if too long for the 260 bytes kept).
TEST_F(PrintExport, UnwritableTargetShowsAMessageNamingTheFileAndWritesNothing) {
    const QString longFolder = folder.filePath(QString(270, QLatin1Char('d')));
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath("pipe.emf")).constData(), 0600), 0);
    const struct {
        QString path;
        QString remembered;
    } rows[] = {{folder.filePath("missing/chart.emf"), folder.filePath("missing/chart.emf")},
                {folder.filePath("missing/chart.svg"), folder.filePath("missing/chart.svg")},
                {folder.filePath("pipe.emf"), folder.filePath("pipe.emf")},
                {longFolder + "/far.emf", "far.emf"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        messages.clear();
        answers = {{row.path, EmfFilter}};
        EXPECT_TRUE(RunExportCommand(nullptr, window));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].caption, "Velquorran");
        EXPECT_EQ(messages[0].icon, MessageIcon::Error);
        EXPECT_NE(messages[0].text.find(row.path.toStdString()), std::string::npos);
        EXPECT_EQ(QString::fromUtf8(ViewSettings.metafileName), row.remembered);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"pipe.emf"});
    EXPECT_FALSE(QFileInfo(folder.filePath("pipe.emf")).isFile());
}

// The print dialog cancelled (no pass), a printer that cannot start ("Could not print", nothing
// written), then one page printed despite the copies chosen.
TEST_F(PrintExport, PrintCancelledRefusedOrPrintedOnOnePage) {
    HotSpotCount = 123;  // what the last screen pass left
    EXPECT_FALSE(RunPrintCommand(nullptr, window));
    EXPECT_EQ(HotSpotCount, 123);
    EXPECT_TRUE(messages.empty());

    printTo = folder.filePath("missing/page.pdf");
    EXPECT_TRUE(RunPrintCommand(nullptr, window));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Could not print");
    EXPECT_EQ(messages[0].caption, "Could not print");
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(Files().isEmpty());

    printTo = folder.filePath("page.pdf");
    EXPECT_TRUE(RunPrintCommand(nullptr, window));
    const QString pdf = QString::fromLatin1(Read("page.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(printDialogs, 3);
    // The pass ran in printer coordinates: the hot spots are far beyond an 800 x 600 window.
    ASSERT_GT(HotSpotCount, 0);
    EXPECT_GT(HotSpotTable[HotSpotCount - 1].x + HotSpotTable[HotSpotCount - 1].y, 1400);
}

// The printer pass on a 200 dpi page image: white sky with a black outline, black filled
// star circles of radius n^0.3 x glyph scale, the scale following the printer font's height.
TEST_F(PrintExport, PrintedPageHasWhiteSkyBlackOutlineAndScaledStarCircles) {
    // Stars only: no red or green lines across them.
    for (int i = 0; i < ConstellationCount; ++i) ConstellationTable[i].shown = false;
    for (int i = 0; i < DeepSkyCount; ++i) DeepSkyTable[i].shown = false;
    QImage page(1600, 2000, QImage::Format_RGB32);
    page.setDotsPerMeterX(7874);  // 200 dpi
    page.setDotsPerMeterY(7874);
    page.fill(Qt::white);
    const QFont font = PrinterFont(RendererFont(14));
    QPainter painter(&page);
    QtSurface probe(painter, font);
    const ChartLayout layout = ComputeChartLayout(probe, ChartPrinter, window, ViewSettings.margin);
    DrawPrinterPage(painter, window, font, ChartPens{});
    painter.end();
    // 14 px at 96 dpi is 10.5 pt, 29 px at 200 dpi: the line height sets the glyph scale.
    EXPECT_GE(layout.lineHeight, 30);
    EXPECT_EQ(layout.glyphScale, layout.markSize <= 3 ? 1 : layout.markSize / 4);
    EXPECT_GE(layout.glyphScale, 2);

    for (int y = 0; y < page.height(); y += 3) {
        for (int x = 0; x < page.width(); x += 3)
            ASSERT_TRUE(page.pixel(x, y) != qRgb(0, 0, 64) && page.pixel(x, y) != qRgb(0, 0, 128));
    }
    // The disc's left rim (east, whose label hangs below it) is black, white just outside.
    EXPECT_EQ(page.pixelColor(layout.centreX - layout.radius, layout.centreY - 4), Qt::black);
    EXPECT_EQ(page.pixelColor(layout.centreX - layout.radius - 3, layout.centreY - 4), Qt::white);

    // Isolated stars: black from the centre to radius - 1, white at radius + 1.
    const double limit = ViewSettings.dimmestMagnitude;
    auto radiusOf = [&](double magnitude) {
        const int n = std::min(45, static_cast<int>(std::floor(std::pow(1.99, limit - magnitude))));
        return static_cast<int>(std::pow(n, 0.3) * layout.glyphScale);
    };
    int checked = 0;
    for (int a = 1; a <= MaxStarNumber; ++a) {
        const Star& star = StarTable[a];
        if (!star.visible || star.magnitude > limit) continue;
        const int r = radiusOf(star.magnitude);
        const int dx0 = star.chartX - layout.centreX, dy0 = star.chartY - layout.centreY;
        if (dx0 * dx0 + dy0 * dy0 > (layout.radius - 60) * (layout.radius - 60)) continue;
        bool isolated = true;
        for (int b = 1; b <= MaxStarNumber && isolated; ++b) {
            const Star& other = StarTable[b];
            if (b == a || !other.visible) continue;
            const int dx = other.chartX - star.chartX, dy = other.chartY - star.chartY;
            isolated = dx * dx + dy * dy >
                       (r + 3 * layout.glyphScale + 6) * (r + 3 * layout.glyphScale + 6);
        }
        if (!isolated) continue;
        EXPECT_EQ(page.pixelColor(star.chartX, star.chartY), Qt::black) << a;
        EXPECT_EQ(page.pixelColor(star.chartX + r - 1, star.chartY), Qt::black) << a;
        EXPECT_EQ(page.pixelColor(star.chartX + r + 1, star.chartY), Qt::white) << a;
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

// The real save dialog, driven as a user would, in the current folder: it offers "StarMap.emf",
// takes a typed name without extension and adds ".emf", asks before overwriting, takes the PNG
// filter's extension, and a cancel gives false.
class RealSaveDialog : public PrintExport {
  protected:
    void SetUp() override {
        PrintExport::SetUp();
        SavePaths().Replace(nullptr);  // the real dialog; the base fixture restores what was before
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(folder.path());
        // Nothing may wait for a user forever: whatever is still open after ten seconds closes.
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            while (QWidget* modal = QApplication::activeModalWidget()) {
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
        watchdog_.start(10000);
    }
    void TearDown() override {
        watchdog_.stop();
        QDir::setCurrent(previousFolder_);
        PrintExport::TearDown();
    }

    // Runs `step` on the modal widget of type T once it is up.
    template <typename T, typename Step>
    static void WhenOpen(Step step) {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, step] {
            auto* widget = qobject_cast<T*>(QApplication::activeModalWidget());
            if (widget == nullptr) return;
            poll->stop();
            poll->deleteLater();
            step(widget);
        });
        poll->start(20);
    }

    static void TypeName(QFileDialog* dialog, const QString& name, QString* offered) {
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(edit, nullptr);
        if (offered != nullptr) *offered = edit->text();
        edit->clear();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    }

  private:
    QString previousFolder_;
    QTimer watchdog_;
};

TEST_F(RealSaveDialog, TypedNameGetsItsExtensionAnExistingFileIsReplacedOnlyAfterAsking) {
    QString offered;
    WhenOpen<QFileDialog>([&](QFileDialog* d) { TypeName(d, "typed", &offered); });
    EXPECT_TRUE(RunExportCommand(nullptr, window));
    EXPECT_EQ(offered, "StarMap.emf");
    EXPECT_TRUE(QFile::exists(folder.filePath("typed.emf")));
    EXPECT_EQ(QString::fromUtf8(ViewSettings.metafileName), folder.filePath("typed.emf"));

    // The same name again: the dialog asks; the answer Yes overwrites.
    QFile::resize(folder.filePath("typed.emf"), 0);
    QString question;
    WhenOpen<QFileDialog>([&](QFileDialog* d) {
        // The question opens while the Return key is being handled: watch for it first.
        WhenOpen<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        TypeName(d, "typed", &offered);
    });
    EXPECT_TRUE(RunExportCommand(nullptr, window));
    EXPECT_EQ(offered, "typed.emf");
    EXPECT_TRUE(question.contains("typed.emf")) << question.toStdString();
    EXPECT_GT(QFileInfo(folder.filePath("typed.emf")).size(), 1000);

    // The PNG filter, the last entry, chosen by keyboard: PNG becomes the default extension.
    WhenOpen<QFileDialog>([](QFileDialog* d) {
        auto* types = d->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        ASSERT_EQ(types->count(), 4);
        QTest::keyClick(types, Qt::Key_End);
        TypeName(d, "picture", nullptr);
    });
    EXPECT_TRUE(RunExportCommand(nullptr, window));
    QImage png;
    EXPECT_TRUE(png.load(folder.filePath("picture.png"), "PNG")) << Files().join(' ').toStdString();
    EXPECT_EQ(png.size(), QSize(800, 600));

    WhenOpen<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_FALSE(RunExportCommand(nullptr, window));
    EXPECT_EQ(Files(), (QStringList{"picture.png", "typed.emf"}));
    EXPECT_TRUE(messages.empty());
}

}  // namespace
