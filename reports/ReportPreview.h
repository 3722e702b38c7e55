#pragma once

#include "reports/Report.h"
#include "ui/Dialogs.h"

#include <QDialog>

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;
class QTimer;
class QToolBar;

namespace saldovia {

class PageView;
class Store;

// The modal on-screen preview of a report: one page at a time on a grey desk, page
// navigation, zoom, printing on the program's printer, page set-up and saving as PDF.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    enum class ZoomMode { FitWidth, WholePage, Fixed };

    // Lays the report out as its pages are shown: the first page at once, the page breaks of
    // the rest while the dialog waits for the user. `printer` is the program's printer; both
    // must outlive the dialog.
    ReportPreview(BandedReport& report, QPrinter& printer, QWidget* parent = nullptr);
    ~ReportPreview() override;

    // Lays the report out and, when it has a page, shows it in the modal preview.
    static void preview(BandedReport& report, QPrinter& printer, QWidget* parent = nullptr);

    // Page `number` (from 1) as it is laid out.
    const ReportPage& page(int number) const { return pages_->page(number - 1); }
    bool hasPages() const { return pages_->pagesFound() > 0; }
    // Every page, laid out anew (for looking the whole report over; the preview itself
    // holds only the pages it shows).
    QList<ReportPage> pages() const { return report_.layout(); }
    // The number of pages (every page break found first).
    int pageCount() const { return pages_->count(); }
    // The page shown, from 1 (0 without pages).
    int currentPage() const { return current_ + 1; }
    void setCurrentPage(int page);

    ZoomMode zoomMode() const { return zoomMode_; }
    // Size on screen relative to the paper's natural size (1.0 = 100 %).
    double zoom() const { return zoom_; }
    void setZoomMode(ZoomMode mode);
    void setZoom(double zoom);

    void btnPrvaStranaClick();
    void btnPredchadzajucaStranaClick();
    void btnDalsiaStranaClick();
    void btnPoslednaStranaClick();
    void btnZvacsitClick();
    void btnZmensitClick();
    void btnTlacitClick();
    void btnNastavenieStranyClick();
    void btnUlozitPdfClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The title of the PDF and of the print job: the printout's name and number.
    QString nazovDokumentu() const;
    QAction* addTool(const QString& name, const QString& text, const QIcon& icon,
                     const QList<QKeySequence>& keys, void (ReportPreview::*handler)(),
                     bool textBeside = false);
    void relayout();
    // Finds more page breaks while the dialog is idle, until every one is found.
    void countPages();
    void updateView();
    void updateControls();
    double fittedZoom(ZoomMode mode) const;
    void cbZoomActivated(int index);

    BandedReport& report_;
    QPrinter& printer_;
    std::unique_ptr<PagedReport> pages_;
    ReportPage shown_; // the page on the desk
    QTimer* counting_ = nullptr;
    int current_ = -1;
    ZoomMode zoomMode_ = ZoomMode::WholePage;
    double zoom_ = 1.0;

    QToolBar* toolbar_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    PageView* view_ = nullptr;
    QSpinBox* edtStrana_ = nullptr;
    QLabel* lblPocetStran_ = nullptr;
    QComboBox* cbZoom_ = nullptr;
    QAction* btnPrvaStrana_ = nullptr;
    QAction* btnPredchadzajucaStrana_ = nullptr;
    QAction* btnDalsiaStrana_ = nullptr;
    QAction* btnPoslednaStrana_ = nullptr;
    QAction* btnZvacsit_ = nullptr;
    QAction* btnZmensit_ = nullptr;
};

// The print command of a printout `Tlac`: its report for a number (the accounting year or a
// document's number, as Tlac::zostava takes it) in the modal preview, from which the user
// prints on `printer`. A printout with a ZiadnePolozky message says it, titled with its
// Caption, instead of showing a report without rows; any other shows nothing then.
template <class Tlac> struct PrikazTlace {
    static void Tlacit(Store& store, QPrinter& printer, const QString& cislo,
                       QWidget* parent = nullptr) {
        BandedReport report = Tlac::zostava(store, cislo);
        if constexpr (requires { Tlac::ZiadnePolozky; }) {
            if (report.detail.rowCount == 0) {
                showError(parent, Tlac::Caption, Tlac::ZiadnePolozky);
                return;
            }
        }
        ReportPreview::preview(report, printer, parent);
    }
};

} // namespace saldovia
