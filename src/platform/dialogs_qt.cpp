#include "platform/dialogs.h"

#include "config/settings.h"
#include "platform/launch.h"
#include "platform/modifiers_qt.h"
#include "platform/virtual_keys.h"
#include "platform/window_host.h"
#include "platform/x11.h"
#include "resources/dialog_templates.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>
#include <limits>

MessageAnswer messageBox(WindowHost*, const std::string& text, const std::string& title, MessageIcon icon,
                         MessageButtons buttons) {
    static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Warning, QMessageBox::Information,
                                              QMessageBox::Question};
    static const QMessageBox::StandardButtons choices[] = {QMessageBox::Ok, QMessageBox::Ok | QMessageBox::Cancel,
                                                           QMessageBox::Yes | QMessageBox::No,
                                                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel};
    QMessageBox box(icons[int(icon)], QString::fromStdString(title), QString::fromStdString(text),
                    choices[int(buttons)], QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
    }
}

MessageAnswer showMessage(WindowHost* owner, const std::string& text, MessageIcon icon, MessageButtons buttons) {
    return messageBox(owner, text, programTitle, icon, buttons);
}

ChosenFolder chooseFolder(const std::string& title, const std::string& startFolder) {
    const QString chosen = QFileDialog::getExistingDirectory(
        QApplication::activeWindow(), QString::fromStdString(title), QFile::decodeName(startFolder.c_str()));
    if (chosen.isEmpty()) return {};
    return {QFile::encodeName(chosen).toStdString(), (modifiersOf() & KeyShift) != 0};
}

namespace {
// A control of a dialog, named by its id in the template so it can be found by it.
template <typename Control>
Control* named(Control* control, const char* id) {
    control->setObjectName(QString::fromUtf8(id));
    return control;
}

// The program's dialogs: a caption and a close box, nothing else.
constexpr Qt::WindowFlags dialogFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// A modal dialog over the owner, centred on it, with the template's caption.
void shapeDialog(QDialog& dialog, const DialogTemplate& t) {
    dialog.setWindowTitle(QString::fromUtf8(t.caption));
    dialog.setModal(true);
}

// Runs the dialog at a fixed size: the template's, in pixels of an unscaled screen (the toolkit
// scales them with the text), grown to what the controls need at their font.
int runDialog(QDialog& dialog, const DialogTemplate& t) {
    dialog.setFixedSize(QSize(t.width, t.height).expandedTo(dialog.sizeHint()));
    return dialog.exec();
}
}  // namespace

bool askNumber(WindowHost& owner, const DialogTemplate& t, uint32_t& value) {
    QDialog dialog(owner.widget(), dialogFlags);
    shapeDialog(dialog, t);
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = named(new QLineEdit(QString::number(value), &dialog), "202");
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->selectAll();
    auto* hint = named(new QLabel(QString::fromUtf8(t.hint), &dialog), "201");
    auto* ok = named(new QPushButton(QStringLiteral("Ok"), &dialog), "1");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(edit);
    layout->addWidget(hint);
    layout->addWidget(ok, 0, Qt::AlignRight);
    if (runDialog(dialog, t) != QDialog::Accepted) return false;
    bool fits = false;
    const qulonglong entered = edit->text().toULongLong(&fits);
    const qulonglong most = std::numeric_limits<uint32_t>::max();
    // Empty is 0; digits beyond 32 bits hold the largest value rather than wrapping around.
    value = edit->text().isEmpty() ? 0 : !fits || entered > most ? uint32_t(most) : uint32_t(entered);
    return true;
}

void aboutBox(WindowHost& owner, const DialogTemplate& t, const std::string& version, const std::string& webPage) {
    QDialog dialog(owner.widget(), dialogFlags | Qt::WindowSystemMenuHint);
    shapeDialog(dialog, t);
    auto* layout = new QVBoxLayout(&dialog);
    auto* name = new QLabel(QString::fromStdString("Vimble " + version), &dialog);
    name->setAlignment(Qt::AlignCenter);
    auto* button = named(new QPushButton(QString::fromStdString(webPage), &dialog), "1");
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, [webPage] { openWithShell(webPage); });
    layout->addWidget(name);
    layout->addWidget(button);
    runDialog(dialog, t);
}

int findDialog(WindowHost& owner, const DialogTemplate& t, size_t maxText, std::string& text, bool& nameOnly,
               bool& matchCase) {
    QDialog dialog(owner.widget(), dialogFlags);
    shapeDialog(dialog, t);
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = named(new QLineEdit(QString::fromStdString(text), &dialog), "202");
    edit->setMaxLength(int(maxText));
    auto* name = named(new QCheckBox(QStringLiteral("Match file&name only"), &dialog), "301");
    name->setChecked(nameOnly);
    auto* exact = named(new QCheckBox(QStringLiteral("Match &case"), &dialog), "302");
    exact->setChecked(matchCase);
    layout->addWidget(edit);
    layout->addWidget(name);
    layout->addWidget(exact);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    static const char* const labels[] = {"&Find", "Filter", "E&xclude"};
    for (int action = 0; action < 3; ++action) {
        auto* button =
            named(new QPushButton(QString::fromUtf8(labels[action]), &dialog), std::to_string(303 + action).c_str());
        button->setDefault(action == 1);  // Enter filters
        QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, action] { dialog.done(10 + action); });
        buttons->addWidget(button);
    }
    const int result = runDialog(dialog, t);
    if (result < 10) return 3;
    text = edit->text().toStdString();
    nameOnly = name->isChecked();
    matchCase = exact->isChecked();
    return result - 10;
}

std::string chooseSaveFile(WindowHost& owner, const std::string& title, const std::string& startPath,
                           const std::vector<std::string>& filters, int& filterIndex) {
    QStringList names;
    for (const std::string& f : filters) names << QString::fromStdString(f);
    QFileDialog dialog(owner.widget(), QString::fromStdString(title), QFile::decodeName(startPath.c_str()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(names);
    dialog.selectFile(QFile::decodeName(startPath.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    filterIndex = int(names.indexOf(dialog.selectedNameFilter())) + 1;
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

std::string chooseProgram(WindowHost& owner, const std::string& startPath) {
    const QString chosen =
        QFileDialog::getOpenFileName(owner.widget(), QString(), QFile::decodeName(startPath.c_str()));
    return chosen.isEmpty() ? std::string() : QFile::encodeName(chosen).toStdString();
}

void programDialog(WindowHost& owner, const DialogTemplate& t, std::string& program) {
    QDialog dialog(owner.widget(), dialogFlags);
    shapeDialog(dialog, t);
    auto* layout = new QVBoxLayout(&dialog);
    auto* row = new QHBoxLayout;
    auto* edit = named(new QLineEdit(QFile::decodeName(program.c_str()), &dialog), "202");
    auto* browse = named(new QPushButton(QStringLiteral("..."), &dialog), "203");
    auto* ok = named(new QPushButton(QStringLiteral("Ok"), &dialog), "1");
    ok->setDefault(true);
    row->addWidget(edit);
    row->addWidget(browse);
    layout->addLayout(row);
    layout->addWidget(ok, 0, Qt::AlignRight);
    QObject::connect(browse, &QPushButton::clicked, [&] {
        const std::string chosen = chooseProgram(owner, program);
        if (chosen.empty()) return;
        program = chosen;
        edit->setText(QFile::decodeName(chosen.c_str()));
    });
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    if (runDialog(dialog, t) == QDialog::Accepted) program = QFile::encodeName(edit->text()).toStdString();
}

int chooseFromList(WindowHost& owner, const std::string& title, const std::vector<std::string>& names) {
    QDialog dialog(owner.widget(), dialogFlags);
    dialog.setWindowTitle(QString::fromStdString(title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    for (const std::string& name : names) list->addItem(QString::fromStdString(name));
    list->setCurrentRow(0);
    auto* ok = new QPushButton(QStringLiteral("Ok"), &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    layout->addWidget(list);
    layout->addWidget(ok, 0, Qt::AlignRight);
    return dialog.exec() == QDialog::Accepted && list->currentRow() >= 0 ? list->currentRow() : -1;
}

namespace {
// Esc may be the key being chosen: the dialog's own cancel does nothing.
class HotKeyDialog : public QDialog {
public:
    using QDialog::QDialog;
    void reject() override {}

protected:
    void closeEvent(QCloseEvent*) override { done(0); }
};
}  // namespace

void hotKeyDialog(WindowHost& owner, const DialogTemplate& t, uint32_t modifiers, uint32_t key,
                  const std::function<bool(uint32_t, uint32_t)>& tryKey) {
    HotKeyDialog dialog(owner.widget(), dialogFlags);
    shapeDialog(dialog, t);
    auto* layout = new QVBoxLayout(&dialog);
    auto* name = named(new QLabel(QStringLiteral("Press key"), &dialog), "201");
    name->setAlignment(Qt::AlignCenter);
    name->setFrameStyle(QFrame::Box);
    layout->addWidget(name);
    uint32_t pending = key;
    if (const VirtualKey* k = virtualKeyByCode(key)) name->setText(QString::fromUtf8(k->name));
    auto* boxes = new QHBoxLayout;
    layout->addLayout(boxes);
    struct Box {
        const char* text;
        const char* id;
        uint32_t bit;
    };
    static const Box boxTable[] = {{"Control", "411", HotKeyControl},
                                   {"Shift", "412", HotKeyShift},
                                   {"Alt", "413", HotKeyAlt},
                                   {"Win", "414", HotKeyWin}};
    std::vector<QCheckBox*> checks;
    for (const Box& b : boxTable) {
        auto* check = named(new QCheckBox(QString::fromUtf8(b.text), &dialog), b.id);
        check->setChecked(modifiers & b.bit);
        boxes->addWidget(check);
        checks.push_back(check);
    }
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto* ok = named(new QPushButton(QStringLiteral("&Ok"), &dialog), "1");
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(QStringLiteral("&Cancel"), &dialog), "203");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    QTimer poll;  // timer 1030
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const VirtualKey* chosen = nullptr;
        for (uint32_t keysym : keysHeld())
            if (const VirtualKey* k = virtualKeyBySym(keysym); k && (!chosen || k->code > chosen->code)) chosen = k;
        if (!chosen) return;
        pending = chosen->code;
        name->setText(QString::fromUtf8(chosen->name));
    });
    poll.start(50);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(0); });
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] {
        poll.stop();
        uint32_t chosenModifiers = 0;
        for (size_t i = 0; i < checks.size(); ++i)
            if (checks[i]->isChecked()) chosenModifiers |= boxTable[i].bit;
        if ((chosenModifiers == modifiers && pending == key) || tryKey(chosenModifiers, pending)) {
            dialog.done(1);
            return;
        }
        QMessageBox::information(&dialog, QStringLiteral("Vimble"), QStringLiteral("Hotkey Unavailable"));
        poll.start(50);
    });
    runDialog(dialog, t);
}
