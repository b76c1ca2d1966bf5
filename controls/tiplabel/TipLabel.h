#pragma once

#include <QImage>
#include <QWidget>

// A single-line transparent label that sizes itself to its text, in the palette's text
// colour. "&" underlines the next character and is not shown, "&&" shows "&"; an empty text
// still measures as one space. It draws its text once into an image and then only blits it,
// since the tip line moves it a hundred times a second.
class TipLabel : public QWidget
{
    Q_OBJECT
public:
    explicit TipLabel(const QString &text = QString(), QWidget *parent = nullptr);

    QString text() const { return m_text; }
    // Also resizes the label to the new text.
    void setText(const QString &text);
    // The text as shown, with the "&" marks read.
    QString shownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void textLookChanged();
    const QImage &rendered();

    QString m_text;
    QImage m_rendered; // null until drawn for the current text, font, colour and scale
};
