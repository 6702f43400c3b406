#include "app_fixture.h"

#include "platform/status_bar.h"

#include <QLabel>

class Status : public AppFixture {
protected:
    static std::string part(AppState& app, int index) {
        return app.arranger.statusBar() ? app.arranger.statusBar()->text(index) : "-";
    }
};

TEST_F(Status, TheBarReportsThePictureAndCountsDownTheShow) {
    savePicture(home.file("b.png"), 6, 5);
    AppState& app = startApp();
    ASSERT_EQ(app.catalog.images().size(), 2u);
    app.settings.timer = 5000;
    app.catalog.setIndex(0);  // b.png
    app.showCurrent(true);
    waitForShow(app);
    drainEvents();
    window->flushAll();
    const auto size = std::filesystem::file_size(home.file("b.png"));
    char expected[32];
    std::snprintf(expected, sizeof expected, "\t%2.2f KB", double(size) / 1024.0);
    EXPECT_EQ(part(app, 0), expected);
    EXPECT_EQ(part(app, 1), "\t6x5x24");
    EXPECT_EQ(part(app, 4), "\t1/2");
    EXPECT_EQ(part(app, 5), "\t5.00");
    EXPECT_EQ(part(app, 6), "\tF1");
    for (const char* left : {"\t4.00", "\t3.00", "\t2.00", "\t1.00"}) {
        window->handle([&] { app.slideshow.tick(); });
        EXPECT_EQ(part(app, 5), left);
    }
    window->handle([&] { app.slideshow.tick(); });
    waitForShow(app);
    EXPECT_EQ(app.catalog.index(), 1u);
    EXPECT_EQ(part(app, 5), "\t5.00");
    send(Msg::Command, Command::Slideshow);
    EXPECT_EQ(part(app, 5), "\t!");
    // The picture sits above the bar.
    EXPECT_EQ(app.view.viewRect().height(), window->clientHeight() - app.arranger.statusBarHeight());
    EXPECT_GT(app.arranger.statusBarHeight(), 0);
}

TEST_F(Status, CommandsTurnTheBarAndTheNameInTheCaptionOnAndOff) {
    AppState& app = startApp();
    window->flushAll();
    EXPECT_EQ(window->caption(), home.file("start.png") + " - Tarnex Vimble");
    send(Msg::Command, Command::FullPath);
    EXPECT_EQ(window->caption(), "start - Tarnex Vimble");
    send(Msg::Command, Command::NameInCaption);
    EXPECT_EQ(window->caption(), "Tarnex Vimble");
    ASSERT_TRUE(app.arranger.statusBar());
    send(Msg::Command, Command::StatusBar);
    EXPECT_FALSE(app.arranger.statusBar());
    EXPECT_EQ(app.view.viewRect().height(), window->clientHeight());
    send(Msg::Command, Command::StatusBar);
    EXPECT_TRUE(app.arranger.statusBar());
    EXPECT_FALSE(app.settings.title);
}

TEST_F(Status, ATrayClickHidesAndShowsTheWindow) {
    AppState& app = startApp();
    send(Msg::Command, Command::TrayIcon);
    EXPECT_TRUE(app.arranger.trayIconShown());
    EXPECT_TRUE(window->isVisible());
    send(Msg::TrayNotify, TrayLeftClick);
    EXPECT_FALSE(window->isVisible());
    send(Msg::TrayNotify, TrayLeftClick);
    EXPECT_TRUE(window->isVisible());
    send(Msg::Command, Command::TrayIcon);
    EXPECT_FALSE(app.arranger.trayIconShown());
}
