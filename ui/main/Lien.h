#pragma once

#include <QWidget>

// Text that acts as a link: it reports the pointer entering, leaving and pressing it, and takes
// the keyboard focus from Tab, shows it, and answers Return or Space as a click. Screen readers
// hear a link. It paints its one line itself: a focusable label would build a whole text
// document for it.
class Lien : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text CONSTANT)
public:
    Lien(const QString& text, Qt::Alignment alignment, QWidget* parent);

    QString text() const { return text_; }

signals:
    void mouseDown(int x, int y);
    // From the keyboard or a screen reader, as a click.
    void activated();
    void mouseEntered();
    void mouseExited();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    Qt::Alignment alignment_;
};
