#pragma once

#include "exam/Hodnotenietriedy.h"
#include "reports/Report.h"
#include "ui/Okna.h"

#include <QAbstractTableModel>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace saldovia {

// The class results as a table model: one row per exam file, the columns of trieda::Stlpec.
// Qt::UserRole holds each cell's sorting key (numbers for scores, times and durations, the
// text elsewhere); marked cells have a background and the marks as their tool tip.
class ModelVysledkovTriedy : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void nastavit(QList<trieda::Vysledok> vysledky, const QString& dlzkaVzoru);
    const QList<trieda::Vysledok>& vysledky() const { return vysledky_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<trieda::Vysledok> vysledky_;
    QString dlzka_;
};

// "Výsledky triedy": the teacher chooses the exam file as it was generated (the reference),
// adds the students' files one by one or a whole folder, and sees every file scored by the
// exam's rules. The files are opened read-only and never changed; the teacher's own agenda is
// not touched. The table sorts by any column, exports to CSV, prints, and opens a student's
// line-by-line comparison.
class TfrmVysledkyTriedy : public TfrmOkno {
    Q_OBJECT
public:
    explicit TfrmVysledkyTriedy(Kontext& kontext);

    void btnVzorClick();
    void btnPridatSuboryClick();
    void btnPridatPriecinokClick();
    void btnOdstranitClick();
    void btnPodrobnostiClick();
    void btnExportClick();
    void btnTlacitClick();
    void btnZatvoritClick();

    // Chooses the reference and scores the files already listed against it again; false,
    // after a message, when the file is no generated exam.
    bool nastavitVzor(const QString& cesta);
    // Scores the files (with a progress window) and lists them; a file already listed is
    // scored again in its place.
    void pridat(const QStringList& cesty);
    // The printout of the table as it is sorted.
    BandedReport zostava() const;
    // The rows in the order the table shows them.
    QList<trieda::Vysledok> zoradene() const;
    const std::optional<trieda::Vzor>& vzor() const { return vzor_; }

    QLabel* lblVzor;
    QLineEdit* edtVzor;
    QPushButton* btnVzor;
    QPushButton* btnPridatSubory;
    QPushButton* btnPridatPriecinok;
    QPushButton* btnOdstranit;
    QTableView* DBGrid;
    QLabel* lblPocet;
    QPushButton* btnPodrobnosti;
    QPushButton* btnExport;
    QPushButton* btnTlacit;
    QPushButton* btnZatvorit;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void NastavitTlacidla();
    bool maVzor();
    ModelVysledkovTriedy* model_;
    QSortFilterProxyModel* zoradenie_;
    std::optional<trieda::Vzor> vzor_;
};

} // namespace saldovia
