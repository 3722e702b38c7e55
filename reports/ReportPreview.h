#pragma once

#include "reports/Report.h"

#include <QDialog>

class QAction;
class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;
class QToolBar;

namespace saldovia {

class PageView;

// The modal on-screen preview of a report: one page at a time on a grey desk, page
// navigation, zoom, printing on the program's printer, page set-up and saving as PDF.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    enum class ZoomMode { FitWidth, WholePage, Fixed };

    // Lays the report out. `printer` is the program's printer; both must outlive the dialog.
    ReportPreview(BandedReport& report, QPrinter& printer, QWidget* parent = nullptr);
    ~ReportPreview() override;

    // Lays the report out and, when it has a page, shows it in the modal preview.
    static void preview(BandedReport& report, QPrinter& printer, QWidget* parent = nullptr);

    const QList<ReportPage>& pages() const { return pages_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
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
    QAction* addTool(const QString& name, const QString& text, const QIcon& icon,
                     const QList<QKeySequence>& keys, void (ReportPreview::*handler)(),
                     bool textBeside = false);
    void relayout();
    void updateView();
    void updateControls();
    double fittedZoom(ZoomMode mode) const;
    void cbZoomActivated(int index);

    BandedReport& report_;
    QPrinter& printer_;
    QList<ReportPage> pages_;
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

} // namespace saldovia
