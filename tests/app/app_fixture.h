#pragma once
#include "app/app_globals.h"
#include "app/app_state.h"
#include "app/message_routes.h"
#include "platform/window_host.h"
#include "resources/dialog_templates.h"
#include "temp_dir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
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
        savePicture(home.file("start.png"), 4, 4);  // the folder the program starts in is not empty
        previousDirectory = std::filesystem::current_path();
        std::filesystem::current_path(home.path());
        const DialogTemplate& main = dialogTemplate(1000);
        window = std::make_unique<WindowHost>(routeMessage, main.caption, main.width, main.height);
        appGlobals.mainWindow = window.get();
        // The window keeps its start size unless a test turns wrapping on, and pictures come
        // in at once unless a test asks for a transition.
        appGlobals.arguments = {"vimble", "-nowrap", "-notransitions"};
    }

    void TearDown() override {
        if (appGlobals.app) window->destroyWindow();
        // A window destroyed once before sends no second Destroy: an application started again
        // on it is deleted here.
        if (appGlobals.app) send(Msg::Destroy);
        appGlobals.mainWindow = nullptr;
        window.reset();
        std::filesystem::current_path(previousDirectory);
        unsetenv("VIMBLE_HOME");
        // The quit that destruction posts must not reach a later test: a quit leaves Qt's
        // "quit now" mark set, which ends every modal loop at once until an exec clears it.
        runUntilQuit(50);
    }

    // Sends the message; a picture it has the program show is decoded off the window thread,
    // and is waited for.
    bool send(Msg id, int32_t value = 0) {
        Message message{id, 0, 0, value};
        const bool handled = window->send(message);
        if (appGlobals.app && appGlobals.app->showing()) waitForShow(*appGlobals.app);
        return handled;
    }
    bool send(Msg id, Command command) { return send(id, int32_t(command)); }

    // Builds the application, lets the window system map and expose its window and lets the
    // start-up scan finish and its picture come in, glide and all.
    AppState& startApp() {
        send(Msg::Created);
        drainEvents();
        settle();
        return *appGlobals.app;
    }

    // Lets the scan end and the picture it shows come in, glide or transition and all.
    static void settle() {
        EXPECT_TRUE(waitUntil(
            [] { return !appGlobals.app || (!appGlobals.app->catalog.scanRunning() && !appGlobals.app->showing()); }));
        drainEvents();
        playOut();
    }

    // Shows the current entry and lets what its paint leaves (a transition, a glide) begin.
    void showAndStartPlaying(AppState& app) {
        app.showCurrent(true);
        waitForShow(app);
        drainEvents();
        if (!app.view.playing()) send(Msg::AfterPaint);
    }

    // Starts with these 3 x 3 pictures beside start.png, listed by name.
    AppState& startWithPictures(std::initializer_list<const char*> names) {
        AppState& app = startApp();
        for (const char* name : names) savePicture(home.file(name), 3, 3);
        send(Msg::Command, Command::Refresh);
        EXPECT_EQ(app.catalog.images().size(), names.size() + 1);
        return app;
    }

    // Delivers events until the picture showCurrent asked for is decoded and on show. It stops
    // right after the pass that shows it: what the showing posts (a transition's AfterPaint) is
    // left for the test.
    static void waitForShow(AppState& app) {
        QElapsedTimer clock;
        clock.start();
        QTimer wake;  // the wait below ends at the next event, this one at the latest
        wake.start(2);
        while (app.showing() && clock.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        EXPECT_FALSE(app.showing());
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

    // Delivers events until the condition holds or the time is up; answers the condition.
    template <typename Condition>
    static bool waitUntil(Condition condition, int milliseconds = 10000) {
        QElapsedTimer clock;
        clock.start();
        QTimer wake;  // the wait below ends at the next event, this one at the latest
        wake.start(2);
        while (!condition() && clock.elapsed() < milliseconds)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return condition();
    }

    // Lets a transition or glide play to its end, then handles what waited for it.
    static void playOut() {
        waitUntil([] { return !appGlobals.app || !appGlobals.app->view.playing(); });
        drainEvents();
    }
    // Plays what the last paint left for afterwards (a transition, a glide) to its end.
    void playAfterPaint() {
        send(Msg::AfterPaint);
        playOut();
    }

    static void savePicture(const std::string& path, int width, int height) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        picture.save(QString::fromStdString(path));
    }

    // From now on answers every message box with Ok (or Yes); the first one's text lands in
    // messageText.
    void answerMessages() {
        messagePoll.disconnect();
        QObject::connect(&messagePoll, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (messageText.empty()) messageText = box->text().toStdString();
                QAbstractButton* yes =
                    box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok) : box->button(QMessageBox::Yes);
                if (yes) yes->click();
                else box->accept();
            }
        });
        messagePoll.start(10);
    }

    TempDir home;
    std::string messageText;
    QTimer messagePoll;
    std::filesystem::path previousDirectory;
    std::unique_ptr<WindowHost> window;
};
