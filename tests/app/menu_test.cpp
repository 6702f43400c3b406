#include "app_fixture.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <deque>

namespace {

// Answers the real popup menus as a user would with the keyboard: each menu that opens takes
// the next planned answer, a command to choose (found in its sub-menus if need be) or
// Command::None to press Esc. Each menu shown is recorded with its items' texts and where it opened.
class MenuUser {
public:
    struct Shown {
        std::vector<std::string> texts;
        std::vector<bool> checks;
        QPoint at;
    };

    explicit MenuUser(std::deque<Command> plan) : plan_(std::move(plan)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] { step(); });
        poll_.start(5);
    }

    std::vector<Shown> shown;
    bool done() const { return plan_.empty() && !QApplication::activePopupWidget(); }

private:
    static bool holds(QMenu* menu, Command id) {
        for (QAction* a : menu->actions())
            if ((a->menu() && holds(a->menu(), id)) ||
                (!a->menu() && !a->isSeparator() && a->data().toInt() == int(id)))
                return true;
        return false;
    }

    static void press(QWidget* to, int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(to, &event);
    }

    void step() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        // A menu that is neither the one being answered nor one of its sub-menus has just opened.
        QObject* root = menu;
        while (root && root != current_) root = root->parent();
        if (!root) {
            current_ = menu;
            Shown s{{}, {}, menu->pos()};
            for (QAction* a : menu->actions()) {
                s.texts.push_back(a->text().toStdString());
                s.checks.push_back(a->isChecked());
            }
            shown.push_back(s);
            target_ = plan_.empty() ? Command::None : plan_.front();
            if (!plan_.empty()) plan_.pop_front();
        }
        if (target_ == Command::None) return press(menu, Qt::Key_Escape);
        for (QAction* a : menu->actions()) {
            if (a->menu() ? !holds(a->menu(), target_) : a->data().toInt() != int(target_) || a->isSeparator())
                continue;
            menu->setActiveAction(a);
            return press(menu, a->menu() ? Qt::Key_Right : Qt::Key_Return);
        }
    }

    std::deque<Command> plan_;
    Command target_ = Command::None;
    QPointer<QMenu> current_;
    QTimer poll_;
};

// Answers the next numeric-input dialog: types the text and presses "Ok", or closes it with
// Esc when cancel is set. Records whether the slideshow was suspended meanwhile.
class NumberUser {
public:
    NumberUser(const char* text, bool cancel = false) {
        QObject::connect(&poll_, &QTimer::timeout, [this, text, cancel] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            poll_.stop();
            caption = dialog->windowTitle().toStdString();
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("202"));
            offered = edit->text().toStdString();
            suspended = appGlobals.app->slideshow.suspended();
            edit->setText(QString::fromUtf8(text));
            if (cancel) dialog->reject();
            else dialog->findChild<QPushButton*>(QStringLiteral("1"))->click();
        });
        poll_.start(5);
    }
    std::string caption, offered;
    bool suspended = false;

private:
    QTimer poll_;
};

}  // namespace

class Menus : public AppFixture {
protected:
    void settle(MenuUser& user) {
        EXPECT_TRUE(waitUntil([&user] { return user.done(); }, 5000));
        drainEvents();  // a re-open still queued would show one more menu
        waitUntil([] { return false; }, 50);
    }
};

TEST_F(Menus, APinnedSubMenuComesBackAfterEachCommandUntilDismissed) {
    AppState& app = startApp();
    MenuUser user({Command::PinSlideshow, Command::Slideshow, Command::None});
    app.showContextMenu(30, 40, 0);
    settle(user);
    ASSERT_EQ(user.shown.size(), 3u);
    EXPECT_EQ(user.shown[0].texts.size(), 34u);  // the whole menu
    EXPECT_EQ(user.shown[1].texts, (std::vector<std::string>{"Pin", "", "Slideshow\tPause", "Timer...\tCtrl+T"}));
    EXPECT_TRUE(user.shown[1].checks[0]);  // "Pin" carries its mark
    EXPECT_EQ(user.shown[1].at, user.shown[2].at);
    EXPECT_FALSE(app.settings.slide);
    EXPECT_EQ(app.pins.pinnedSubMenu, -1);
    EXPECT_EQ(app.pins.reopenIndex(), -1);
}

TEST_F(Menus, WithTheWholeMenuPinnedEscOnASubMenuReturnsToIt) {
    AppState& app = startApp();
    {
        MenuUser user({Command::PinMainMenu, Command::PinSlideshow, Command::None, Command::None});
        app.showContextMenu(10, 10, 0);
        settle(user);
        ASSERT_EQ(user.shown.size(), 4u);
        EXPECT_EQ(user.shown[1].texts.size(), 34u);
        EXPECT_TRUE(user.shown[1].checks[0]);
        EXPECT_EQ(user.shown[2].texts.size(), 4u);
        EXPECT_EQ(user.shown[3].texts.size(), 34u);
        EXPECT_FALSE(app.pins.menuPinned);
    }
    // A nested pin re-opens "Archive" out of "Shell".
    MenuUser nested({Command::PinArchive, Command::None});
    app.showContextMenu(10, 10, 0);
    settle(nested);
    ASSERT_EQ(nested.shown.size(), 2u);
    EXPECT_EQ(nested.shown[1].texts[2], "Archive\tF9");
    EXPECT_EQ(app.pins.pinnedNestedMenu, -1);
}

TEST_F(Menus, TheNumericDialogStoresDigitsAndCancelStoresNothing) {
    AppState& app = startApp();
    {
        NumberUser user("2500");
        send(Msg::Command, Command::Timer);
        EXPECT_EQ(user.caption, "Slideshow Timer");
        EXPECT_EQ(user.offered, "5000");
        EXPECT_TRUE(user.suspended);
    }
    EXPECT_EQ(app.settings.timer, 2500);
    EXPECT_EQ(app.slideshow.remaining(), 2500u);
    EXPECT_FALSE(app.slideshow.suspended());
    {
        NumberUser user("7", true);
        send(Msg::Command, Command::ZoomStep);
        EXPECT_EQ(user.caption, "Zoom Step");
    }
    EXPECT_EQ(app.settings.zoomstep, 10);
    {
        NumberUser user("");
        send(Msg::Command, Command::CollageSize);
    }
    EXPECT_EQ(app.settings.collagesize, 0);
    {
        NumberUser user("123456789012345");
        send(Msg::Command, Command::Timer);
    }
    EXPECT_EQ(app.settings.timer, INT32_MAX);  // the longest interval there is
    {
        NumberUser user("900");
        send(Msg::Command, Command::Opacity);
    }
    EXPECT_EQ(app.settings.opacity, 255);
}

TEST_F(Menus, GoToTakesANumberWithinTheList) {
    AppState& app = startWithPictures({"a.png", "b.png", "c.png"});
    app.catalog.setIndex(1);
    {
        NumberUser user("4");
        send(Msg::Command, Command::GoTo);
        EXPECT_EQ(user.offered, "2");
    }
    EXPECT_EQ(app.catalog.index(), 3u);
    for (const char* outside : {"0", "5"}) {
        NumberUser user(outside);
        send(Msg::Command, Command::GoTo);
    }
    EXPECT_EQ(app.catalog.index(), 3u);
}

TEST_F(Menus, WithoutTheMenuOnlyMenuAboutAndExitStillWork) {
    AppState& app = startApp();
    app.settings.noMenu = true;
    send(Msg::Command, Command::Slideshow);
    send(Msg::Command, Command::Overlap);
    EXPECT_TRUE(app.settings.slide);
    EXPECT_TRUE(app.settings.overlap);
    MenuUser user({Command::None});
    send(Msg::Command, Command::Menu);
    settle(user);
    EXPECT_EQ(user.shown.size(), 1u);
    std::string about;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&about] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        for (QLabel* line : dialog->findChildren<QLabel*>()) about += line->text().toStdString();
        dialog->reject();
    });
    closer.start(5);
    send(Msg::Command, Command::About);
    EXPECT_EQ(about, "Vimble 1.97g");
    send(Msg::Command, Command::Exit);
    EXPECT_EQ(appGlobals.app, nullptr);
}

TEST_F(Menus, EffectItemsTakeTheirEffectOutOrAddItAtTheEnd) {
    AppState& app = startApp();
    ASSERT_EQ(app.settings.enabledTransitions, allTransitions());
    send(Msg::Command, Command::ShuttersRight);
    send(Msg::Command, Command::ShuttersDown);
    EXPECT_EQ(app.settings.enabledTransitions.size(), 13u);
    send(Msg::Command, Command::ShuttersRight);
    EXPECT_EQ(app.settings.enabledTransitions.back(), 0);
    send(Msg::Command, Command::NoTransitions);
    send(Msg::Command, Command::Crossfade);
    EXPECT_EQ(app.settings.enabledTransitions, std::vector<int32_t>{14});
    send(Msg::Command, Command::AllTransitions);
    EXPECT_EQ(app.settings.enabledTransitions, allTransitions());
}
