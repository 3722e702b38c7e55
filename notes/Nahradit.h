#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace saldovia {

// The find-and-replace dialog: a modeless window beside the editor that searches downwards
// and offers no choice of direction. It only collects what to find and what to put instead
// and tells its owner which button was pressed; the owner searches and replaces.
class TReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit TReplaceDialog(QWidget* parent);

    QString FindText() const;
    void setFindText(const QString& text);
    QString ReplaceText() const;
    bool matchCase() const;
    bool wholeWord() const;
    // True while OnReplace runs for "Nahradiť všetko", false for "Nahradiť".
    bool replaceAll() const { return replaceAll_; }

    // Shows the dialog (or brings it forward) with the search text selected; the first
    // time beside its owner where the screen has room.
    void Execute();
    // Moves the dialog off an area of the screen (the text found) when it covers it.
    void odsunutZ(const QRect& oblast);

    QLineEdit* edtHladat;
    QLineEdit* edtNahradit;
    QCheckBox* chbCeleSlova;
    QCheckBox* chbVelkePismena;
    QPushButton* btnNajstDalej;
    QPushButton* btnNahradit;
    QPushButton* btnNahraditVsetko;
    QPushButton* btnZrusit;

signals:
    void OnFind();
    void OnReplace();

private:
    void nahradit(bool vsetko);
    bool replaceAll_ = false;
    bool umiestneny_ = false;
};

} // namespace saldovia
