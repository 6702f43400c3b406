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

// The main window and the application as the entry point builds them; files in a temporary folder.
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

    // Sends the message and waits for any picture it has the program show.
    bool send(Msg id, int32_t value = 0) {
        Message message{id, 0, 0, value};
        const bool handled = window->send(message);
        if (appGlobals.app && appGlobals.app->showing()) waitForShow(*appGlobals.app);
        return handled;
    }
    void command(Command id) { send(Msg::Command, int32_t(id)); }

    AppState& startApp() {
        send(Msg::Created);
        drainEvents();
        settle();
        return *appGlobals.app;
    }

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

    // What the showing posts (a transition's AfterPaint) is left for the test.
    static void waitForShow(AppState& app) {
        EXPECT_TRUE(waitUntil([&app] { return !app.showing(); }, 10000));
    }

    // -1 when the program does not quit within the time.
    static int runUntilQuit(int milliseconds = 5000) {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        guard.start(milliseconds);
        return QCoreApplication::exec();
    }

    // A queued quit finds no loop running and does nothing.
    static void drainEvents() { QCoreApplication::processEvents(); }

    static void playOut() {
        waitUntil([] { return !appGlobals.app || !appGlobals.app->view.playing(); });
        drainEvents();
    }
    void playAfterPaint() {
        send(Msg::AfterPaint);
        playOut();
    }

    // Answers every message box with Yes or Ok (No when yes is false); their texts go to messages.
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
