#include "app_fixture.h"

#include "file_system.h"
#include "platform/clipboard.h"

#include <QFileDialog>
#include <QPointer>

namespace {
// Answers the file dialogs in turn with these paths (and, when given, this filter), and any
// dialog after them with Cancel.
class FileUser {
public:
    explicit FileUser(std::vector<std::string> paths, const char* filter = nullptr) {
        QObject::connect(&poll_, &QTimer::timeout, [this, paths, filter] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog == last_) return;
            last_ = dialog;
            title = dialog->windowTitle().toStdString();
            if (answered == paths.size()) {
                QMetaObject::invokeMethod(dialog, "reject");
                return;
            }
            if (filter) dialog->selectNameFilter(QString::fromUtf8(filter));
            dialog->selectFile(QFile::decodeName(paths[answered++].c_str()));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        poll_.start(5);
    }
    explicit FileUser(const std::string& path, const char* filter = nullptr)
        : FileUser(std::vector<std::string>{path}, filter) {}
    std::string title;
    size_t answered = 0;

private:
    QTimer poll_;
    QPointer<QObject> last_;  // null again once that dialog is gone
};

// Answers every message box with Yes or No and keeps their texts.
class MessageUser {
public:
    explicit MessageUser(bool yes) {
        QObject::connect(&poll_, &QTimer::timeout, [this, yes] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == last_) return;
            last_ = box;
            texts.push_back(box->text().toStdString());
            if (QAbstractButton* button = box->button(yes ? QMessageBox::Yes : QMessageBox::No)) button->click();
            else box->accept();
        });
        poll_.start(5);
    }
    std::vector<std::string> texts;

private:
    QTimer poll_;
    QPointer<QObject> last_;  // null again once that dialog is gone
};
}  // namespace

class FileCommandsRun : public AppFixture {
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

TEST_F(FileCommandsRun, CopyMoveAndRecycleChangeTheFilesAndTheList) {
    AppState& app = startWithPictures({"a.png", "b.png"});
    app.catalog.setIndex(0);  // a.png
    app.showCurrent(true);
    waitForShow(app);
    const std::string a = readFile(home.file("a.png"));
    {
        FileUser user(home.file("copyA"));  // no extension: the source's is added
        send(Msg::Command, Command::CopyFile);
        EXPECT_EQ(user.title, "Copy FIle");
    }
    EXPECT_EQ(readFile(home.file("copyA.png")), a);
    EXPECT_FALSE(std::filesystem::exists(home.file("copyA")));
    EXPECT_EQ(app.catalog.images().size(), 4u);
    EXPECT_EQ(app.catalog.currentPath(), home.file("copyA.png"));  // the copy comes first
    {
        FileUser user(home.file("renamed.png"));
        send(Msg::Command, Command::MoveFile);
    }
    EXPECT_FALSE(std::filesystem::exists(home.file("copyA.png")));
    EXPECT_EQ(app.catalog.currentPath(), home.file("renamed.png"));
    EXPECT_EQ(app.catalog.images().size(), 4u);
    {
        // Onto a listed file, replaced after a Yes: the list keeps one entry for it.
        writeFile(home.file("b.png"), "b");
        MessageUser yes(true);
        FileUser user(home.file("b"));
        send(Msg::Command, Command::MoveFile);
        ASSERT_EQ(yes.texts, std::vector<std::string>{"b.png already exists.\nDo you want to replace it?"});
    }
    EXPECT_EQ(readFile(home.file("b.png")), a);
    EXPECT_EQ(app.catalog.currentPath(), home.file("b.png"));
    EXPECT_EQ(std::count_if(app.catalog.images().begin(), app.catalog.images().end(),
                            [&](const ImageEntry& e) { return e.path == home.file("b.png"); }),
              1);
    EXPECT_EQ(app.catalog.images().size(), 3u);

    answerMessages();
    send(Msg::Command, Command::Recycle);
    EXPECT_EQ(messageText, "Recycle " + home.file("b.png") + " ?");
    EXPECT_FALSE(std::filesystem::exists(home.file("b.png")));
    EXPECT_EQ(readFile(home.file("data/Trash/files/b.png")), a);
    EXPECT_EQ(app.catalog.images().size(), 2u);

    // Chosen while the next picture is on its way, it waits for that picture and acts on it.
    const std::string shown = app.catalog.currentPath();
    app.aheadCache.clear();  // decoded now, not taken from those decoded ahead
    app.step(+1, 0);
    ASSERT_TRUE(app.showing());
    const std::string next = app.catalog.images()[app.catalog.index()].path;
    ASSERT_NE(next, shown);
    send(Msg::Command, Command::Recycle);
    EXPECT_TRUE(std::filesystem::exists(shown));
    EXPECT_FALSE(std::filesystem::exists(next));
}

TEST_F(FileCommandsRun, SaveAsWritesThePictureAsShownInTheChosenFormat) {
    AppState& app = startWithPictures({"a.png"});
    app.catalog.setIndex(0);
    app.showCurrent(true);
    waitForShow(app);
    window->flushAll();
    {
        FileUser user(home.file("shot.jpg"), "BMP Files (*.bmp)");
        send(Msg::Command, Command::SaveAs);
    }
    EXPECT_EQ(readFile(home.file("shot.jpg.bmp")).substr(0, 2), "BM");
    EXPECT_EQ(app.catalog.currentPath(), home.file("shot.jpg.bmp"));
}

TEST_F(FileCommandsRun, SaveAsAsksAboutTheNameItWritesAndNamesThePictureOnShow) {
    AppState& app = startWithPictures({"photo.jpg"});
    app.catalog.setIndex(app.catalog.images()[0].path == home.file("photo.jpg") ? 0 : 1);
    app.showCurrent(true);
    waitForShow(app);
    ASSERT_EQ(app.catalog.currentPath(), home.file("photo.jpg"));
    window->flushAll();
    const std::string photo = readFile(home.file("photo.jpg"));
    writeFile(home.file("flow.jpg"), "flow");
    // The size named is the size written: the picture as laid out.
    const int w = app.view.picture().width, h = app.view.picture().height;
    const std::string shown = std::to_string(w) + " x " + std::to_string(h);
    {
        // "flow" becomes flow.jpg, which is taken; the offered name is the picture itself.
        MessageUser no(false);
        FileUser user({home.file("flow"), home.file("photo.jpg")}, "JPG/JPEG Files (*.jpg *.jpeg)");
        send(Msg::Command, Command::SaveAs);
        EXPECT_EQ(user.answered, 2u);
        ASSERT_EQ(no.texts.size(), 2u);
        EXPECT_EQ(no.texts[0], "flow.jpg already exists.\nDo you want to replace it?");
        EXPECT_EQ(no.texts[1],
                  "photo.jpg is the picture on show: it will be replaced by the picture as shown, at its "
                  "shown size (" +
                      shown + ").\nDo you want to replace it?");
    }
    EXPECT_EQ(readFile(home.file("flow.jpg")), "flow");
    EXPECT_EQ(readFile(home.file("photo.jpg")), photo);
    {
        MessageUser yes(true);
        FileUser user(home.file("flow"), "JPG/JPEG Files (*.jpg *.jpeg)");
        send(Msg::Command, Command::SaveAs);
        EXPECT_EQ(yes.texts.size(), 1u);
    }
    EXPECT_EQ(readFile(home.file("flow.jpg")).substr(0, 2), "\xff\xd8");
    EXPECT_EQ(QImage(QString::fromStdString(home.file("flow.jpg"))).size(), QSize(w, h));
    EXPECT_EQ(app.catalog.currentPath(), home.file("flow.jpg"));
}

TEST_F(FileCommandsRun, ASaveThatDoesNotFitLeavesTheOldFileAndSaysSo) {
    SmallDisk disk(64 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
    AppState& app = startApp();
    savePicture(home.file("big.png"), 200, 200);  // its bitmap needs more than the disk has left
    send(Msg::Command, Command::Refresh);
    app.catalog.setIndex(app.catalog.images()[0].path == home.file("big.png") ? 0 : 1);
    app.showCurrent(true);
    waitForShow(app);
    window->flushAll();
    writeFile(disk.file("full.bmp"), std::string(40000, 'o'));
    MessageUser yes(true);
    FileUser user(disk.file("full.bmp"), "BMP Files (*.bmp)");
    send(Msg::Command, Command::SaveAs);
    EXPECT_EQ(yes.texts.back(), "Save failed");
    EXPECT_TRUE(readFile(disk.file("full.bmp")) == std::string(40000, 'o'));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk.path()), {}), 1);
}

TEST_F(FileCommandsRun, APastedPictureIsShownAtFullSizeAndIsNoFile) {
    AppState& app = startApp();
    QImage pasted(40, 30, QImage::Format_RGB32);
    pasted.fill(Qt::yellow);
    setClipboardImage(pasted);
    send(Msg::Command, Command::Paste);
    EXPECT_EQ(app.catalog.currentPath(), FileCommands::clipboardName);
    EXPECT_FALSE(app.settings.slide);
    EXPECT_EQ(app.view.zoom(), 100);
    answerMessages();
    send(Msg::Command, Command::ViewFile);
    EXPECT_EQ(messageText, "Not a file");
    window->flushAll();
    send(Msg::Command, Command::CopyView);  // the view: the whole picture, smaller than the window
    EXPECT_EQ(clipboardImage().size(), QSize(40, 30));
}
