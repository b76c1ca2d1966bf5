#pragma once

#include <QWidget>

// A horizontal progress bar: blue fill growing from the left on white, a single-line
// border, and its value as centred "%d%%" text whose every pixel is drawn in the inverse
// colour of the bar beneath it. Setting the value repaints at once.
class Gauge : public QWidget
{
    Q_OBJECT
public:
    explicit Gauge(QWidget *parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_value = 0;
};
