#include "app_fixture.h"

#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

using HotKeys = AppFixture;

TEST_F(HotKeys, TheDialogIgnoresEscAndKeepsTheOldKeyUnlessTheNewOneIsTaken) {
    AppState& app = startApp();
    std::vector<std::string> steps;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&steps] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            steps.push_back(box->text().toStdString());
            box->accept();
            return;
        }
        if (!dialog || dialog->windowTitle() != "Hide/Show HotKey") return;
        if (steps.empty()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(dialog, &escape);
            steps.push_back(dialog->isVisible() ? "open after Esc" : "closed by Esc");
            dialog->findChild<QCheckBox*>(QStringLiteral("412"))->setChecked(true);  // Shift as well
            // Clicked from the event loop: the refusal's message box must not run inside this tick.
            QMetaObject::invokeMethod(dialog->findChild<QPushButton*>(QStringLiteral("1")), "click",
                                      Qt::QueuedConnection);
        } else if (steps.size() == 2) {
            steps.push_back("cancel");
            dialog->findChild<QPushButton*>(QStringLiteral("203"))->click();
        }
    });
    poll.start(5);
    send(Msg::Command, 1351);
    // Without an X server no key can be taken, so the new combination is refused.
    EXPECT_EQ(steps, (std::vector<std::string>{"open after Esc", "Hotkey Unavailable", "cancel"}));
    EXPECT_EQ(app.settings.hidemod, 2);
    EXPECT_EQ(app.settings.hidekey, 27);
}
