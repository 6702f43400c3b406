#include "platform/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

MessageAnswer messageBox(WindowHost*, const std::string& text, const std::string& title, MessageIcon icon,
                         MessageButtons buttons) {
    static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Warning, QMessageBox::Information,
                                              QMessageBox::Question};
    static const QMessageBox::StandardButtons choices[] = {
        QMessageBox::Ok, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Yes | QMessageBox::No,
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

std::string chooseFolder(const std::string& title, const std::string& startFolder) {
    const QString chosen = QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString::fromStdString(title),
                                                             QFile::decodeName(startFolder.c_str()));
    return chosen.isEmpty() ? std::string() : QFile::encodeName(chosen).toStdString();
}

bool shiftKeyHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }

bool altKeyHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier; }

bool controlKeyHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier; }
