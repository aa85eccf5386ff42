#include "ui/main/Lien.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

namespace {

// Read out as a link named by its text, which a screen reader can press.
class AccessibleLien : public QAccessibleWidget {
public:
    explicit AccessibleLien(Lien* lien) : QAccessibleWidget(lien, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Lien*>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            emit static_cast<Lien*>(widget())->activated();
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    return classe == QLatin1String("Lien") ? new AccessibleLien(static_cast<Lien*>(objet))
                                           : nullptr;
}

} // namespace

Lien::Lien(const QString& text, Qt::Alignment alignment, QWidget* parent)
    : QWidget(parent), text_(text), alignment_(alignment) {
    // Once, for every link.
    [[maybe_unused]] static const bool installee = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void Lien::enterEvent(QEnterEvent*) {
    emit mouseEntered();
}

void Lien::leaveEvent(QEvent*) {
    emit mouseExited();
}

void Lien::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mouseDown(p.x(), p.y());
}

void Lien::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit activated();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Lien::paintEvent(QPaintEvent*) {
    QPainter p(this);
    style()->drawItemText(&p, rect(), QStyle::visualAlignment(layoutDirection(), alignment_),
                          palette(), isEnabled(), text_, foregroundRole());
    if (!hasFocus())
        return;
    // Dotted, in the text's colour: seen on any background the window forces.
    p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
