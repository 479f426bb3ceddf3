// The Tonight panel: a window of its own beside the chart that stays open while the chart is
// used, and follows the picker's night and the place. It shows the Sun's and the Moon's times,
// the dark window, the planets up in darkness and a short list worth a look, each with its best
// time; choosing a row (a click, or Enter) finds its object on the chart as Find does and sets
// the picker to that time.
#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "chart/tonight_text.h"

class MainWindow;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class TonightPanel : public QWidget {
    Q_OBJECT
  public:
    explicit TonightPanel(MainWindow& window);
    ~TonightPanel() override;

    // Shows the panel beside the window (where it was, once placed) and gives it the keyboard.
    void Open();
    // Computes the night again when the picker's night, the place, the latitude or the positions
    // have changed since the last time; otherwise leaves everything as it is.
    void Follow();

    QTreeWidget* rows() const { return tree_; }
    QLabel* title() const { return title_; }
    // How many times the night was computed (test support).
    int computed() const { return computed_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Fill();
    void Choose(QTreeWidgetItem* item);

    MainWindow& window_;
    QLabel* title_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    std::unique_ptr<ObjectIndex> index_;
    std::string key_;  // what the shown night was computed for
    Tonight tonight_;
    std::vector<TonightLine> lines_;
    int computed_ = 0;
    bool placed_ = false;
};
