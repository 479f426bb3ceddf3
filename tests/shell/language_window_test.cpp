// The window in another language: a drive through it in German (title, menus, the picker, a
// dialog, a message, the save question, Getting Started); in every language, at the window's
// minimum size, the captions and the readout fit beside the disc and every menu fits the window
// and the screen (the widths are printed); and the Getting Started page, with its pictures, whose
// English text is the manual pages' section.
#include <QTextBrowser>
#include <iostream>

#include "app_fixture.h"
#include "shell/getting_started.h"
#include "shell/popup_menu.h"
#include "tests/language_fixture.h"

namespace {

QStringList Titles(const QMenu* menu) {
    QStringList titles;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) titles << action->text();
    return titles;
}

QMenu* Submenu(const QMenu* menu, const QString& title) {
    for (QAction* action : menu->actions())
        if (action->menu() && action->text() == title) return action->menu();
    return nullptr;
}

// Every menu under `menu`, itself first.
void AllMenus(QMenu* menu, std::vector<QMenu*>& menus) {
    menus.push_back(menu);
    for (QAction* action : menu->actions())
        if (action->menu()) AllMenus(action->menu(), menus);
}

constexpr int SmallScreenWidth = 1024;

// The width of `menu` with its widest chain of submenus open beside it, `depth` menus in all.
int CascadeWidth(const QMenu* menu, int depth) {
    int submenus = 0;
    if (depth > 1)
        for (const QAction* action : menu->actions())
            if (action->menu())
                submenus = std::max(submenus, CascadeWidth(action->menu(), depth - 1));
    return menu->sizeHint().width() + submenus;
}

std::string Closed(const std::function<void()>& run) {
    std::string title;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            title = modal->windowTitle().toStdString();
            modal->close();
        }
    });
    run();
    return title;
}

}  // namespace

TEST_F(AppTest, WindowDrivenInGerman) {
    const ScopedLanguage german("de_DE.UTF-8");
    ASSERT_TRUE(german.installed());
    MainWindow& window = OpenWindow("51.5");
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral("Velquorran0.2    (Rechtsklick unten \u00f6ffnet das Men\u00fc)"));
    const QStringList top = Titles(window.popupMenu());
    for (const char* title :
         {"Sternbilder", "Deep Sky", "Ausrichtung der Karte", "Suchen...", "Nachtmodus",
          "Beschriftung", "Genaue Positionen", "Einstellungen...", "Ort...", "Zeit", "\u00dcber...",
          "Erste Schritte", "Drucken", "Beenden"})
        EXPECT_TRUE(top.contains(QString::fromUtf8(title))) << title;
    // Getting Started stands right after About, as its key after About's.
    EXPECT_EQ(top.indexOf(QStringLiteral("Erste Schritte")),
              top.indexOf(QString::fromUtf8("\u00dcber...")) + 1);
    EXPECT_EQ(FindCommandAction(window.popupMenu(), CommandGettingStarted)->shortcut(),
              QKeySequence(QStringLiteral("Shift+F1")));
    EXPECT_TRUE(Titles(Submenu(window.popupMenu(), QStringLiteral("Ausrichtung der Karte")))
                    .contains(QString::fromUtf8("S\u00fcdosten")));
    EXPECT_TRUE(Titles(Submenu(window.popupMenu(), QStringLiteral("Sternbilder")))
                    .contains(QStringLiteral("Alle zeigen")));
    const QStringList letters =
        Titles(Submenu(Submenu(window.popupMenu(), QStringLiteral("Sternbilder")), "A - B"));
    EXPECT_TRUE(letters.contains(QStringLiteral("Andromeda")));  // the Latin names stay

    // The picker in German dates; the scrollbar's name with its comma.
    window.picker()->setDateTime(QDateTime(QDate(2024, 1, 15), QTime(21, 0)));
    EXPECT_EQ(window.picker()->text(), QStringLiteral("21:00 Mo. 15. Jan. 2024"));
    EXPECT_EQ(window.magnitudeScrollBar()->accessibleName(),
              QStringLiteral("Schwächste Sterne 4,4 mag"));

    // A dialog and its message.
    SettingsDialog dialog(&window);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Velquorran: Einstellungen"));
    dialog.latitudeEdit()->clear();
    QTest::keyClicks(dialog.latitudeEdit(), "95");
    QTest::keyClick(dialog.latitudeEdit(), Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Die Breite muss zwischen 0 und 90 Grad liegen");
    dialog.close();

    // Getting Started from its key, in German; About keeps F1.
    QApplication::setActiveWindow(&window);
    window.setFocus();
    EXPECT_EQ(Closed([&] { QTest::keySequence(&window, QKeySequence("Shift+F1")); }),
              "Erste Schritte");
    QApplication::setActiveWindow(&window);
    window.setFocus();
    EXPECT_EQ(Closed([&] { QTest::keySequence(&window, QKeySequence("F1")); }),
              "\xc3\x9c"
              "ber Velquorran Version 0.2...");

    // The save question at exit.
    ViewSettings.latitude = 20.0;
    window.close();
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0], "Einstellungen vor dem Beenden speichern?");
}

// At the minimum size of each language, everything at the top left and the readout below fit
// inside the window and clear of the disc (the window's own rule, with the language's texts).
// A menu may be wider than that smallest window, as the English one always was, but any menu with
// a submenu open beside it fits a screen 1024 pixels wide.
TEST_F(AppTest, TextsFitAtTheMinimumSizeInEveryLanguage) {
    for (const char* language : {"en", "de", "fr", "es"}) {
        SCOPED_TRACE(language);
        const ScopedLanguage installed(language);
        MainWindow& window = OpenWindow("51.5", QSize(10, 10));
        const QSize minimum = window.minimumSize();
        ASSERT_EQ(window.size(), minimum);
        const QFontMetrics metrics(window.font());
        const int margin = ViewSettings.margin;
        auto width = [&](const std::string& core) {
            return metrics.horizontalAdvance(FromCoreText(core));
        };
        const int date = width(DateCaptionText());
        const int magnitude = width(MagnitudeCaptionText(6.5));
        const int readout = metrics.horizontalAdvance(MainWindow::tr("Cursor is on:"));
        const int picker = window.picker()->geometry().right() + 1;
        for (int text : {date, magnitude, readout}) EXPECT_LE(margin + text, minimum.width());
        EXPECT_LE(picker, minimum.width());
        EXPECT_LE(ViewSettings.readoutRight, minimum.width());
        std::vector<QMenu*> menus;
        AllMenus(window.popupMenu(), menus);
        int widestMenu = 0;
        QString widestTitle;
        for (QMenu* menu : menus) {
            const int w = menu->sizeHint().width();
            if (w > widestMenu) {
                widestMenu = w;
                widestTitle = menu->title();
            }
        }
        // Any menu with a submenu open beside it (Qt turns a third level back over the first
        // when the screen ends).
        int pair = 0;
        for (QMenu* menu : menus) pair = std::max(pair, CascadeWidth(menu, 2));
        EXPECT_LE(pair, SmallScreenWidth);
        const int cascade = CascadeWidth(window.popupMenu(), 3);
        std::cout << language << ": minimum " << minimum.width() << " x " << minimum.height()
                  << "; captions " << date << ", " << magnitude << ", readout caption " << readout
                  << ", picker to " << picker << ", readout box to " << ViewSettings.readoutRight
                  << "; widest menu " << widestMenu << " (" << widestTitle.toStdString()
                  << "), with a submenu " << pair << ", with two " << cascade << "\n";
        window_.reset();
    }
}

// The page has its five parts and its three pictures, drawn for the page (the compass letters in
// the page's language); its English text stands word for word in both manual pages.
TEST_F(AppTest, GettingStartedPageAndTheManualPages) {
    {
        const ScopedLanguage french("fr");
        GettingStartedDialog dialog(nullptr);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Premiers pas"));
        const QString text = dialog.browser()->toPlainText();
        EXPECT_TRUE(text.contains(QStringLiteral("Choisir son lieu")));
        EXPECT_TRUE(text.contains(QStringLiteral("Un soir d'hiver \u00e0 51,50\u00b0 N")));
        for (const GettingStartedPicture& picture : GettingStartedPictures()) {
            const QVariant image = dialog.browser()->document()->resource(
                QTextDocument::ImageResource, QUrl(picture.name));
            EXPECT_FALSE(image.value<QImage>().isNull()) << picture.name.toStdString();
            EXPECT_TRUE(dialog.browser()->toHtml().contains(picture.name));
        }
    }
    const std::vector<GettingStartedSection> sections = GettingStartedSections();
    ASSERT_EQ(sections.size(), 5u);
    for (const char* page : {"cli/velquorran-chart.1", "shell/velquorran.1"}) {
        QFile file(QStringLiteral(VELQUORRAN_SOURCE "/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        // The page's text as one line: requests dropped, lines joined, "\-" a hyphen.
        QString man;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            if (line.startsWith(QStringLiteral(".SS ")))
                man += line.mid(4) + QLatin1Char('\n');
            else if (!line.startsWith(QLatin1Char('.')))
                man += line + QLatin1Char(' ');
            else
                man += QLatin1Char('\n');
        }
        man.replace(QStringLiteral("\\-"), QStringLiteral("-"));
        for (const GettingStartedSection& section : sections) {
            EXPECT_TRUE(man.contains(section.heading + QLatin1Char('\n')))
                << page << ": " << section.heading.toStdString();
            for (const QString& paragraph : section.paragraphs)
                EXPECT_TRUE(man.contains(paragraph + QLatin1Char(' ')))
                    << page << ": " << paragraph.toStdString();
        }
    }
}
