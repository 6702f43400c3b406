#include "platform/tray_icon.h"

#include "platform/window_host.h"

#include <QIcon>
#include <QSystemTrayIcon>

TrayIcon::TrayIcon(WindowHost& window, const char* iconResource, const std::string& tip)
    : icon_(new QSystemTrayIcon(QIcon(QString(iconResource)))) {
    icon_->setToolTip(QString::fromStdString(tip));
    QObject::connect(icon_, &QSystemTrayIcon::activated, [&window](QSystemTrayIcon::ActivationReason reason) {
        const int32_t click = reason == QSystemTrayIcon::Trigger   ? TrayLeftClick
                              : reason == QSystemTrayIcon::Context ? TrayRightClick
                                                                   : 0;
        if (click) window.post(Message{Msg::TrayNotify, 0, 0, click});
    });
    icon_->show();
}

TrayIcon::~TrayIcon() { delete icon_; }

void TrayIcon::setTip(const std::string& tip) { icon_->setToolTip(QString::fromStdString(tip)); }

std::string TrayIcon::tip() const { return icon_->toolTip().toStdString(); }

bool TrayIcon::available() { return QSystemTrayIcon::isSystemTrayAvailable(); }
