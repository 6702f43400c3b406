#pragma once
#include "app/app_globals.h"
#include "app/app_state.h"
#include "app/message_routes.h"
#include "pictures.h"
#include "platform/window_host.h"
#include "resources/dialog_templates.h"
#include "temp_dir.h"
#include "wait.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Hands each modal dialog that opens to the answer, once.
class DialogUser {
public:
    explicit DialogUser(std::function<void(QWidget*)> answer) {
        QObject::connect(&poll_, &QTimer::timeout, [this, answer] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || dialog == last_ || !dialog->isVisible()) return;
            last_ = dialog;
            answer(dialog);
        });
        poll_.start(5);
    }

private:
    QTimer poll_;
    QPointer<QWidget> last_;  // null again once that dialog is gone
};

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
        messageUser.reset();
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
    void command(Command id) { send(Msg::Command, int32_t(id)); }

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

    // Starts with these 3 x 3 pictures beside start.png, listed by name.
    AppState& startWithPictures(std::initializer_list<const char*> names) {
        AppState& app = startApp();
        for (const char* name : names) savePicture(home.file(name), 3, 3);
        command(Command::Refresh);
        EXPECT_EQ(app.catalog.images().size(), names.size() + 1);
        return app;
    }

    // Makes the entry of the path current and shows it.
    void showPath(AppState& app, const std::string& path) {
        const ImageList& list = app.catalog.images();
        const auto at = std::find_if(list.begin(), list.end(), [&](const ImageEntry& e) { return e.path == path; });
        ASSERT_NE(at, list.end()) << path;
        showIndex(app, uint32_t(at - list.begin()));
    }
    static void showIndex(AppState& app, uint32_t index) {
        app.catalog.setIndex(index);
        app.showCurrent(true);
        waitForShow(app);
    }

    // Shows the current entry and lets what its paint leaves (a transition, a glide) begin.
    void showAndStartPlaying(AppState& app) {
        app.showCurrent(true);
        waitForShow(app);
        drainEvents();
        if (!app.view.playing()) send(Msg::AfterPaint);
    }

    // Delivers events until the picture showCurrent asked for is on show; what the showing posts
    // (a transition's AfterPaint) is left for the test.
    static void waitForShow(AppState& app) {
        EXPECT_TRUE(waitUntil([&app] { return !app.showing(); }, 10000));
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
    static void pause(int milliseconds) {
        waitUntil([] { return false; }, milliseconds);
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

    // From now on answers every message box with Yes or Ok (No when yes is false); their texts
    // land in messages.
    void answerMessages(bool yes = true) {
        messageUser = std::make_unique<DialogUser>([this, yes](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            if (!box) return;
            messages.push_back(box->text().toStdString());
            QAbstractButton* button = box->button(yes ? QMessageBox::Yes : QMessageBox::No);
            if (!button) button = box->button(QMessageBox::Ok);
            if (button) button->click();
            else box->accept();
        });
    }

    TempDir home;
    std::vector<std::string> messages;
    std::unique_ptr<DialogUser> messageUser;
    std::filesystem::path previousDirectory;
    std::unique_ptr<WindowHost> window;
};
