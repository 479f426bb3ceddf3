// The About box.
#include "shell/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <algorithm>

#include "base/messages.h"
#include "shell/night_mode.h"

namespace {

const char* const IconResource = ":/icons/velquorran.svg";

QLabel* AddText(QVBoxLayout* layout, QWidget* parent, const QString& text,
                Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    layout->addWidget(label);
    return label;
}

}  // namespace

// The resources live in the shell's static library: naming them here links them into every
// program that draws the icon.
QPixmap RenderVelquorranIcon(QSize size) {
    static const bool resourcesReady = [] {
        Q_INIT_RESOURCE(velquorran);
        return true;
    }();
    (void)resourcesReady;
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QString::fromLatin1(IconResource));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

// A modal box with a title bar but no close box, laid out from top to bottom: the logo, the
// version line, the description, the terms of use, the warranty line centred, and the four
// acknowledgements; OK (or Escape) closes it.
AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("About %1 Version %2...")
                       .arg(QLatin1String(ProductName), QLatin1String(ProductVersion)));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    // 210 dialog units wide (a unit is a quarter of the average character width), and at
    // least wide enough for the banner; as high as the wrapped text needs.
    const int width = std::max(210 * fontMetrics().averageCharWidth() / 4, 420);

    auto* layout = new QVBoxLayout(this);

    // The logo: the icon beside the product name, as a banner across the top.
    auto* logo = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const int iconSide = 4 * fontMetrics().height();
    icon->setPixmap(InCurrentLook(RenderVelquorranIcon(QSize(iconSide, iconSide))));
    icon->setFixedSize(iconSide, iconSide);
    logo->addWidget(icon);
    auto* banner = new QLabel(QStringLiteral("Velquorran"), this);
    QFont bannerFont = banner->font();
    bannerFont.setPointSizeF(bannerFont.pointSizeF() * 2.0);
    bannerFont.setBold(true);
    banner->setFont(bannerFont);
    logo->addWidget(banner, 1);
    layout->addLayout(logo);

    QFont bold = font();
    bold.setBold(true);
    AddText(layout, this,
            tr("%1 Version %2").arg(QLatin1String(ProductName), QLatin1String(ProductVersion)))
        ->setFont(bold);
    AddText(layout, this, tr("Free planetarium software for beginning star-gazers."));
    AddText(layout, this,
            tr("Terms of use: Velquorran is free software under the MIT License. You may use, "
               "copy, modify and share it, provided that the copyright notice and the licence go "
               "with every copy. The constellation figures derive from data by Olaf Frohn (BSD "
               "3-Clause licence)."));
    AddText(layout, this, tr("This program comes with ABSOLUTELY NO WARRANTY."), Qt::AlignHCenter);
    AddText(layout, this, tr("Acknowledgements:"))->setFont(bold);
    AddText(layout, this,
            tr("- The astronomical calculations follow the methods of Peter Duffett-Smith, "
               "Practical Astronomy with your Calculator."));
    AddText(layout, this,
            tr("- The star data are taken from the Bright Star Catalogue, 5th Revised Edition, of "
               "the Yale University Observatory."));
    AddText(layout, this,
            tr("- The Messier data are taken from the web page of Bretton Wade's JSON conversion "
               "of the catalogues (MIT licence)."));
    AddText(layout, this,
            tr("- Thanks to the members of our local astronomy club for their encouragement."));
    layout->addStretch(1);

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setDefault(true);
    layout->addWidget(okButton_, 0, Qt::AlignHCenter);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(width, layout->totalHeightForWidth(width));
}

void RunAboutDialog(QWidget* owner) {
    AboutDialog dialog(owner);
    dialog.exec();
}
