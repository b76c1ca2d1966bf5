#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;

// The parameters dialog: shows Params.ini and saves the region code, the tip text and the
// pictures-alone switch. It works on the file only; the running board keeps what it read at
// start. Created anew for each opening and shown modally.
class TsysParamsForm : public QDialog
{
    Q_OBJECT
public:
    TsysParamsForm(const QString &programFolder, QWidget *owner);

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void createControls();
    void createTabOrder();
    QString ParamsPath() const;

    void FormShow();
    void FormActivate();
    void AdvGlassButton4Click();
    void AdvGlassButton2Click();

    QString m_programFolder;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QCheckBox *AdvOfficeCheckBox1 = nullptr;
    QWidget *AdvGlassButton4 = nullptr;
    QWidget *AdvGlassButton2 = nullptr;
};
