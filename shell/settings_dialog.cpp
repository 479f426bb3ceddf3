// The settings dialog.
#include "shell/settings_dialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <utility>

#include "base/messages.h"
#include "chart/view_settings.h"
#include "shell/latitude_entry.h"

namespace {

// Dialog units of the dialog's font: a horizontal unit is a quarter of the average character
// width, a vertical unit an eighth of the character height, so the dialog keeps its proportions
// whatever the font.
class DialogUnits {
  public:
    explicit DialogUnits(const QFontMetrics& metrics)
        : baseX_(metrics.averageCharWidth()), baseY_(metrics.height()) {}
    int X(int units) const { return units * baseX_ / 4; }
    int Y(int units) const { return units * baseY_ / 8; }
    QRect Rect(int x, int y, int width, int height) const {
        return QRect(X(x), Y(y), X(width), Y(height));
    }

  private:
    int baseX_;
    int baseY_;
};

void RunRealSettingsDialog(QWidget* owner) {
    SettingsDialog dialog(owner);
    dialog.exec();
}

}  // namespace

// A 127 x 153 unit dialog: OK and Cancel at the bottom, the group "Latitude (0-90 degrees)"
// holding a digits-only edit box and an "N"/"S" drop-down list. The tab order starts at OK,
// which also holds the focus when the dialog opens.
SettingsDialog::SettingsDialog(QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("Velquorran Settings"));
    setModal(true);
    const DialogUnits units(fontMetrics());
    setFixedSize(units.X(127), units.Y(153));

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setGeometry(units.Rect(6, 135, 50, 14));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setGeometry(units.Rect(71, 135, 50, 14));

    // The group is widened where the font's title would not fit in its 90 units.
    const QString title = tr("Latitude (0-90 degrees)");
    auto* group = new QGroupBox(title, this);
    const int groupWidth =
        std::max(units.X(90), fontMetrics().horizontalAdvance(title) + units.X(12));
    group->setGeometry(units.X(18), units.Y(9), groupWidth, units.Y(31));

    latitudeEdit_ = new QLineEdit(this);
    latitudeEdit_->setGeometry(units.Rect(23, 20, 25, 12));
    latitudeEdit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    shownText_ = QString::fromStdString(FormatLatitudeEntry(ViewSettings.latitude));
    latitudeEdit_->setText(shownText_);

    latitudeEdit_->setAccessibleName(tr("Latitude in degrees"));
    latitudeEdit_->setAccessibleDescription(tr("Whole degrees from 0 to 90"));
    hemisphereBox_ = new QComboBox(this);
    hemisphereBox_->setAccessibleName(tr("Hemisphere, N or S"));
    //: The hemisphere box of the latitude: north.
    hemisphereBox_->addItem(tr("N"));
    //: The hemisphere box of the latitude: south.
    hemisphereBox_->addItem(tr("S"));
    hemisphereBox_->setCurrentIndex(LatitudeSelectsSouth(ViewSettings.latitude) ? 1 : 0);
    const int comboHeight = std::max(units.Y(12), hemisphereBox_->sizeHint().height());
    hemisphereBox_->setGeometry(units.X(63), units.Y(20), units.X(30), comboHeight);

    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, latitudeEdit_);
    setTabOrder(latitudeEdit_, hemisphereBox_);
    okButton_->setFocus();

    connect(okButton_, &QPushButton::clicked, this, &SettingsDialog::Confirm);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

// OK: a rejected entry shows the range message and leaves the dialog open with its contents;
// an accepted one is stored and closes the dialog. Any selection but "N" counts as south. The
// entry shows whole degrees: when the user neither edited the number nor changed the hemisphere,
// the exact latitude stays (OK would otherwise turn 51.5 into 52 without a word).
void SettingsDialog::Confirm() {
    const bool southShown = LatitudeSelectsSouth(ViewSettings.latitude);
    const bool edited = latitudeEdit_->isModified() || latitudeEdit_->text() != shownText_;
    if (!edited && (hemisphereBox_->currentIndex() != 0) == southShown) {
        accept();
        return;
    }
    const std::optional<double> latitude = ParseLatitudeEntry(latitudeEdit_->text().toStdString(),
                                                              hemisphereBox_->currentIndex() != 0);
    if (!latitude) {
        ShowMessage({ProductName, tr(LatitudeRangeMessage).toStdString(), MessageIcon::Error});
        return;
    }
    ViewSettings.latitude = *latitude;
    accept();
}

void RunSettingsDialog(QWidget* owner) {
    SettingsDialogs()(owner);
}

SettingsDialogSeam& SettingsDialogs() {
    static SettingsDialogSeam seam(RunRealSettingsDialog);
    return seam;
}
