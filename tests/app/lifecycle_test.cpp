#include "app_fixture.h"
#include "platform/screen.h"

using Lifecycle = AppFixture;

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
    for (Msg id : {Msg::Command, Msg::Paint, Msg::Size, Msg::MouseMove, Msg::MouseWheel, Msg::EnterSizeMove,
                   Msg::HotKey, Msg::TrayNotify, Msg::RefreshStatus, Msg::QuitRequest, Msg::Destroy, Msg::EndSession}) {
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
