// The Find dialog and the found object's mark.
#include "shell/find_dialog.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include "catalog/sky_model.h"
#include "chart/chart_support.h"
#include "render/language.h"

namespace {

constexpr int CompletionCount = 12;
const QColor MarkColour(255, 255, 0);
const QColor NightMarkColour(255, 56, 0);  // an orange red: no more green than a quarter of red

// The index's names are the core's, Latin-1.
QStringList ToStringList(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& name : names) list << FromCoreText(name);
    return list;
}

}  // namespace

FindDialog::FindDialog(QWidget* owner, const ObjectIndex& index) : QDialog(owner), index_(index) {
    setWindowTitle(tr("Find"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        tr("Star, Messier object, planet, Moon, Sun or constellation\n"
           "(for example Betelgeuse, Alp Ori, 58 Ori, HR 2061, M42, Orion Nebula, Jupiter, "
           "Orion):")));
    edit_ = new QLineEdit(this);
    layout->addWidget(edit_);
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    layout->addWidget(message_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);

    // The index does the matching (by prefix, ignoring case and spaces); the completer only
    // shows its answer for the text as typed.
    names_ = new QStringListModel(this);
    completer_ = new QCompleter(names_, this);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    edit_->setCompleter(completer_);
    connect(edit_, &QLineEdit::textEdited, this, &FindDialog::Complete);
    connect(buttons, &QDialogButtonBox::accepted, this, &FindDialog::Confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void FindDialog::Complete(const QString& text) {
    names_->setStringList(ToStringList(index_.Complete(ToCoreText(text), CompletionCount)));
    message_->clear();
    if (names_->rowCount() > 0) completer_->complete();
}

void FindDialog::Confirm() {
    const std::string name = ToCoreText(edit_->text());
    found_ = index_.Find(name);
    if (found_) {
        accept();
        return;
    }
    const std::vector<std::string> near = index_.CloseMatches(name);
    message_->setText(near.empty() ? tr("Nothing is called \"%1\".").arg(edit_->text())
                                   : tr("Nothing is called \"%1\". Did you mean: %2?")
                                         .arg(edit_->text(), ToStringList(near).join(", ")));
}

std::optional<FoundObject> RunFindDialog(QWidget* owner, const ObjectIndex& index) {
    FindDialog dialog(owner, index);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.found();
}

void DrawFoundMark(QPainter& painter, const FoundObject& object, const SkyPlace& place,
                   const ChartPassResult& pass, bool night) {
    if (!AboveHorizon(place.altitude)) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(night ? NightMarkColour : MarkColour, 2));
    painter.setBrush(Qt::NoBrush);
    const ChartLayout& layout = pass.layout;
    if (object.kind == FoundKind::Constellation && object.index >= 0 &&
        object.index < MaxConstellations) {
        const Constellation& figure = ConstellationTable[object.index];
        for (int k = 1; k < figure.pointCount && k < MaxFigurePoints; ++k) {
            const int from = figure.points[k - 1], to = figure.points[k];
            if (!figure.drawFlags[k] || from < 1 || from > MaxStarNumber || to < 1 ||
                to > MaxStarNumber || !StarTable[from].visible || !StarTable[to].visible)
                continue;
            painter.drawLine(StarTable[from].chartX, StarTable[from].chartY, StarTable[to].chartX,
                             StarTable[to].chartY);
        }
    } else {
        const Point p = ProjectToChart(place.altitude, place.azimuth, layout.centreX,
                                       layout.centreY, layout.radius, pass.view.orientationAzimuth);
        const int r = std::max(8, 2 * layout.markSize + 5);
        painter.drawEllipse(QPoint(p.x, p.y), r, r);
    }
    painter.restore();
}
