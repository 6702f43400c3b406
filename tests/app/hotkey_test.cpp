#include "app_fixture.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

using HotKeys = AppFixture;

TEST_F(HotKeys, TheDialogIgnoresEscAndTheKeyInForceNeedsNoNewGrab) {
    AppState& app = startApp();
    std::vector<std::string> steps;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&steps] {
        if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) steps.push_back("message");
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->windowTitle() != "Hide/Show HotKey" || !steps.empty()) return;
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dialog, &escape);
        steps.push_back(dialog->isVisible() ? "open after Esc" : "closed by Esc");
        dialog->findChild<QPushButton*>(QStringLiteral("1"))->click();  // Ctrl+Esc again
    });
    poll.start(5);
    send(Msg::Command, Command::ShowHideHotkey);
    EXPECT_EQ(steps, std::vector<std::string>{"open after Esc"});
    EXPECT_FALSE(app.slideshow.suspended());
    EXPECT_EQ(app.settings.hidemod, 2);
    EXPECT_EQ(app.settings.hidekey, 27);
}
