#pragma once

#include <QDialog>

class QLabel;

// The about box: one stored picture with the supplier's description and support contacts.
class TAboutusForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutusForm(QWidget *owner);

protected:
    bool event(QEvent *event) override;

private:
    void FormActivate();

    QLabel *AdvPicture1 = nullptr;
};
