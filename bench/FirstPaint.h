#pragma once

#include <QEvent>
#include <QWidget>

// Tells whether the watched widget has been painted since it was watched.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* widget) { widget->installEventFilter(this); }
    bool seen() const { return seen_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            seen_ = true;
        return false;
    }

private:
    bool seen_ = false;
};
