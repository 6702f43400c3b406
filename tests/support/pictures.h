#pragma once
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <string>

// Saves a w x h picture of one colour, in the format its name says, making its folder if need be.
inline bool savePicture(const std::string& path, int w, int h, QColor colour = Qt::darkGreen) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(colour);
    return picture.save(QString::fromStdString(path));
}

// Left half blue, right half red: what is seen of the picture, and which way it is turned, shows.
inline bool saveHalves(const std::string& path, int w, int h, int quality = -1) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(0, 0, w / 2, h, Qt::blue);
    return picture.save(QString::fromStdString(path), nullptr, quality);
}

// Near enough for a lossy encoding.
inline bool near(QRgb pixel, QRgb wanted) {
    return std::abs(qRed(pixel) - qRed(wanted)) < 48 && std::abs(qGreen(pixel) - qGreen(wanted)) < 48 &&
           std::abs(qBlue(pixel) - qBlue(wanted)) < 48;
}
