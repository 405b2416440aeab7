// The toolkit's floor: the least a Qt Widgets program does to show one frameless 80 x 400 window
// in the strip's place and answer the benchmark's gestures. A press darkens the 40-pixel band
// under the pointer until its release; a right drag shows a second 234 x 17 window beside it,
// created hidden at start as the strip's scroller is.
//
// With --text it also writes the strip's ten captions in the strip's font, the floor of any
// window that shows text: a window without text never starts the font machinery.
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

class Popup final : public QWidget {
public:
    Popup()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setGeometry(80, 171, 234, 17);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0, 128, 0)); }
};

class Strip final : public QWidget {
public:
    explicit Strip(bool text)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), text_(text) {
        setWindowTitle(QStringLiteral("Bench Qt floor"));
        setGeometry(0, 0, 80, 400);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.fillRect(event->rect(), QColor(0, 255, 255));
        if (pressed_ >= 0) p.fillRect(Band(pressed_), QColor(0, 128, 128));
        if (!text_) return;
        static const char* const captions[] = {"d2", "d3",  "d4",  "d5",  "d6",
                                               "d8", "d10", "d12", "d20", "d100"};
        p.setFont(QFont(QStringLiteral("Arial Narrow"), 24, QFont::Bold));
        for (int band = 0; band < 10; ++band)
            p.drawText(Band(band), Qt::AlignCenter, QString::fromLatin1(captions[band]));
    }
    void mousePressEvent(QMouseEvent* event) override {
        pressed_ = static_cast<int>(event->position().y()) / 40;
        update(Band(pressed_));
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if ((event->buttons() & Qt::RightButton) && popup_.isHidden()) popup_.show();
    }
    void mouseReleaseEvent(QMouseEvent*) override {
        popup_.hide();
        update(Band(pressed_));
        pressed_ = -1;
    }

private:
    static QRect Band(int band) { return {0, band * 40, 80, 40}; }

    Popup popup_;
    bool text_;
    int pressed_ = -1;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Strip strip(QApplication::arguments().contains(QStringLiteral("--text")));
    strip.show();
    return QApplication::exec();
}
