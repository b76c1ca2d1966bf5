#pragma once

#include <QWidget>

// One line of text with its mirror image below it, fading from half opacity to nothing
// over a fixed number of pixel rows (the board's date and time).
class ReflectionLabel : public QWidget
{
    Q_OBJECT
public:
    explicit ReflectionLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    void setColor(const QColor &color);
    void setReflectionRows(int rows);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QColor m_color = Qt::black;
    int m_reflectionRows = 20;
};
