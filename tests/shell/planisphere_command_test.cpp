// "Make Planisphere..." from the popup menu's Print submenu: the save dialog's answer decides the
// files, one PDF of two pages or one SVG a page; cancelling writes nothing.
#include "shell/planisphere_command.h"

#include <QFile>
#include <QMenu>

#include "app_fixture.h"

TEST_F(AppTest, MakePlanisphereWritesTheTwoPagesTheSaveDialogNames) {
    MainWindow& window = OpenWindow("51.5");
    const QAction* item = FindCommandAction(window.popupMenu(), CommandMakePlanisphere);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(qobject_cast<QMenu*>(item->parent())->title(), QStringLiteral("Print"));
    QString path, filter;
    const ScopedReplacement<SavePathSeam> save(SavePaths(), [&](QWidget*, auto&, auto& filters) {
        return SaveChoice{path, filters[filter == "svg" ? 1 : 0]};
    });
    const auto read = [&](const char* name) {
        QFile file(folder_.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    window.ExecuteCommand(CommandMakePlanisphere);  // cancelled
    EXPECT_TRUE(QDir(folder_.path()).entryList({"*.pdf", "*.svg"}).isEmpty());
    path = folder_.filePath("kit");
    filter = "svg";
    window.ExecuteCommand(CommandMakePlanisphere);
    EXPECT_TRUE(read("kit-1.svg").contains("Vega") && read("kit-1.svg").contains("Jun"));
    EXPECT_TRUE(read("kit-2.svg").contains("Zenith") && read("kit-2.svg").contains("23:00"));
    filter = "pdf";
    window.ExecuteCommand(CommandMakePlanisphere);
    EXPECT_EQ(read("kit.pdf").count("/Type /Page\n"), 2);
    EXPECT_TRUE(messages.empty());
}
