#pragma once

#include <QLabel>

// A label that acts as a link: it reports the pointer entering, leaving and pressing it, and
// takes the keyboard focus from Tab, shows it, and answers Return or Space as a click. Screen
// readers hear a link.
class Lien : public QLabel {
    Q_OBJECT
public:
    explicit Lien(const QString& text, QWidget* parent);

signals:
    void MouseDown(int x, int y);
    // From the keyboard or a screen reader, as a click.
    void Activation();
    void MouseEnter();
    void MouseExit();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
