#include "app_fixture.h"
#include "platform/screen.h"

using Lifecycle = AppFixture;

TEST_F(Lifecycle, InitBuildsTheDefaultsPathsAndPresetsAndShowsTheWindow) {
    AppState& app = startApp();
    EXPECT_EQ(appGlobals.app, &app);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->caption(), home.file("start.png") + " - Tarnex Vimble");

    EXPECT_EQ(app.settings.folder, home.path());
    EXPECT_EQ(app.settingsPath, home.file("vimble.ini"));
    EXPECT_EQ(app.errorLogPath, home.file("errors.log"));
    EXPECT_EQ(app.archiveLogPath, home.file("archived.log"));
    EXPECT_EQ(app.wallpaperPath, home.file("vimpaper.bmp"));
    EXPECT_TRUE(std::filesystem::exists(app.helpPath.substr(0, app.helpPath.rfind('/')) + "/vimble_app_tests"));

    EXPECT_TRUE(app.settings.slide);
    EXPECT_EQ(app.settings.timer, 5000);
    EXPECT_EQ(app.settings.enabledTransitions, (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(app.settings.hidemod, 2);
    EXPECT_EQ(app.settings.hidekey, 27);
    EXPECT_EQ(app.trayIcon.tip, "Tarnex Vimble");
    EXPECT_EQ(app.screenRect, primaryScreenRect());

    // The window starts centred on the work area with the template's size (its frame is not
    // known before it is mapped), and the presets spread around it.
    const Rect area = workArea();
    EXPECT_EQ(app.settings.windowRect.width(), 225);
    EXPECT_EQ(app.settings.windowRect.height(), 325);
    EXPECT_LE(std::abs((app.settings.windowRect.left + app.settings.windowRect.right) / 2 - (area.left + area.right) / 2), 1);
    EXPECT_LE(std::abs((app.settings.windowRect.top + app.settings.windowRect.bottom) / 2 - (area.top + area.bottom) / 2), 1);
    EXPECT_EQ(app.settings.presets[0], app.settings.windowRect.moved(-100, -100));
    EXPECT_EQ(app.settings.presets[4], app.settings.windowRect);
}

TEST_F(Lifecycle, ClosingDestroysTheApplicationAndEndsTheLoopWithCodeZero) {
    startApp();
    QTimer::singleShot(0, [this] { send(Msg::Close); });
    EXPECT_EQ(runUntilQuit(), 0);
    EXPECT_EQ(appGlobals.app, nullptr);
    EXPECT_TRUE(window->isDestroyed());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Lifecycle, AnotherCopysQuitRequestEndsTheProgramLikeClose) {
    startApp();
    window->post(Message{Msg::QuitRequest});
    EXPECT_EQ(runUntilQuit(), 0);
    EXPECT_EQ(appGlobals.app, nullptr);
    EXPECT_TRUE(window->isDestroyed());
}

TEST_F(Lifecycle, OnlyARealEndOfSessionDestroysTheApplication) {
    startApp();
    send(Msg::EndSession, 0);
    EXPECT_NE(appGlobals.app, nullptr);
    send(Msg::EndSession, 1);
    EXPECT_EQ(appGlobals.app, nullptr);
}

TEST_F(Lifecycle, MessagesBeforeTheApplicationExistsDoNothing) {
    for (Msg id : {Msg::Command, Msg::Timer, Msg::Paint, Msg::Size, Msg::MouseMove, Msg::MouseWheel,
                   Msg::EnterSizeMove, Msg::HotKey, Msg::TrayNotify, Msg::RefreshStatus, Msg::QuitRequest,
                   Msg::Destroy, Msg::EndSession}) {
        send(id, 1);
    }
    EXPECT_EQ(appGlobals.app, nullptr);
    EXPECT_FALSE(window->isDestroyed());
    startApp();
    EXPECT_NE(appGlobals.app, nullptr);
}

TEST_F(Lifecycle, StartPullsASavedWindowBackOntoTheScreenWhenNotWrapping) {
    AppState& app = startApp();
    app.settings.wrap = false;
    const int32_t w = app.settings.windowRect.width(), h = app.settings.windowRect.height();
    app.settings.windowRect = {app.screenRect.right - w + 40, 100, app.screenRect.right + 40, 100 + h};
    app.start();
    EXPECT_EQ(app.settings.windowRect, (Rect{app.screenRect.right - w, 100, app.screenRect.right, 100 + h}));
    EXPECT_EQ(window->frameRect(), app.settings.windowRect);

    app.settings.corral = false;
    app.settings.windowRect = app.settings.windowRect.moved(40, 0);
    app.start();
    EXPECT_EQ(window->frameRect(), app.settings.windowRect);
}
