// The window tests' fixture: a temporary current folder (the window reads and writes
// "Settings.dat" there), fresh tables and view settings, the messages recorded and the save
// question answered with `answer_`.
#pragma once

#include <gtest/gtest.h>

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

#include "shell/about_dialog.h"
#include "shell/commands.h"
#include "shell/label_menu.h"
#include "shell/main_window.h"
#include "shell/message_boxes.h"
#include "shell/night_mode.h"
#include "shell/preferences.h"
#include "shell/print_export.h"
#include "shell/settings_dialog.h"
#include "shell/shell_objects.h"
#include "tests/fresh_state.h"

class AppTest : public FreshState {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid() && QDir::setCurrent(folder_.path()));
        WriteDisplayPreferences({});
    }
    void TearDown() override {
        window_.reset();
        ApplyNightLook(false);
        QDir::setCurrent(previousFolder_);
        FreshState::TearDown();
    }

    // Creates the window with `settings` as the settings file (null: none), shows it at `size`
    // and paints its first chart.
    MainWindow& OpenWindow(const char* settings = "0", QSize size = QSize(800, 600)) {
        CreateBackgroundBrush();
        QFile::remove("Settings.dat");
        if (QFile file("Settings.dat"); settings && file.open(QIODevice::WriteOnly))
            file.write(settings);
        window_ = std::make_unique<MainWindow>();
        window_->resize(size);
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        Repainted();
        return *window_;
    }
    // Whether a new chart pass was pending; paints at once.
    bool Repainted() {
        const bool pending = window_->chartPending();
        window_->repaint();
        return pending;
    }
    // A pointer move as the platform delivers it (QTest::mouseMove drops a repeated position).
    void MovePointer(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, window_->mapToGlobal(at), Qt::NoButton, {}, {});
        QApplication::sendEvent(window_.get(), &move);
    }

    QTemporaryDir folder_;
    QString previousFolder_ = QDir::currentPath();
    std::vector<std::string> questions_;
    bool answer_ = false;
    ScopedReplacement<QuestionSeam> questionSeam_{Questions(),
                                                  [this](QWidget* owner, auto& caption, auto&) {
                                                      EXPECT_EQ(owner, window_.get());
                                                      questions_.push_back(caption);
                                                      return answer_;
                                                  }};
    std::unique_ptr<MainWindow> window_;
};
