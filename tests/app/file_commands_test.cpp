#include "app_fixture.h"

#include "platform/clipboard.h"

#include <QFileDialog>

namespace {
// Answers the file dialogs in turn with these paths (and this filter, when given), and any
// dialog after them with Cancel.
struct FileUser {
    explicit FileUser(std::vector<std::string> paths, const char* filter = nullptr)
        : user([this, paths, filter](QWidget* widget) {
              auto* dialog = qobject_cast<QFileDialog*>(widget);
              if (!dialog) return;
              if (answered == paths.size()) return (void)QMetaObject::invokeMethod(dialog, "reject");
              if (filter) dialog->selectNameFilter(QString::fromUtf8(filter));
              dialog->selectFile(QFile::decodeName(paths[answered++].c_str()));
              QMetaObject::invokeMethod(dialog, "accept");
          }) {}
    size_t answered = 0;
    DialogUser user;
};

const char* const jpegFiles = "JPG/JPEG Files (*.jpg *.jpeg)";
const char* const bmpFiles = "BMP Files (*.bmp)";
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
    // Runs the command with the file dialogs answered so.
    void withFiles(Command id, std::vector<std::string> paths, const char* filter = nullptr) {
        const size_t asked = paths.size();
        FileUser user(std::move(paths), filter);
        command(id);
        EXPECT_EQ(user.answered, asked);
    }
};

TEST_F(FileCommandsRun, CopyMoveAndRecycleChangeTheFilesAndTheList) {
    AppState& app = startWithPictures({"a.png", "b.png"});
    showIndex(app, 0);  // a.png
    const std::string a = readFile(home.file("a.png"));
    answerMessages();
    withFiles(Command::CopyFile, {home.file("copyA")});  // no extension: the source's is added
    EXPECT_EQ(readFile(home.file("copyA.png")), a);
    EXPECT_FALSE(std::filesystem::exists(home.file("copyA")));
    EXPECT_EQ(app.catalog.images().size(), 4u);
    EXPECT_EQ(app.catalog.currentPath(), home.file("copyA.png"));  // the copy comes first
    withFiles(Command::MoveFile, {home.file("renamed.png")});
    EXPECT_FALSE(std::filesystem::exists(home.file("copyA.png")));
    EXPECT_EQ(app.catalog.currentPath(), home.file("renamed.png"));
    EXPECT_EQ(app.catalog.images().size(), 4u);
    EXPECT_TRUE(messages.empty());

    // Onto a listed file, replaced after a Yes: the list keeps one entry for it.
    writeFile(home.file("b.png"), "b");
    withFiles(Command::MoveFile, {home.file("b")});
    ASSERT_EQ(messages, std::vector<std::string>{"b.png already exists.\nDo you want to replace it?"});
    EXPECT_EQ(readFile(home.file("b.png")), a);
    EXPECT_EQ(app.catalog.currentPath(), home.file("b.png"));
    EXPECT_EQ(std::count_if(app.catalog.images().begin(), app.catalog.images().end(),
                            [&](const ImageEntry& e) { return e.path == home.file("b.png"); }),
              1);
    EXPECT_EQ(app.catalog.images().size(), 3u);

    command(Command::Recycle);
    EXPECT_EQ(messages.back(), "Recycle " + home.file("b.png") + " ?");
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
    command(Command::Recycle);
    EXPECT_TRUE(std::filesystem::exists(shown));
    EXPECT_FALSE(std::filesystem::exists(next));
}

TEST_F(FileCommandsRun, SaveAsWritesThePictureAsShownAndAsksAboutTheNameItWrites) {
    AppState& app = startWithPictures({"photo.jpg"});
    showPath(app, home.file("photo.jpg"));
    window->flushAll();
    const std::string photo = readFile(home.file("photo.jpg"));
    writeFile(home.file("flow.jpg"), "flow");
    // The size named is the size written: the picture as laid out.
    const int w = app.view.picture().width, h = app.view.picture().height;
    const std::string shown = std::to_string(w) + " x " + std::to_string(h);

    // "flow" becomes flow.jpg, which is taken; the name offered next is the picture itself.
    answerMessages(false);
    withFiles(Command::SaveAs, {home.file("flow"), home.file("photo.jpg")}, jpegFiles);
    EXPECT_EQ(messages, (std::vector<std::string>{"flow.jpg already exists.\nDo you want to replace it?",
                                                  "photo.jpg is the picture on show: it will be replaced by the "
                                                  "picture as shown, at its shown size (" +
                                                      shown + ").\nDo you want to replace it?"}));
    EXPECT_EQ(readFile(home.file("flow.jpg")), "flow");
    EXPECT_EQ(readFile(home.file("photo.jpg")), photo);

    answerMessages(true);
    withFiles(Command::SaveAs, {home.file("flow")}, jpegFiles);
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(readFile(home.file("flow.jpg")).substr(0, 2), "\xff\xd8");
    EXPECT_EQ(QImage(QString::fromStdString(home.file("flow.jpg"))).size(), QSize(w, h));
    EXPECT_EQ(app.catalog.currentPath(), home.file("flow.jpg"));

    // The format chosen adds its extension to a name with another.
    withFiles(Command::SaveAs, {home.file("shot.jpg")}, bmpFiles);
    EXPECT_EQ(readFile(home.file("shot.jpg.bmp")).substr(0, 2), "BM");
    EXPECT_EQ(app.catalog.currentPath(), home.file("shot.jpg.bmp"));
}

TEST_F(FileCommandsRun, APastedPictureIsShownAtFullSizeAndIsNoFile) {
    AppState& app = startApp();
    QImage pasted(40, 30, QImage::Format_RGB32);
    pasted.fill(Qt::yellow);
    setClipboardImage(pasted);
    command(Command::Paste);
    EXPECT_EQ(app.catalog.currentPath(), FileCommands::clipboardName);
    EXPECT_FALSE(app.settings.slide);
    EXPECT_EQ(app.view.zoom(), 100);
    answerMessages();
    command(Command::ViewFile);
    EXPECT_EQ(messages, std::vector<std::string>{"Not a file"});
    window->flushAll();
    command(Command::CopyView);  // the view: the whole picture, smaller than the window
    EXPECT_EQ(clipboardImage().size(), QSize(40, 30));
}
