#include "platform/status_bar.h"

#include "platform/window_host.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QSizeGrip>
#include <QWidget>
#include <algorithm>
#include <vector>

// The bar itself: labels side by side, kept at the bottom of the window as it is resized.
class StatusBarWidget : public QWidget {
public:
    StatusBarWidget(QWidget* window, std::span<const int> rightEdges) : QWidget(window), grip_(this) {
        // The window paints only its picture; the bar draws its own ground in the desktop's colours.
        setAutoFillBackground(true);
        setPalette(QApplication::palette());
        // Small print, as status bars have it, so the fixed parts hold their texts.
        QFont small = font();
        small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1.5));
        setFont(small);
        // The edges are laid out for digits 6 pixels wide: they grow with the font, and the
        // toolkit scales them with the screen as it scales the text.
        const qreal grow = std::max(1.0, fontMetrics().horizontalAdvance(QStringLiteral("0123456789")) / 60.0);
        int left = 0;
        for (int right : rightEdges) {
            auto* part = new QLabel(this);
            part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            // A two-pixel gap to the next part; the height follows the bar's.
            part->setGeometry(qRound(left * grow), 1, qRound(right * grow) - qRound(left * grow) - 2, 0);
            parts.push_back(part);
            left = right;
        }
        window->installEventFilter(this);
        place();
        show();
    }

    std::vector<QLabel*> parts;
    std::vector<std::string> texts;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) place();
        return false;
    }

private:
    void place() {
        const QWidget* window = parentWidget();
        const int h = fontMetrics().height() + 8;
        setGeometry(0, window->height() - h, window->width(), h);
        for (QLabel* part : parts) part->resize(part->width(), h - 2);
        grip_.setGeometry(width() - h, 0, h, h);
    }

    QSizeGrip grip_;
};

StatusBar::StatusBar(WindowHost& window, std::span<const int> rightEdges)
    : widget_(new StatusBarWidget(window.widget(), rightEdges)) {
    widget_->texts.resize(rightEdges.size());
}

StatusBar::~StatusBar() { delete widget_; }

int StatusBar::height() const { return int(widget_->height() * widget_->devicePixelRatioF() + 0.5); }

void StatusBar::setText(int part, const std::string& text, bool borderless) {
    if (part < 0 || size_t(part) >= widget_->parts.size()) return;
    QLabel* label = widget_->parts[size_t(part)];
    widget_->texts[size_t(part)] = text;
    size_t tabs = 0;
    while (tabs < text.size() && tabs < 2 && text[tabs] == '\t') ++tabs;
    static const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    label->setAlignment(alignments[tabs] | Qt::AlignVCenter);
    label->setText(QString::fromUtf8(text.substr(tabs)));
    label->setFrameStyle(borderless ? QFrame::NoFrame : QFrame::Panel | QFrame::Sunken);
}

std::string StatusBar::text(int part) const {
    return part >= 0 && size_t(part) < widget_->texts.size() ? widget_->texts[size_t(part)] : std::string();
}
