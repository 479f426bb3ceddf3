// A fixture for tests of the application window: a temporary current folder (the window reads
// and writes "Settings.dat" there), fresh tables and view settings, and stand-ins for the
// message boxes, the save question and the settings dialog that record what the window asked
// instead of waiting for a user (the settings dialog can still be the real one).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/messages.h"
#include "catalog/sky_model.h"
#include "chart/view_settings.h"
#include "shell/main_window.h"
#include "shell/message_boxes.h"
#include "shell/settings_dialog.h"
#include "shell/shell_objects.h"

struct AskedQuestion {
    std::string caption;
    std::string text;
    QWidget* owner = nullptr;
};

class AppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previousFolder_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder_.path()));
        ResetSkyModel();
        ResetViewSettings();
        InitProjectionPi();
        CreateBackgroundBrush();
        previousMessages_ = Messages().Replace(
            [this](const MessageRequest& request) { messages_.push_back(request); });
        previousQuestions_ = Questions().Replace(
            [this](QWidget* owner, const std::string& caption, const std::string& text) {
                questions_.push_back({caption, text, owner});
                return answer_;
            });
        previousRunner_ = SettingsDialogs().Replace([this](QWidget* owner) {
            ++dialogRuns_;
            dialogOwnerVisible_ = owner != nullptr && owner->isVisible();
            if (realDialog_) {
                SettingsDialog dialog(owner);
                dialog.exec();
            } else if (dialogAction_) {
                dialogAction_();
            }
        });
    }

    void TearDown() override {
        window_.reset();
        SettingsDialogs().Replace(previousRunner_);
        Questions().Replace(previousQuestions_);
        Messages().Replace(previousMessages_);
        QDir::setCurrent(previousFolder_);
    }

    void WriteSettings(const QByteArray& content) {
        QFile file(QStringLiteral("Settings.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray ReadSettings() {
        QFile file(QStringLiteral("Settings.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Creates the window, gives it a fixed size, shows it and waits for its first chart.
    MainWindow& OpenWindow(QSize size = QSize(800, 600)) {
        window_ = std::make_unique<MainWindow>();
        window_->resize(size);
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        PaintNow();
        return *window_;
    }

    // Runs any pending paint at once.
    void PaintNow() {
        window_->repaint();
        QCoreApplication::processEvents();
    }

    // A pointer move over the window, delivered as the platform delivers it. (QTest::mouseMove
    // drops a move to where the previous test left the pointer.)
    void MovePointer(QPoint point) {
        const QPointF local(point);
        QMouseEvent move(QEvent::MouseMove, local, window_->mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &move);
    }

    QTemporaryDir folder_;
    QString previousFolder_;
    MessageHandler previousMessages_;
    QuestionSeam::Function previousQuestions_;
    SettingsDialogSeam::Function previousRunner_;

    std::vector<MessageRequest> messages_;
    std::vector<AskedQuestion> questions_;
    bool answer_ = false;
    int dialogRuns_ = 0;
    bool dialogOwnerVisible_ = false;
    bool realDialog_ = false;  // the settings command runs the real dialog
    std::function<void()> dialogAction_;
    std::unique_ptr<MainWindow> window_;
};
