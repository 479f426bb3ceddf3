// The Tonight panel.
#include "shell/tonight_panel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "chart/view_settings.h"
#include "render/language.h"
#include "shell/main_window.h"

namespace {

constexpr int LineRole = Qt::UserRole;  // the row's index in the panel's lines; -1 for a heading

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The rows without the style's focus frame, which some styles draw in the inverse of the
// highlight (cyan on the night look's dark red); the current row is the highlighted one.
class RowDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

}  // namespace

TonightPanel::TonightPanel(MainWindow& window) : QWidget(&window, Qt::Tool), window_(window) {
    setObjectName(QStringLiteral("TonightPanel"));
    setWindowTitle(tr("Tonight"));
    setAccessibleName(tr("Tonight"));
    setAccessibleDescription(
        tr("When it gets dark tonight, the Moon, the planets and what is worth a look. Choose a "
           "row with Enter or a click to find it on the chart at its best time."));
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(this);
    title_->setWordWrap(true);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    layout->addWidget(title_);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("TonightRows"));
    tree_->setColumnCount(3);
    tree_->setHeaderLabels({tr("Tonight"), tr("Time"), tr("Altitude")});
    tree_->setItemDelegate(new RowDelegate(tree_));
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setRootIsDecorated(false);
    tree_->setItemsExpandable(false);
    tree_->setUniformRowHeights(true);
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tree_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tree_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    tree_->setAccessibleName(tr("Tonight's times and sights"));
    tree_->setAccessibleDescription(
        tr("Enter or a click finds the object of a row on the chart and sets the chart's time "
           "to the row's time."));
    layout->addWidget(tree_);
    auto* hint = new QLabel(tr("Enter or a click on a row shows it on the chart."), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    connect(tree_, &QTreeWidget::itemActivated, this, &TonightPanel::Choose);
    connect(tree_, &QTreeWidget::itemClicked, this, &TonightPanel::Choose);
    connect(&window_, &MainWindow::chartPainted, this, &TonightPanel::Follow);
    resize(420, std::max(480, window.height()));
}

TonightPanel::~TonightPanel() = default;

void TonightPanel::Open() {
    if (!placed_) {
        move(window_.frameGeometry().topRight() + QPoint(8, 0));
        placed_ = true;
    }
    Follow();
    show();
    raise();
    activateWindow();
    tree_->setFocus(Qt::OtherFocusReason);
}

void TonightPanel::Follow() {
    const ChartView view = window_.WindowView();
    const SystemTime clock = window_.PickerTime();
    const NightSpan night = NightOf(clock);
    const std::string key = IsoTime(night.begin) + "|" + view.placeName + "|" + view.zoneName +
                            "|" + std::to_string(view.longitude) + "|" +
                            std::to_string(ViewSettings.latitude) + "|" +
                            std::to_string(view.precise);
    if (key == key_) return;
    key_ = key;
    if (!index_) index_ = std::make_unique<ObjectIndex>(ObjectIndex::Build());
    tonight_ = ComputeTonight(clock, view, ViewSettings.latitude, *index_);
    ++computed_;
    title_->setText(Latin1(TonightTitle(tonight_, view, ViewSettings.latitude)));
    Fill();
}

// Headings for the sections, then a row a line; a sentence spans the row.
void TonightPanel::Fill() {
    lines_ = TonightLines(tonight_);
    tree_->clear();
    const struct {
        TonightSection section;
        QString heading;
    } sections[] = {{TonightSection::Sun, tr("Sun")},
                    {TonightSection::Moon, tr("Moon")},
                    {TonightSection::Dark, tr("Dark window")},
                    {TonightSection::Planets, tr("Planets up in darkness")},
                    {TonightSection::WorthALook, tr("Worth a look tonight")}};
    for (const auto& section : sections) {
        auto* heading = new QTreeWidgetItem(tree_, {section.heading});
        heading->setData(0, LineRole, -1);
        heading->setFlags(Qt::ItemIsEnabled);
        QFont font = heading->font(0);
        font.setBold(true);
        heading->setFont(0, font);
        heading->setFirstColumnSpanned(true);
        int count = 0;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const TonightLine& line = lines_[i];
            if (line.section != section.section) continue;
            ++count;
            QString time;
            if (line.time) time = Latin1(ClockText(*line.time));
            if (line.until) time += QStringLiteral(" - ") + Latin1(ClockText(*line.until));
            const bool height = line.section == TonightSection::Planets ||
                                line.section == TonightSection::WorthALook;
            // The altitude as the core wrote it ("52.3"), in the language's form ("52,3").
            const QString degrees =
                TextLocale().toString(QString::fromStdString(line.value).toDouble(), 'f', 1);
            const QString altitude = height && line.time ? degrees + QChar(0x00B0) : QString();
            auto* item = new QTreeWidgetItem(tree_, {Latin1(line.words), time, altitude});
            item->setData(0, LineRole, static_cast<int>(i));
            if (!line.time) {
                item->setFirstColumnSpanned(true);
                item->setFlags(Qt::ItemIsEnabled);
                continue;
            }
            const QString spoken =
                height ? tr("%1, highest at %2, %3 degrees").arg(Latin1(line.words), time, degrees)
                       : tr("%1 at %2").arg(Latin1(line.words), time);
            for (int column = 0; column < 3; ++column)
                item->setData(column, Qt::AccessibleTextRole, spoken);
        }
        if (count == 0) {
            auto* none = new QTreeWidgetItem(tree_, {tr("None tonight")});
            none->setData(0, LineRole, -1);
            none->setFlags(Qt::ItemIsEnabled);
            none->setFirstColumnSpanned(true);
        }
    }
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        const int line = tree_->topLevelItem(i)->data(0, LineRole).toInt();
        if (line >= 0 && lines_[static_cast<std::size_t>(line)].time) {
            tree_->setCurrentItem(tree_->topLevelItem(i));
            break;
        }
    }
}

// A row with an object finds it and moves the chart to the row's time; a dark window moves the
// chart to its beginning.
void TonightPanel::Choose(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    const int index = item->data(0, LineRole).toInt();
    if (index < 0 || index >= static_cast<int>(lines_.size())) return;
    const TonightLine line = lines_[static_cast<std::size_t>(index)];
    if (line.time) window_.ShowFoundAt(line.object, *line.time);
}

void TonightPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
