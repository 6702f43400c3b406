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
    command(Command::Refresh);
    showIndex(app, 1);
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
    DialogUser user([&](QWidget* widget) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        checked.push_back(dialog->windowTitle().toStdString());
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->width() < button->sizeHint().width())
                cut.push_back(checked.back() + ": " + button->text().toStdString());
        dialog->done(0);
    });
    command(Command::ShowHideHotkey);  // the hot key: four check boxes in a row
    command(Command::FindOrFilter);    // find: a field, two check boxes, three buttons
    command(Command::Timer);           // a number
    EXPECT_EQ(checked, (std::vector<std::string>{"Hide/Show HotKey", "Find/Filter", "Slideshow Timer"}));
    EXPECT_EQ(cut, std::vector<std::string>{});
}
