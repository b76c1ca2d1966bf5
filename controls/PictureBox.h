#pragma once

#include <QImage>
#include <QWidget>

// A picture stretched over the whole widget (the header logo, the weather icons, the
// footer banner). An empty picture draws nothing, so the parent's background shows.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
