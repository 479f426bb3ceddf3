// "Getting Started...": a short illustrated page for a first night under the stars, in the
// program's language, shown in the program. Its pictures are drawn by the program itself when the
// page opens: the chart of a winter evening facing south and facing north, and the star wheel of
// the planisphere, so that their compass points and names are in the page's language too.
//
// The English text is also the GETTING STARTED section of the manual pages (velquorran(1),
// velquorran-chart(1)); a test keeps them the same.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

class QMenu;
class QTextBrowser;

// The command of the "Getting Started..." item, beside "About..."; outside the menu table's
// identifiers.
inline constexpr int CommandGettingStarted = 40140;

// One part of the page: its heading and paragraphs, in the user's language.
struct GettingStartedSection {
    QString heading;
    QStringList paragraphs;
};
std::vector<GettingStartedSection> GettingStartedSections();

// The pictures of the page, drawn now (the chart pass leaves its hot spots behind: the window
// repaints afterwards): south.png, north.png and planisphere.png.
struct GettingStartedPicture {
    QString name;
    QImage image;
    QString caption;
};
std::vector<GettingStartedPicture> GettingStartedPictures();

// The page as HTML, its pictures named by `GettingStartedPictures`.
QString GettingStartedHtml();

class GettingStartedDialog : public QDialog {
    Q_OBJECT
  public:
    explicit GettingStartedDialog(QWidget* owner);
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_ = nullptr;
};

// Adds "Getting Started..." after "About..." in `menu` (at the end when there is none).
void AddGettingStartedItem(QMenu* menu);

// Shows the page modally over `owner`.
void RunGettingStarted(QWidget* owner);
