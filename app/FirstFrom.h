#pragma once

#include <QWidget>

class Gauge;
class QLabel;

// The splash window. It has no behaviour of its own: the start-up sequence drives it.
class TFirstForm : public QWidget
{
    Q_OBJECT
public:
    TFirstForm();

    QLabel *Image1 = nullptr;
    Gauge *Gauge1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;

private:
    void createElements();
};
