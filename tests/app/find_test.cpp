#include "app_fixture.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Answers the next Find/Filter dialog: types the text and presses the button (303 Find,
// 304 Filter, 305 Exclude), or presses Esc for 0. Records whether a dialog came up.
class FindUser {
public:
    FindUser(const char* text, int button) {
        QObject::connect(&poll_, &QTimer::timeout, [this, text, button] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            poll_.stop();
            shown = true;
            dialog->findChild<QLineEdit*>(QStringLiteral("202"))->setText(QString::fromUtf8(text));
            if (button) dialog->findChild<QPushButton*>(QString::number(button))->click();
            else dialog->reject();
        });
        poll_.start(5);
    }
    bool shown = false;

private:
    QTimer poll_;
};
}  // namespace

using Finding = AppFixture;

TEST_F(Finding, FindFilterAndExcludeWorkOnTheListInMemory) {
    AppState& app = startWithPictures({"cat1.png", "cat2.png", "dog.png"});
    {
        FindUser user("", 0);
        send(Msg::Command, Command::FindNext);  // F3 without a text asks for one
        EXPECT_TRUE(user.shown);
    }
    app.catalog.setIndex(1);  // cat2
    {
        FindUser user("CAT", 303);
        send(Msg::Command, Command::FindOrFilter);
    }
    EXPECT_EQ(app.catalog.index(), 1u);  // the current entry matches: it stays
    send(Msg::Command, Command::FindNext);
    EXPECT_EQ(app.catalog.index(), 0u);  // wraps to cat1
    {
        FindUser user("cat", 305);
        send(Msg::Command, Command::FindOrFilter);
    }
    ASSERT_EQ(app.catalog.images().size(), 2u);  // dog and start
    send(Msg::Command, Command::Refresh);
    EXPECT_EQ(app.catalog.images().size(), 4u);  // a refresh brings them back
    {
        FindUser user("zebra", 304);
        answerMessages();
        send(Msg::Command, Command::FindOrFilter);
    }
    EXPECT_TRUE(app.catalog.images().empty());
    EXPECT_EQ(messageText, "No files");
}

TEST_F(Finding, BookmarksAndTheOrientationFilters) {
    AppState& app = startWithPictures({"a.png", "b.png"});
    app.catalog.setIndex(1);
    send(Msg::Command, Command::Bookmark);
    EXPECT_EQ(app.settings.bookmark, 1);
    send(Msg::Command, Command::First);
    send(Msg::Command, Command::GoToMark);
    EXPECT_EQ(app.catalog.index(), 1u);
    app.settings.bookmark = 7;  // beyond the list: ignored
    send(Msg::Command, Command::GoToMark);
    EXPECT_EQ(app.catalog.index(), 1u);

    send(Msg::Command, Command::LandscapeOnly);
    EXPECT_TRUE(app.settings.landscapeOnly);
    send(Msg::Command, Command::PortraitOnly);
    EXPECT_TRUE(app.settings.portraitOnly);
    EXPECT_FALSE(app.settings.landscapeOnly);
    send(Msg::Command, Command::PortraitOnly);
    EXPECT_FALSE(app.settings.portraitOnly || app.settings.landscapeOnly);
}
