#pragma once

#include <QDialog>

class GlassButton;
class QLineEdit;
class QFrame;
class RampPageControl;
class RoomGrid;
class RoomStore;
struct RoomEntry;

// The room-rate editor "房价设置": lists table Room, adds a room type, and changes or
// deletes the rows of a code picked from the list. It works on the board's one store;
// the board itself shows what was changed here only at its next start.
class TShowRoomForm : public QDialog
{
    Q_OBJECT
public:
    TShowRoomForm(RoomStore &store, QWidget *owner);

    // False: confirm adds a row. True: confirm changes the rows with the code field's code.
    bool IsEditMode() const { return EditMode; }

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void createPanel();
    void createStrips();
    void createPages();
    void createEntryPage(QWidget *page);
    void createListPage(QWidget *page);
    void createButtons();

    void FormShow();
    void FormActivate();
    void AdvStringGrid2DblClick();
    void AdvGlassButton4Click();
    void AdvGlassButton1Click();
    void AdvGlassButton2Click();

    RoomEntry Entry() const;
    void EmptyFields();

    RoomStore &m_store;
    bool EditMode = false;
    QFrame *Panel1 = nullptr;
    RampPageControl *PageControl1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    RoomGrid *AdvStringGrid2 = nullptr;
    GlassButton *AdvGlassButton4 = nullptr;
    GlassButton *AdvGlassButton1 = nullptr;
    GlassButton *AdvGlassButton2 = nullptr;
};
