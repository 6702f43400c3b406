#pragma once
#include "app/app_globals.h"
#include "app/app_state.h"
#include "app/dialog_proc.h"
#include "platform/window_host.h"
#include "resources/dialog_templates.h"
#include "temp_dir.h"

#include <QCoreApplication>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

// Builds the main window and the application as the entry point does, with the program's
// files in a temporary folder and that folder as the current directory.
class AppFixture : public testing::Test {
protected:
    void SetUp() override {
        setenv("VIMBLE_HOME", home.path().c_str(), 1);
        previousDirectory = std::filesystem::current_path();
        std::filesystem::current_path(home.path());
        const DialogTemplate& main = dialogTemplate(1000);
        window = std::make_unique<WindowHost>(dialogProc, main.caption, main.width, main.height);
        appGlobals.mainWindow = window.get();
        appGlobals.arguments = {"vimble"};
    }

    void TearDown() override {
        if (appGlobals.app) window->destroyWindow();
        appGlobals.mainWindow = nullptr;
        window.reset();
        std::filesystem::current_path(previousDirectory);
        unsetenv("VIMBLE_HOME");
        drainEvents();  // the quit posted by the destruction must not end a later test's loop
    }

    bool send(Msg id, int32_t value = 0) {
        Message message{id, 0, 0, value};
        return window->send(message);
    }

    // Builds the application and lets the window system map and expose its window.
    AppState& startApp() {
        send(Msg::InitDialog);
        drainEvents();
        return *appGlobals.app;
    }

    // Runs the event loop until the program quits; -1 when it does not within the time.
    static int runUntilQuit(int milliseconds = 5000) {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        guard.start(milliseconds);
        return QCoreApplication::exec();
    }

    // Delivers what is queued; a queued quit finds no loop running and does nothing.
    static void drainEvents() { QCoreApplication::processEvents(); }

    TempDir home;
    std::filesystem::path previousDirectory;
    std::unique_ptr<WindowHost> window;
};
