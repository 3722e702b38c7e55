#pragma once

#include "ui/Okna.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;

namespace saldovia {

// The exam parameters: the exam's duration and the journal rows whose amounts the students
// compute. There is no cancel: however the dialog is closed, FormClose stores what it shows
// into the connected (exam) file: the duration and an empty user name in the settings row,
// zero amounts on the ticked rows and Vypocty = 1 on their sample rows.
class TfrmSkuska : public TfrmMaleOkno {
    Q_OBJECT
public:
    explicit TfrmSkuska(Kontext& kontext);

    // The whole exam generation of the menu item "Vygenerovať skúšku": the teacher's agenda
    // becomes an exam file at a path the user chooses. The agenda itself is never written; the
    // exam file appears, complete and checked, only when everything has succeeded, and
    // replaces a file of that name only then. Every outcome ends with a message.
    static void Vygenerovat(Kontext& kontext);

    void TrackBarChange();
    void btnOKClick();

    // What stopped FormClose's statements, or empty when they all ran.
    const QString& chyba() const { return chyba_; }

    QLabel* lblNastavte;
    QSlider* TrackBar;
    QLabel* lblCas;
    QLabel* lblZvolte;
    QListWidget* CheckListBox;
    QCheckBox* chbCvicenie;
    QPushButton* btnOK;

protected:
    void done(int result) override;

private:
    void FormCreate();
    void FormClose();

    bool zatvorene_ = false;
    QString chyba_;
};

} // namespace saldovia
