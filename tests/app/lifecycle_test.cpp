#include "app_fixture.h"

using Lifecycle = AppFixture;

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
