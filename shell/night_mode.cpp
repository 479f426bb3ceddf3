// The night look of the widgets and the display preferences.
#include "shell/night_mode.h"

#include <QApplication>
#include <QImage>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

#include "shell/user_settings.h"

namespace {

const char* const NightKey = "display/night";
const char* const SmoothKey = "display/smooth";

// What the application looked like before the night look, to go back to it.
struct DayLook {
    QPalette palette;
    QString styleName;
};
std::unique_ptr<DayLook>& SavedDayLook() {
    static std::unique_ptr<DayLook> saved;
    return saved;
}

}  // namespace

DisplayPreferences ReadDisplayPreferences() {
    QSettings settings = UserSettings();
    DisplayPreferences preferences;
    preferences.night = settings.value(QLatin1String(NightKey), false).toBool();
    preferences.smooth = settings.value(QLatin1String(SmoothKey), false).toBool();
    return preferences;
}

void WriteDisplayPreferences(const DisplayPreferences& preferences) {
    QSettings settings = UserSettings();
    settings.setValue(QLatin1String(NightKey), preferences.night);
    settings.setValue(QLatin1String(SmoothKey), preferences.smooth);
}

// Text and outlines in full red, surfaces in near-blacks of red, selections in a middle red;
// disabled text dims. The 3-D roles (light to shadow) stay dark, so that bevels do not glow.
QPalette NightPalette() {
    const QColor ink(255, 0, 0), dimInk(120, 0, 0), black(0, 0, 0);
    QPalette palette;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const QColor text = disabled ? dimInk : ink;
        palette.setColor(group, QPalette::Window, black);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, QColor(16, 0, 0));
        palette.setColor(group, QPalette::AlternateBase, QColor(28, 0, 0));
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::PlaceholderText, dimInk);
        palette.setColor(group, QPalette::Button, QColor(32, 0, 0));
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::BrightText, ink);
        palette.setColor(group, QPalette::Light, QColor(72, 0, 0));
        palette.setColor(group, QPalette::Midlight, QColor(52, 0, 0));
        palette.setColor(group, QPalette::Mid, QColor(40, 0, 0));
        palette.setColor(group, QPalette::Dark, QColor(20, 0, 0));
        palette.setColor(group, QPalette::Shadow, black);
        palette.setColor(group, QPalette::Highlight, QColor(110, 0, 0));
        palette.setColor(group, QPalette::HighlightedText, disabled ? dimInk : ink);
        palette.setColor(group, QPalette::Link, ink);
        palette.setColor(group, QPalette::LinkVisited, dimInk);
        palette.setColor(group, QPalette::ToolTipBase, black);
        palette.setColor(group, QPalette::ToolTipText, ink);
    }
    return palette;
}

// The classic Windows style draws its bevels, arrows and frames from the palette's roles alone,
// whatever the desktop's theme; styles with bevels of translucent white (Fusion) would let grey
// light through.
void ApplyNightLook(bool night) {
    std::unique_ptr<DayLook>& saved = SavedDayLook();
    if (night == (saved != nullptr)) return;
    if (night) {
        saved = std::make_unique<DayLook>(
            DayLook{QApplication::palette(), QApplication::style()->name()});
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
        QApplication::setPalette(NightPalette());
    } else {
        QApplication::setStyle(QStyleFactory::create(saved->styleName));
        QApplication::setPalette(saved->palette);
        saved.reset();
    }
}

bool NightLookApplied() {
    return SavedDayLook() != nullptr;
}

// Brightness as the eye weighs the three primaries (ITU-R BT.601 luma), carried by red alone.
QPixmap NightTinted(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int luma = (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p)) / 1000;
            line[x] = qRgba(luma, 0, 0, qAlpha(p));
        }
    }
    QPixmap tinted = QPixmap::fromImage(image);
    tinted.setDevicePixelRatio(pixmap.devicePixelRatio());
    return tinted;
}

QPixmap InCurrentLook(const QPixmap& pixmap) {
    return NightLookApplied() ? NightTinted(pixmap) : pixmap;
}
