#pragma once

#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

// The editor's drawn pieces that no standard widget gives: the shadowed title and the
// page control whose tabs end in a ramp on their right.

// Draws its text three times: black one pixel down, white two pixels right and one down,
// then red on top two pixels right, so the red text seems lifted off the strip.
class ShadowTitle : public QWidget
{
    Q_OBJECT
public:
    ShadowTitle(const QString &text, QWidget *parent);
    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};

class RampTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit RampTabBar(QWidget *parent);

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;
};

class RampPageControl : public QTabWidget
{
    Q_OBJECT
public:
    explicit RampPageControl(QWidget *parent);
};
