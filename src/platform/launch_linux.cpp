#include "platform/launch.h"

#include <QFile>
#include <QProcess>

bool openWithShell(const std::string& target) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {QFile::decodeName(target.c_str())});
}
