// "Place...": where the observer stands beyond the latitude, and the settings that keep it.
//
// The latitude is the chart's one latitude (ViewSettings.latitude, which Settings.dat keeps); the
// longitude, the time zone and the name are kept with QSettings in the user's configuration
// folder. Without a place the picker's time is taken as Greenwich time on the observer's meridian
// (local mean time), as the chart has always done.
#pragma once

#include <QDialog>
#include <QSettings>
#include <memory>
#include <optional>

#include "base/seam.h"
#include "render/place.h"
#include "shell/user_settings.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The place kept in `settings` ("place/longitude", "place/zone", "place/name"), or none.
std::optional<Place> LoadPlace(QSettings& settings);
// Keeps `place` in `settings`; none removes it.
void SavePlace(QSettings& settings, const std::optional<Place>& place);

// What the dialog was closed with: the latitude (degrees, north positive) and the place, or none
// when the user cleared it.
struct PlaceChoice {
    double latitude = 0.0;
    std::optional<Place> place;
};

class PlaceDialog : public QDialog {
    Q_OBJECT
  public:
    // Filled from `latitude` and `place`; the city list from the system's time-zone database.
    PlaceDialog(QWidget* owner, double latitude, const std::optional<Place>& place);

    // The choice once the dialog has been accepted.
    const PlaceChoice& choice() const { return choice_; }

    QLineEdit* searchEdit() const { return search_; }
    QListWidget* cityList() const { return cities_; }
    QLineEdit* latitudeEdit() const { return latitude_; }
    QLineEdit* longitudeEdit() const { return longitude_; }
    QLineEdit* zoneEdit() const { return zone_; }
    QLineEdit* nameEdit() const { return name_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* clearButton() const { return clear_; }

  private:
    void Filter(const QString& text);
    void ChooseCity();
    void Confirm();

    QLineEdit* search_ = nullptr;
    QListWidget* cities_ = nullptr;
    QLineEdit* latitude_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    QLineEdit* zone_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* clear_ = nullptr;
    bool cleared_ = false;
    PlaceChoice choice_;
};

// The messages a bad entry gets; each says what is allowed. In English; the dialog shows them in
// the user's language.
//: The field takes the letters N and S (and E and W for the longitude) as they stand.
inline constexpr const char* PlaceLatitudeMessage = QT_TRANSLATE_NOOP(
    "PlaceDialog",
    "Latitude must be 0 to 90 degrees followed by N or S (51.5072 N), or -90 to 90.");
inline constexpr const char* PlaceLongitudeMessage =
    QT_TRANSLATE_NOOP("PlaceDialog",
                      "Longitude must be 0 to 180 degrees followed by E or W (0.1275 W), or -180 "
                      "(west) to 180 (east).");
inline constexpr const char* PlaceZoneMessage =
    QT_TRANSLATE_NOOP("PlaceDialog",
                      "Time zone must be a name of the time-zone database (Europe/London), "
                      "UTC+hh:mm (UTC+05:30), or empty for Universal Time.");

// Runs the dialog modally with `owner`; the choice, or nothing when it was cancelled. A seam, so
// that tests can stand in for the user.
using PlaceDialogSeam = Seam<std::optional<PlaceChoice>(QWidget* owner, double latitude,
                                                        const std::optional<Place>& place)>;
PlaceDialogSeam& PlaceDialogs();
