// The place dialog and the place's keeping in QSettings.
#include "shell/place_dialog.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <cmath>

#include "base/messages.h"
#include "render/zone_cities.h"

namespace {

// The latitude and longitude as the dialog shows them: four decimals with the hemisphere.
QString DegreesText(double degrees, char positive, char negative) {
    return QStringLiteral("%1 %2")
        .arg(std::fabs(degrees), 0, 'f', 4)
        .arg(QLatin1Char(degrees < 0 ? negative : positive));
}

std::optional<PlaceChoice> RunRealPlaceDialog(QWidget* owner, double latitude,
                                              const std::optional<Place>& place) {
    PlaceDialog dialog(owner, latitude, place);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

}  // namespace

std::optional<Place> LoadPlace(QSettings& settings) {
    settings.beginGroup(QStringLiteral("place"));
    std::optional<Place> place;
    bool ok = false;
    const double longitude = settings.value(QStringLiteral("longitude")).toDouble(&ok);
    if (ok && std::fabs(longitude) <= MaxLongitude) {
        place = Place{longitude, settings.value(QStringLiteral("zone")).toString().toStdString(),
                      settings.value(QStringLiteral("name")).toString().toStdString()};
    }
    settings.endGroup();
    return place;
}

void SavePlace(QSettings& settings, const std::optional<Place>& place) {
    if (!place) {
        settings.remove(QStringLiteral("place"));
        return;
    }
    settings.beginGroup(QStringLiteral("place"));
    settings.setValue(QStringLiteral("longitude"), place->longitudeEast);
    settings.setValue(QStringLiteral("zone"), QString::fromStdString(place->zone));
    settings.setValue(QStringLiteral("name"), QString::fromStdString(place->name));
    settings.endGroup();
}

// A search line over the city list; the chosen city fills the fields below it, which can also be
// typed: latitude, longitude, zone and name. OK checks them, Clear drops the place (the latitude
// stays), Cancel changes nothing.
PlaceDialog::PlaceDialog(QWidget* owner, double latitude, const std::optional<Place>& place)
    : QDialog(owner) {
    setWindowTitle(tr("Velquorran Place"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    search_ = new QLineEdit(this);
    search_->setPlaceholderText(tr("Search the cities of the time-zone database"));
    search_->setClearButtonEnabled(true);
    layout->addWidget(search_);
    cities_ = new QListWidget(this);
    for (const ZoneCity& city : ZoneCities()) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1  (%2)")
                .arg(QString::fromStdString(city.name), QString::fromStdString(city.zone)));
        item->setData(Qt::UserRole, QString::fromStdString(city.name));
        cities_->addItem(item);
    }
    layout->addWidget(cities_, 1);

    auto* form = new QFormLayout;
    latitude_ = new QLineEdit(DegreesText(latitude, 'N', 'S'), this);
    longitude_ =
        new QLineEdit(place ? DegreesText(place->longitudeEast, 'E', 'W') : QString(), this);
    zone_ = new QLineEdit(place ? QString::fromStdString(place->zone) : QString(), this);
    zone_->setPlaceholderText(tr("Europe/London, UTC+05:30, or empty for UT"));
    QStringList zoneNames;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        zoneNames << QString::fromLatin1(id);
    auto* completer = new QCompleter(zoneNames, zone_);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    zone_->setCompleter(completer);
    name_ = new QLineEdit(place ? QString::fromStdString(place->name) : QString(), this);
    form->addRow(tr("&Latitude:"), latitude_);
    form->addRow(tr("L&ongitude:"), longitude_);
    form->addRow(tr("&Time zone:"), zone_);
    form->addRow(tr("&Name:"), name_);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    clear_ = buttons->addButton(tr("No place (local mean time)"), QDialogButtonBox::ResetRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    resize(460, 520);

    connect(search_, &QLineEdit::textChanged, this, &PlaceDialog::Filter);
    connect(cities_, &QListWidget::currentRowChanged, this, &PlaceDialog::ChooseCity);
    connect(ok_, &QPushButton::clicked, this, &PlaceDialog::Confirm);
    connect(clear_, &QPushButton::clicked, this, [this] {
        cleared_ = true;
        Confirm();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// Shows the cities whose name or zone holds the text, in any case.
void PlaceDialog::Filter(const QString& text) {
    const QString wanted = text.trimmed();
    for (int row = 0; row < cities_->count(); ++row) {
        QListWidgetItem* item = cities_->item(row);
        item->setHidden(!wanted.isEmpty() && !item->text().contains(wanted, Qt::CaseInsensitive) &&
                        !item->text()
                             .replace(QLatin1Char('_'), QLatin1Char(' '))
                             .contains(wanted, Qt::CaseInsensitive));
    }
}

void PlaceDialog::ChooseCity() {
    const QListWidgetItem* item = cities_->currentItem();
    if (item == nullptr) return;
    const std::optional<ZoneCity> city =
        FindZoneCity(ZoneCities(), item->data(Qt::UserRole).toString().toStdString());
    if (!city) return;
    latitude_->setText(DegreesText(city->latitude, 'N', 'S'));
    longitude_->setText(DegreesText(city->longitudeEast, 'E', 'W'));
    zone_->setText(QString::fromStdString(city->zone));
    name_->setText(QString::fromStdString(city->name));
}

// Each field is checked in turn; the first bad one is named in a message, gets the focus, and the
// dialog stays open. Clearing the place still takes the latitude. A latitude of exactly 90 is
// moved inward by 0.0001 as the settings dialog moves it.
void PlaceDialog::Confirm() {
    auto refuse = [this](QLineEdit* field, const char* message) {
        cleared_ = false;
        ShowMessage({ProductName, tr(message).toStdString(), MessageIcon::Error});
        field->setFocus();
        field->selectAll();
    };
    const std::optional<double> latitude = ParseLatitudeText(latitude_->text().toStdString());
    if (!latitude) return refuse(latitude_, PlaceLatitudeMessage);
    choice_.latitude = std::fabs(*latitude) == 90.0 ? std::copysign(89.9999, *latitude) : *latitude;
    choice_.place.reset();
    if (!cleared_) {
        const std::optional<double> longitude =
            ParseLongitudeText(longitude_->text().toStdString());
        if (!longitude) return refuse(longitude_, PlaceLongitudeMessage);
        const std::string zone = zone_->text().trimmed().toStdString();
        if (!zone.empty() && !ZoneFromName(zone)) return refuse(zone_, PlaceZoneMessage);
        choice_.place = Place{*longitude, zone, name_->text().trimmed().toStdString()};
    }
    accept();
}

PlaceDialogSeam& PlaceDialogs() {
    static PlaceDialogSeam seam(RunRealPlaceDialog);
    return seam;
}
