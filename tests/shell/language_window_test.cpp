// The window in another language: a drive through it in German (title, menus, the picker, a
// dialog and its message, the save question); in every language the texts at the minimum size
// and the menus measured (the widths are printed); the Getting Started page with its pictures,
// whose English text is the manual pages' section.
#include <QTextBrowser>
#include <iostream>

#include "app_fixture.h"
#include "shell/getting_started.h"
#include "shell/popup_menu.h"
#include "tests/language_fixture.h"

namespace {

// The texts of a menu's items, and of the items of its submenus titled `path`.
QStringList Titles(const QMenu* menu, const QStringList& path = {}) {
    QStringList titles;
    for (const QAction* action : menu->actions()) {
        if (!path.isEmpty() && action->menu() && action->text() == path[0])
            return Titles(action->menu(), path.mid(1));
        if (!action->isSeparator()) titles << action->text();
    }
    return path.isEmpty() ? titles : QStringList();
}

// The widest of `menu` (and its submenus) with one submenu open beside it.
int WidestPair(const QMenu* menu, int& widest) {
    int submenus = 0;
    for (const QAction* action : menu->actions())
        if (action->menu()) submenus = std::max(submenus, WidestPair(action->menu(), widest));
    widest = std::max(widest, menu->sizeHint().width() + submenus);
    return menu->sizeHint().width();
}

}  // namespace

TEST_F(AppTest, WindowDrivenInGerman) {
    const ScopedLanguage german("de_DE.UTF-8");
    MainWindow& window = OpenWindow("51.5");
    EXPECT_EQ(window.windowTitle(),
              "Velquorran0.2    (Rechtsklick unten \u00f6ffnet das Men\u00fc)");
    const QStringList top = Titles(window.popupMenu());
    for (const char* title : {"Sternbilder", "Ausrichtung der Karte", "Suchen...", "Beschriftung",
                              "Einstellungen...", "Ort...", "Zeit", "Drucken", "Beenden"})
        EXPECT_TRUE(top.contains(title)) << title;
    // Getting Started right after About, with its key; the Latin constellation names stay.
    EXPECT_EQ(top.indexOf("Erste Schritte"), top.indexOf("\u00dcber...") + 1);
    EXPECT_EQ(FindCommandAction(window.popupMenu(), CommandGettingStarted)->shortcut(),
              QKeySequence("Shift+F1"));
    EXPECT_TRUE(Titles(window.popupMenu(), {"Ausrichtung der Karte"}).contains("S\u00fcdosten"));
    EXPECT_TRUE(Titles(window.popupMenu(), {"Sternbilder", "A - B"}).contains("Andromeda"));
    window.picker()->setDateTime(QDateTime(QDate(2024, 1, 15), QTime(21, 0)));
    EXPECT_EQ(window.picker()->text(), "21:00 Mo. 15. Jan. 2024");

    SettingsDialog dialog(&window);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Velquorran: Einstellungen");
    dialog.latitudeEdit()->setText("95");
    QTest::keyClick(dialog.latitudeEdit(), Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Die Breite muss zwischen 0 und 90 Grad liegen");
    dialog.close();

    ViewSettings.latitude = 20.0;
    window.close();
    EXPECT_EQ(questions_, std::vector<std::string>{"Einstellungen vor dem Beenden speichern?"});
}

// At the minimum size of each language the captions at the top left and the readout below fit
// inside the window (the window's own rule keeps them off the disc). A menu may be wider than
// that smallest window, as the English one always was, but any menu with a submenu open beside it
// fits a screen 1024 pixels wide.
TEST_F(AppTest, TextsFitAtTheMinimumSizeInEveryLanguage) {
    for (const char* language : {"en", "de", "fr", "es"}) {
        SCOPED_TRACE(language);
        const ScopedLanguage installed(language);
        MainWindow& window = OpenWindow("51.5", QSize(10, 10));
        const QSize minimum = window.minimumSize();
        const QFontMetrics metrics(window.font());
        const int date = metrics.horizontalAdvance(FromCoreText(DateCaptionText()));
        const int magnitude = metrics.horizontalAdvance(FromCoreText(MagnitudeCaptionText(6.5)));
        const int readout = metrics.horizontalAdvance(MainWindow::tr("Cursor is on:"));
        for (int text : {date, magnitude, readout})
            EXPECT_LE(ViewSettings.margin + text, minimum.width());
        EXPECT_LE(window.picker()->geometry().right() + 1, minimum.width());
        EXPECT_LE(ViewSettings.readoutRight, minimum.width());
        int pair = 0;
        WidestPair(window.popupMenu(), pair);
        EXPECT_LE(pair, 1024);
        std::cout << language << ": minimum " << minimum.width() << " x " << minimum.height()
                  << "; captions " << date << ", " << magnitude << ", readout " << readout
                  << ", picker to " << window.picker()->geometry().right() + 1 << "; menu "
                  << window.popupMenu()->sizeHint().width() << ", with a submenu " << pair << "\n";
    }
}

// The page's five parts and three pictures, drawn for it in its language; its English text stands
// word for word in both manual pages.
TEST_F(AppTest, GettingStartedPageAndTheManualPages) {
    {
        const ScopedLanguage french("fr");
        GettingStartedDialog dialog(nullptr);
        EXPECT_EQ(dialog.windowTitle(), "Premiers pas");
        EXPECT_TRUE(
            dialog.browser()->toPlainText().contains("Un soir d'hiver \u00e0 51,50\u00b0 N"));
        for (const char* name : {"south.png", "north.png", "planisphere.png"}) {
            const QVariant picture =
                dialog.browser()->document()->resource(QTextDocument::ImageResource, QUrl(name));
            EXPECT_FALSE(picture.value<QImage>().isNull()) << name;
        }
    }
    const std::vector<GettingStartedSection> sections = GettingStartedSections();
    ASSERT_EQ(sections.size(), 5u);
    const QString html = GettingStartedHtml();  // each picture once, the wheel's at the end
    for (const char* name : {"south.png", "north.png", "planisphere.png"})
        EXPECT_EQ(html.count(name), 1) << name;
    EXPECT_GT(html.indexOf("planisphere.png"), html.indexOf(sections.back().heading));
    for (const char* page : {"cli/velquorran-chart.1", "shell/velquorran.1"}) {
        QFile file(QStringLiteral(VELQUORRAN_SOURCE "/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        // The page as text: headings on lines of their own, lines joined, "\-" a hyphen.
        QString man;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
            man += line.startsWith(".SS ") ? line.mid(4) + '\n'
                   : line.startsWith('.')  ? QStringLiteral("\n")
                                           : line + ' ';
        man.replace("\\-", "-");
        for (const GettingStartedSection& section : sections) {
            EXPECT_TRUE(man.contains(section.heading + '\n')) << page;
            for (const QString& paragraph : section.paragraphs)
                EXPECT_TRUE(man.contains(paragraph + ' '))
                    << page << ": " << paragraph.toStdString();
        }
    }
}
