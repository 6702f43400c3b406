#include "app/command_table.h"
#include "app/menus.h"
#include "app_fixture.h"
#include "resources/menu_table.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <set>

namespace {

void press(QWidget* to, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

// Types the text into each number dialog and presses Ok (Esc when cancel); keeps the dialog's
// caption, the number it offered and whether the slideshow waited meanwhile.
struct NumberUser {
    explicit NumberUser(const char* text, bool cancel = false)
        : user([this, text, cancel](QWidget* dialog) {
              auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("202"));
              if (!edit) return;  // a message box
              caption = dialog->windowTitle().toStdString();
              offered = edit->text().toStdString();
              suspended = appGlobals.app->slideshow.suspended();
              edit->setText(QString::fromUtf8(text));
              if (cancel) static_cast<QDialog*>(dialog)->reject();
              else dialog->findChild<QPushButton*>(QStringLiteral("1"))->click();
          }) {}
    std::string caption, offered;
    bool suspended = false;
    DialogUser user;
};

}  // namespace

using Menus = AppFixture;

TEST_F(Menus, NumberDialogsStoreDigitsWithinRangeAndCancelStoresNothing) {
    AppState& app = startWithPictures({"a.png", "b.png", "c.png"});
    {
        NumberUser user("2500");
        command(Command::Timer);
        EXPECT_EQ(user.caption, "Slideshow Timer");
        EXPECT_EQ(user.offered, "5000");
        EXPECT_TRUE(user.suspended);
    }
    EXPECT_EQ(app.settings.timer, 2500);
    EXPECT_EQ(app.slideshow.remaining(), 2500u);
    EXPECT_FALSE(app.slideshow.suspended());
    const struct {
        Command command;
        const char* text;
        bool cancel;
        int32_t Settings::*setting;
        int32_t expected;
    } cases[] = {{Command::ZoomStep, "7", true, &Settings::zoomstep, 10},
                 {Command::CollageSize, "", false, &Settings::collagesize, 0},
                 {Command::Timer, "123456789012345", false, &Settings::timer, INT32_MAX},  // the longest there is
                 {Command::Opacity, "900", false, &Settings::opacity, 255}};
    for (const auto& c : cases) {
        {
            NumberUser user(c.text, c.cancel);
            command(c.command);
        }
        EXPECT_EQ(app.settings.*c.setting, c.expected) << c.text;
    }
}

TEST_F(Menus, TheHotKeyDialogIgnoresEscAndTheKeyInForceNeedsNoNewGrab) {
    AppState& app = startApp();
    std::vector<std::string> steps;
    DialogUser user([&steps](QWidget* dialog) {
        if (qobject_cast<QMessageBox*>(dialog)) return steps.push_back("message");
        press(dialog, Qt::Key_Escape);
        steps.push_back(dialog->isVisible() ? "open after Esc" : "closed by Esc");
        dialog->findChild<QPushButton*>(QStringLiteral("1"))->click();  // Ctrl+Esc again
    });
    command(Command::ShowHideHotkey);
    EXPECT_EQ(steps, std::vector<std::string>{"open after Esc"});
    EXPECT_FALSE(app.slideshow.suspended());
    EXPECT_EQ(app.settings.hidemod, 2);
    EXPECT_EQ(app.settings.hidekey, 27);
}

namespace {
void collectCommands(const MenuItem& menu, std::multiset<int>& ids) {
    for (const MenuItem& item : menu.items) {
        if (item.kind == MenuItem::Kind::Command) ids.insert(item.id);
        collectCommands(item, ids);
    }
}
}  // namespace

TEST(MenuTable, EveryCommandIsOnTheMenuOnceAndNoKeyRunsTwoCommands) {
    std::multiset<int> ids;
    collectCommands(loadMainMenu(), ids);
    for (const int id : ids) {
        const CommandRow* row = commandRow(Command(id));
        ASSERT_NE(row, nullptr) << id;
        EXPECT_NE(row->action, nullptr) << row->text;
    }
    std::set<std::tuple<int, char, int>> seen;
    for (const CommandRow& row : commandRows()) {
        EXPECT_EQ(ids.count(int(row.command)), 1u) << row.text;
        for (const CommandKey& k : row.keys) {
            if (k.key == 0 && k.character == 0) continue;
            EXPECT_TRUE(seen.insert({k.key, k.character, k.modifiers}).second) << "a key of two commands: " << row.text;
            EXPECT_EQ(acceleratorCommand(k.key, k.modifiers, k.character), row.command) << row.text;
        }
    }
}

TEST(MenuPins, EachDismissalDropsTheInnermostPinAndAPinChosenAgainIsTakenOff) {
    MenuPins pins;
    pins.pin(Command::PinMainMenu);
    const int whole = pins.reopenIndex();
    pins.pin(Command::PinSlideshow);
    const int slideshow = pins.reopenIndex();
    pins.pin(Command::PinArchive);  // inside Shell
    EXPECT_NE(pins.reopenIndex(), slideshow);
    pins.unpinOne();
    EXPECT_EQ(pins.reopenIndex(), slideshow);
    pins.unpinOne();
    EXPECT_EQ(pins.reopenIndex(), whole);
    pins.unpinOne();
    EXPECT_EQ(pins.reopenIndex(), -1);
    pins.pin(Command::PinZoom);
    pins.pin(Command::PinRotate);  // another sub-menu's pin replaces it
    EXPECT_NE(pins.pinnedSubMenu, -1);
    pins.pin(Command::PinRotate);
    EXPECT_EQ(pins.pinnedSubMenu, -1);
}
