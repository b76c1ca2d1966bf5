#pragma once

#include <QColor>
#include <QPushButton>

// The glossy rounded button of the board's dialogs: a light body with a highlight over its
// upper half, a glow while the pointer is over it or it has focus, a dark inner and a light
// outer border.
class GlassButton : public QPushButton
{
    Q_OBJECT
public:
    GlassButton(const QString &caption, QWidget *parent);

    void setBodyColor(const QColor &color);
    void setGlowColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor m_body{255, 255, 128};
    QColor m_glow{0, 128, 255};
    bool m_hover = false;
};
