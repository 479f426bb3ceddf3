// The Getting Started page.
#include "shell/getting_started.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "chart/time_basis.h"
#include "chart/view_settings.h"
#include "render/chart_export.h"
#include "render/language.h"
#include "render/planisphere_pages.h"
#include "shell/commands.h"
#include "shell/popup_menu.h"

namespace {

// The pictures' sky: a winter evening, 15 January 2024 at 21:00 local mean time, at 51.5 N, when
// Orion is high in the south and Jupiter in the south-west.
constexpr double PictureLatitude = 51.5;
constexpr SystemTime PictureTime{2024, 1, 1, 15, 21, 0, 0, 0};
// Wide enough that the captions at the top left keep clear of the disc.
constexpr int ChartWidth = 540;
constexpr int ChartHeight = 300;
constexpr int WheelWidth = 240;

// A key as the menus show it, in the user's language ("Strg+F" in German).
QString Keys(const char* keys) {
    return QKeySequence(QString::fromLatin1(keys)).toString(QKeySequence::NativeText);
}

QImage ChartPicture(double facing) {
    const FixedChartWindow window(ChartWidth, ChartHeight, PictureTime);
    ExportJob job{ChartWidth, ChartHeight, ChartScreen, window, RendererFont(11)};
    job.view = ChartView{};
    job.view.orientationAzimuth = facing;
    job.view.dimmestMagnitude = 4.0;
    job.view.labels.stars = job.view.labels.bodies = job.view.labels.allConstellations = true;
    job.latitude = PictureLatitude;
    return ChartImage(job);
}

QImage WheelPicture() {
    PlanisphereKit kit;
    kit.latitude = PictureLatitude;
    kit.dimmestMagnitude = 4.5;
    kit.year = PictureTime.year;
    const QSizeF paper = PaperMillimetres(kit.paper);
    // The top of page 1: the wheel and its date ring, without the instructions below it.
    const double shownMm = 24.0 + 2 * PlanisphereWheelRadius + 4.0;
    const double scale = WheelWidth / (paper.width() * PlanisphereUnitsPerMm);
    QImage image(WheelWidth, static_cast<int>(shownMm * PlanisphereUnitsPerMm * scale),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    PaintPlanispherePage(painter, kit, 1);
    return image;
}

}  // namespace

std::vector<GettingStartedSection> GettingStartedSections() {
    return {
        {GettingStartedDialog::tr("Set your place"),
         {GettingStartedDialog::tr(
              "Right-click the chart to open the menu and choose Place... (%1). Type a part of "
              "your city's name and pick it from the list: that fills in your latitude, longitude "
              "and time zone. You can also type them, as 51.5072 N and 0.1275 W. Settings... (%2) "
              "sets the latitude alone.")
              .arg(Keys("Ctrl+Shift+L"), Keys("Ctrl+L")),
          GettingStartedDialog::tr(
              "Then choose Time > Now (%1): the chart shows the sky as it is at this moment. The "
              "date and time at the top left set any other moment.")
              .arg(Keys("Home"))}},
        {GettingStartedDialog::tr("Face a direction and hold the chart"),
         {GettingStartedDialog::tr(
              "The rim of the disc is your horizon and its centre the point straight overhead. Go "
              "outside, find the direction you will face (south is a good start) and choose it "
              "under Map Orientation: that direction goes to the bottom of the disc."),
          GettingStartedDialog::tr(
              "Hold the chart in front of you with that edge down and lift it towards the sky. "
              "Stars near the bottom edge stand low over the horizon you face; stars near the "
              "centre are high above you. Give your eyes a quarter of an hour in the dark, and "
              "keep them dark-adapted with Night Mode (%1).")
              .arg(Keys("Ctrl+Shift+N"))}},
        {GettingStartedDialog::tr("Read the disc"),
         {GettingStartedDialog::tr(
              "East and west are swapped against a map: a map shows the ground from above, the "
              "chart shows the sky from below, as you see it when you look up. Facing south, east "
              "is on your left and west on your right; the letters round the rim say which way is "
              "which."),
          GettingStartedDialog::tr(
              "The larger the dot, the brighter the star. The small rings are the planets and the "
              "Moon, the filled disc is the Sun, and Constellations > Show all draws the figures "
              "in red. Point at anything and the box at the bottom left names it; Labels writes "
              "names on the chart, and its Legend explains the marks.")}},
        {GettingStartedDialog::tr("Find tonight's planets"),
         {GettingStartedDialog::tr(
              "Tonight... in the menu lists what is worth looking at this evening: the planets "
              "that are up, when they rise and set, and when the sky gets dark."),
          GettingStartedDialog::tr(
              "Find... (%1) takes the name of a planet, a star or a constellation (Jupiter, "
              "Sirius, Orion). It is ringed on the chart, and the box at the bottom left says how "
              "high it stands, in which direction, and when it next rises, transits and sets; Go "
              "to Rising and Go to Transit move the chart to those moments. A planet shines "
              "steadily, without the twinkling of the stars near it, and wanders slowly among "
              "them from week to week.")
              .arg(Keys("Ctrl+F"))}},
        {GettingStartedDialog::tr("Use the planisphere"),
         {GettingStartedDialog::tr(
              "Print > Make Planisphere... saves a card planisphere made for your latitude: a "
              "star wheel and a horizon mask, one page each. Print both at 100% (the 100 mm scale "
              "bar shows whether the printer kept the size), cut them out along the thick lines, "
              "lay the mask on the wheel and join them with a paper fastener through the two pole "
              "crosses."),
          GettingStartedDialog::tr(
              "Turn the wheel until the date stands against the clock time on the rim of the "
              "mask: the window shows the sky at that moment. Hold it overhead with the horizon "
              "you face at the bottom, as you hold the chart.")}},
    };
}

std::vector<GettingStartedPicture> GettingStartedPictures() {
    const QString latitude = FromCoreText(LatitudeText(PictureLatitude));
    return {
        {QStringLiteral("south.png"), ChartPicture(180.0),
         GettingStartedDialog::tr("A winter evening at %1, facing south").arg(latitude)},
        {QStringLiteral("north.png"), ChartPicture(0.0),
         GettingStartedDialog::tr("The same sky facing north: east is now on the right")},
        {QStringLiteral("planisphere.png"), WheelPicture(),
         GettingStartedDialog::tr("The star wheel for %1").arg(latitude)},
    };
}

// Each section's heading and paragraphs; the two charts after the first section's, the wheel
// after the last.
QString GettingStartedHtml() {
    const std::vector<GettingStartedPicture> pictures = GettingStartedPictures();
    auto figure = [](const GettingStartedPicture& picture) {
        return QStringLiteral("<p align=\"center\"><img src=\"%1\"><br><i>%2</i></p>")
            .arg(picture.name, picture.caption.toHtmlEscaped());
    };
    QString html = QStringLiteral("<h2>%1</h2>")
                       .arg(GettingStartedDialog::tr("Getting Started").toHtmlEscaped());
    const std::vector<GettingStartedSection> sections = GettingStartedSections();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        html += QStringLiteral("<h3>%1</h3>").arg(sections[i].heading.toHtmlEscaped());
        for (const QString& paragraph : sections[i].paragraphs)
            html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
        if (i == 1) html += figure(pictures[0]);
        if (i == 2) html += figure(pictures[1]);
        if (i + 1 == sections.size()) html += figure(pictures[2]);
    }
    return html;
}

GettingStartedDialog::GettingStartedDialog(QWidget* owner) : QDialog(owner) {
    setWindowTitle(GettingStartedDialog::tr("Getting Started"));
    auto* layout = new QVBoxLayout(this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    for (const GettingStartedPicture& picture : GettingStartedPictures())
        browser_->document()->addResource(QTextDocument::ImageResource, QUrl(picture.name),
                                          picture.image);
    browser_->setHtml(GettingStartedHtml());
    layout->addWidget(browser_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(ChartWidth + 260, 2 * ChartHeight + 200);
}

void AddGettingStartedItem(QMenu* menu) {
    if (menu == nullptr) return;
    auto* action = new QAction(QCoreApplication::translate("PopupMenu", "Getting Started"), menu);
    action->setData(CommandGettingStarted);
    ShowCommandKeys(action, CommandGettingStarted);
    const QList<QAction*> actions = menu->actions();
    const qsizetype about = actions.indexOf(FindCommandAction(menu, CommandAbout));
    menu->insertAction(about >= 0 && about + 1 < actions.size() ? actions[about + 1] : nullptr,
                       action);
}

void RunGettingStarted(QWidget* owner) {
    GettingStartedDialog dialog(owner);
    dialog.exec();
}
