#include "app_fixture.h"

#include "platform/clipboard.h"

#include <QFileDialog>

namespace {
// Answers the next file dialog with this path and, when given, this filter.
class FileUser {
public:
    explicit FileUser(std::string path, const char* filter = nullptr) {
        QObject::connect(&poll_, &QTimer::timeout, [this, path, filter] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            poll_.stop();
            title = dialog->windowTitle().toStdString();
            if (filter) dialog->selectNameFilter(QString::fromUtf8(filter));
            dialog->selectFile(QString::fromStdString(path));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        poll_.start(5);
    }
    std::string title;

private:
    QTimer poll_;
};
}  // namespace

class FileCommands : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        setenv("XDG_DATA_HOME", home.file("data").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_DATA_HOME");
        AppFixture::TearDown();
    }
};

TEST_F(FileCommands, CopyMoveAndRecycleChangeTheFilesAndTheList) {
    AppState& app = startWithPictures({"a.png", "b.png"});
    app.currentIndex = 0;  // a.png
    app.showCurrent(true);
    {
        FileUser user(home.file("copy.png"));
        send(Msg::Command, 1411);
        EXPECT_EQ(user.title, "Copy FIle");
    }
    EXPECT_EQ(readFile(home.file("copy.png")), readFile(home.file("a.png")));
    EXPECT_EQ(app.images.size(), 4u);
    EXPECT_EQ(app.currentPath, home.file("copy.png"));  // the copy comes first
    {
        FileUser user(home.file("renamed.png"));
        send(Msg::Command, 1412);
    }
    EXPECT_FALSE(std::filesystem::exists(home.file("copy.png")));
    EXPECT_EQ(app.currentPath, home.file("renamed.png"));
    EXPECT_EQ(app.images.size(), 4u);

    answerMessages();
    send(Msg::Command, 1421);
    EXPECT_EQ(messageText, "Recycle " + home.file("renamed.png") + " ?");
    EXPECT_FALSE(std::filesystem::exists(home.file("renamed.png")));
    EXPECT_TRUE(std::filesystem::exists(home.file("data/Trash/files/renamed.png")));
    EXPECT_EQ(app.images.size(), 3u);
}

TEST_F(FileCommands, SaveAsWritesThePictureAsShownInTheChosenFormat) {
    AppState& app = startWithPictures({"a.png"});
    app.currentIndex = 0;
    app.showCurrent(true);
    window->flushAll();
    {
        FileUser user(home.file("shot.jpg"), "BMP Files (*.bmp)");
        send(Msg::Command, 1413);
    }
    EXPECT_EQ(readFile(home.file("shot.jpg.bmp")).substr(0, 2), "BM");
    EXPECT_EQ(app.currentPath, home.file("shot.jpg.bmp"));
}

TEST_F(FileCommands, APastedPictureIsShownAtFullSizeAndIsNoFile) {
    AppState& app = startApp();
    QImage pasted(40, 30, QImage::Format_RGB32);
    pasted.fill(Qt::yellow);
    setClipboardImage(pasted);
    send(Msg::Command, 1416);
    EXPECT_EQ(app.currentPath, AppState::clipboardName);
    EXPECT_FALSE(app.settings.slide);
    EXPECT_EQ(app.currentZoom, 100);
    answerMessages();
    send(Msg::Command, 1401);
    EXPECT_EQ(messageText, "Not a file");
    window->flushAll();
    send(Msg::Command, 1415);  // the view: the whole picture, smaller than the window
    EXPECT_EQ(clipboardImage().size(), QSize(40, 30));
}
