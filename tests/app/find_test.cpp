#include "app_fixture.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

using Finding = AppFixture;

TEST_F(Finding, FindFilterAndExcludeWorkOnTheListInMemory) {
    AppState& app = startWithPictures({"cat1.png", "cat2.png", "dog.png"});
    // Runs the command with the Find/Filter dialog answered by the text and the button (303
    // Find, 304 Filter, 305 Exclude; 0 Esc); false when no dialog came up.
    const auto find = [this](Command id, const char* text, int button) {
        bool shown = false;
        DialogUser user([&](QWidget* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("202"));
            if (!edit) return;  // a message box
            shown = true;
            edit->setText(QString::fromUtf8(text));
            if (button) dialog->findChild<QPushButton*>(QString::number(button))->click();
            else static_cast<QDialog*>(dialog)->reject();
        });
        command(id);
        return shown;
    };
    EXPECT_TRUE(find(Command::FindNext, "", 0));  // F3 without a text asks for one
    app.catalog.setIndex(1);                      // cat2
    find(Command::FindOrFilter, "CAT", 303);
    EXPECT_EQ(app.catalog.index(), 1u);  // the current entry matches: it stays
    command(Command::FindNext);
    EXPECT_EQ(app.catalog.index(), 0u);  // wraps to cat1
    find(Command::FindOrFilter, "cat", 305);
    ASSERT_EQ(app.catalog.images().size(), 2u);  // dog and start
    command(Command::Refresh);
    EXPECT_EQ(app.catalog.images().size(), 4u);  // a refresh brings them back
    answerMessages();
    find(Command::FindOrFilter, "zebra", 304);
    EXPECT_TRUE(app.catalog.images().empty());
    EXPECT_EQ(messages, std::vector<std::string>{"No files"});
}
