#include "app_fixture.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>

// Run at several screen scales (QT_SCALE_FACTOR): whatever the scale and the font, every text
// of the status bar and of the dialogs gets the room it needs.
using Layout = AppFixture;

TEST_F(Layout, TheStatusBarAndTheDialogsGiveTheirTextsTheRoomTheyNeed) {
    AppState& app = startApp();
    savePicture(home.file("wide.png"), 1234, 1234);
    send(Msg::Command, Command::Refresh);
    app.catalog.setIndex(1);
    app.showCurrent(true);
    waitForShow(app);
    drainEvents();
    int parts = 0;
    for (const QLabel* part : window->widget()->findChildren<QLabel*>()) {
        if (part->text().isEmpty()) continue;
        ++parts;
        EXPECT_GE(part->contentsRect().width(), part->fontMetrics().horizontalAdvance(part->text()))
            << part->text().toStdString();
    }
    EXPECT_GE(parts, 5);

    std::vector<std::string> checked, cut;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        checked.push_back(dialog->windowTitle().toStdString());
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->width() < button->sizeHint().width())
                cut.push_back(checked.back() + ": " + button->text().toStdString());
        dialog->done(0);
    });
    poll.start(5);
    send(Msg::Command, Command::ShowHideHotkey);  // the hot key: four check boxes in a row
    send(Msg::Command, Command::FindOrFilter);    // find: a field, two check boxes, three buttons
    send(Msg::Command, Command::Timer);           // a number
    EXPECT_EQ(checked, (std::vector<std::string>{"Hide/Show HotKey", "Find/Filter", "Slideshow Timer"}));
    EXPECT_EQ(cut, std::vector<std::string>{});
}
