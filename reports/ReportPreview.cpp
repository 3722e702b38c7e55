#include "ReportPreview.h"

#include "ui/Dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <array>
#include <cmath>

namespace saldovia {

namespace {

constexpr int desk = 18;  // grey border around the page, logical pixels
constexpr int shadow = 5; // depth of the page's shadow
const QColor deskColour(0x7b, 0x80, 0x87);

// The fixed zoom steps of the combo box and of zooming in and out.
constexpr std::array<double, 10> zoomSteps{0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 4.0};

QString percentText(double zoom) {
    return QStringLiteral("%1 %").arg(std::lround(zoom * 100));
}

// Tool icons drawn here, so the toolbar looks the same with every style and icon theme.
enum class Glyph { First, Previous, Next, Last, ZoomIn, ZoomOut, Print, PageSetup, Pdf, Close };

QIcon glyphIcon(Glyph glyph) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        const QColor ink(0x2f, 0x3e, 0x52);
        const QColor accent(0x1f, 0x5f, 0xae);
        auto triangle = [&p](bool left, double x) {
            QPainterPath path;
            if (left) {
                path.moveTo(x + 12, 7);
                path.lineTo(x, 16);
                path.lineTo(x + 12, 25);
            } else {
                path.moveTo(x, 7);
                path.lineTo(x + 12, 16);
                path.lineTo(x, 25);
            }
            path.closeSubpath();
            p.fillPath(path, QColor(0x2f, 0x3e, 0x52));
        };
        switch (glyph) {
        case Glyph::First:
            p.fillRect(QRectF(7, 7, 3.5, 18), ink);
            triangle(true, 12);
            break;
        case Glyph::Previous:
            triangle(true, 10);
            break;
        case Glyph::Next:
            triangle(false, 10);
            break;
        case Glyph::Last:
            triangle(false, 8);
            p.fillRect(QRectF(21.5, 7, 3.5, 18), ink);
            break;
        case Glyph::ZoomIn:
        case Glyph::ZoomOut: {
            p.setPen(QPen(ink, 3));
            p.setBrush(QColor(0xe8, 0xf0, 0xfa));
            p.drawEllipse(QPointF(13, 13), 8.5, 8.5);
            p.setPen(QPen(ink, 4.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(20, 20), QPointF(27, 27));
            p.setPen(QPen(accent, 2.5, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(8.5, 13), QPointF(17.5, 13));
            if (glyph == Glyph::ZoomIn)
                p.drawLine(QPointF(13, 8.5), QPointF(13, 17.5));
            break;
        }
        case Glyph::Print:
            p.setPen(QPen(ink, 2));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(9, 3, 14, 9));
            p.setBrush(QColor(0x8e, 0x9a, 0xa8));
            p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(9, 18, 14, 11));
            p.setPen(QPen(ink, 1.3));
            p.drawLine(QPointF(12, 22), QPointF(20, 22));
            p.drawLine(QPointF(12, 25.5), QPointF(20, 25.5));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x3c, 0xb3, 0x4a));
            p.drawEllipse(QPointF(25, 15), 1.5, 1.5);
            break;
        case Glyph::PageSetup:
        case Glyph::Pdf: {
            QPainterPath page;
            page.moveTo(7, 3);
            page.lineTo(20, 3);
            page.lineTo(26, 9);
            page.lineTo(26, 29);
            page.lineTo(7, 29);
            page.closeSubpath();
            p.setPen(QPen(ink, 2));
            p.setBrush(Qt::white);
            p.drawPath(page);
            p.drawLine(QPointF(20, 3), QPointF(20, 9));
            p.drawLine(QPointF(20, 9), QPointF(26, 9));
            if (glyph == Glyph::PageSetup) {
                p.setPen(QPen(accent, 1.5, Qt::DashLine));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(10.5, 12, 12, 13.5));
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0xc6, 0x28, 0x28));
                p.drawRect(QRectF(3, 16, 20, 9));
                QFont f = p.font();
                f.setPixelSize(8);
                f.setBold(true);
                p.setFont(f);
                p.setPen(Qt::white);
                p.drawText(QRectF(3, 16, 20, 9), Qt::AlignCenter, QStringLiteral("PDF"));
            }
            break;
        }
        case Glyph::Close:
            p.setPen(QPen(ink, 3.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, 9), QPointF(23, 23));
            p.drawLine(QPointF(23, 9), QPointF(9, 23));
            break;
        }
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace

// The page on its grey desk: the page drawn from a cached picture at the zoom, with a shadow.
class PageView : public QWidget {
public:
    explicit PageView(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("pnlStrana"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void show(const ReportPage* page, double dpi) {
        page_ = page;
        dpi_ = dpi;
        cache_ = QImage();
        const QSize paper = paperPixels();
        setFixedSize(paper + QSize(2 * desk + shadow, 2 * desk + shadow));
        update();
    }

    QSize paperPixels() const {
        if (!page_)
            return {};
        return {static_cast<int>(std::lround(page_->size.width() / 25.4 * dpi_)),
                static_cast<int>(std::lround(page_->size.height() / 25.4 * dpi_))};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), deskColour);
        if (!page_)
            return;
        const QRect paper(QPoint(desk, desk), paperPixels());
        for (int i = shadow; i > 0; --i)
            p.fillRect(paper.translated(i, i), QColor(0, 0, 0, 22 + 6 * (shadow - i)));
        const qreal dpr = devicePixelRatioF();
        if (cache_.isNull() || cache_.devicePixelRatio() != dpr) {
            cache_ = QImage(paper.size() * dpr, QImage::Format_RGB32);
            cache_.setDevicePixelRatio(dpr);
            cache_.fill(Qt::white);
            QPainter pagePainter(&cache_);
            paintPage(pagePainter, *page_, dpi_, dpi_);
        }
        p.drawImage(paper.topLeft(), cache_);
        p.setPen(QColor(0x55, 0x58, 0x5c));
        p.drawRect(paper.adjusted(0, 0, -1, -1));
    }

private:
    const ReportPage* page_ = nullptr;
    double dpi_ = 96;
    QImage cache_;
};

ReportPreview::ReportPreview(BandedReport& report, QPrinter& printer, QWidget* parent)
    : QDialog(parent), report_(report), printer_(printer) {
    setObjectName(QStringLiteral("ReportPreview"));
    // Modal to the windows it was opened from only: the help and the calculator, windows of
    // their own, stay usable beside it.
    setWindowModality(Qt::WindowModal);
    setWindowTitle(report.caption.isEmpty() ? QStringLiteral("Ukážka pred tlačou")
                                            : report.caption);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* toolbar = toolbar_ = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("tbNastroje"));
    toolbar->setIconSize(QSize(22, 22));
    toolbar->setMovable(false);
    layout->addWidget(toolbar);

    addTool(QStringLiteral("btnTlacit"), QStringLiteral("Tlačiť"), glyphIcon(Glyph::Print),
            {QKeySequence::Print}, &ReportPreview::btnTlacitClick, true);
    addTool(QStringLiteral("btnNastavenieStrany"), QStringLiteral("Nastavenie strany"),
            glyphIcon(Glyph::PageSetup), {}, &ReportPreview::btnNastavenieStranyClick, true);
    addTool(QStringLiteral("btnUlozitPdf"), QStringLiteral("Uložiť ako PDF"), glyphIcon(Glyph::Pdf),
            {}, &ReportPreview::btnUlozitPdfClick, true);
    toolbar->addSeparator();

    btnPrvaStrana_ =
        addTool(QStringLiteral("btnPrvaStrana"), QStringLiteral("Prvá strana"),
                glyphIcon(Glyph::First), {Qt::Key_Home}, &ReportPreview::btnPrvaStranaClick);
    btnPredchadzajucaStrana_ = addTool(
        QStringLiteral("btnPredchadzajucaStrana"), QStringLiteral("Predchádzajúca strana"),
        glyphIcon(Glyph::Previous), {Qt::Key_PageUp}, &ReportPreview::btnPredchadzajucaStranaClick);
    auto* lblStrana = new QLabel(QStringLiteral(" Strana "), this);
    lblStrana->setObjectName(QStringLiteral("lblStrana"));
    toolbar->addWidget(lblStrana);
    edtStrana_ = new QSpinBox(this);
    edtStrana_->setObjectName(QStringLiteral("edtStrana"));
    edtStrana_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    edtStrana_->setAlignment(Qt::AlignRight);
    edtStrana_->setKeyboardTracking(false);
    edtStrana_->setToolTip(QStringLiteral("Číslo zobrazenej strany"));
    toolbar->addWidget(edtStrana_);
    lblPocetStran_ = new QLabel(this);
    lblPocetStran_->setObjectName(QStringLiteral("lblPocetStran"));
    toolbar->addWidget(lblPocetStran_);
    btnDalsiaStrana_ =
        addTool(QStringLiteral("btnDalsiaStrana"), QStringLiteral("Nasledujúca strana"),
                glyphIcon(Glyph::Next), {Qt::Key_PageDown}, &ReportPreview::btnDalsiaStranaClick);
    btnPoslednaStrana_ =
        addTool(QStringLiteral("btnPoslednaStrana"), QStringLiteral("Posledná strana"),
                glyphIcon(Glyph::Last), {Qt::Key_End}, &ReportPreview::btnPoslednaStranaClick);
    toolbar->addSeparator();

    btnZmensit_ = addTool(
        QStringLiteral("btnZmensit"), QStringLiteral("Zmenšiť"), glyphIcon(Glyph::ZoomOut),
        {QKeySequence(Qt::Key_Minus), QKeySequence::ZoomOut}, &ReportPreview::btnZmensitClick);
    cbZoom_ = new QComboBox(this);
    cbZoom_->setObjectName(QStringLiteral("cbZoom"));
    cbZoom_->setToolTip(QStringLiteral("Veľkosť zobrazenia"));
    cbZoom_->addItem(QStringLiteral("Celá šírka"), -1.0);
    cbZoom_->addItem(QStringLiteral("Celá strana"), -2.0);
    for (double z : zoomSteps)
        cbZoom_->addItem(percentText(z), z);
    cbZoom_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    toolbar->addWidget(cbZoom_);
    btnZvacsit_ =
        addTool(QStringLiteral("btnZvacsit"), QStringLiteral("Zväčšiť"), glyphIcon(Glyph::ZoomIn),
                {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal), QKeySequence::ZoomIn},
                &ReportPreview::btnZvacsitClick);

    auto* spacer = new QWidget(this);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar->addWidget(spacer);
    QAction* close = new QAction(glyphIcon(Glyph::Close), QStringLiteral("Zavrieť"), this);
    close->setObjectName(QStringLiteral("btnZavriet"));
    close->setToolTip(QStringLiteral("Zavrieť ukážku (Esc)"));
    connect(close, &QAction::triggered, this, &QDialog::reject);
    toolbar->addAction(close);
    if (auto* b = qobject_cast<QToolButton*>(toolbar->widgetForAction(close))) {
        b->setObjectName(QStringLiteral("btnZavrietButton"));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scrStrana"));
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    QPalette pal = scroll_->palette();
    pal.setColor(QPalette::Window, deskColour);
    scroll_->setPalette(pal);
    scroll_->viewport()->setAutoFillBackground(true);
    scroll_->viewport()->setPalette(pal);
    scroll_->viewport()->installEventFilter(this);
    scroll_->setFocusPolicy(Qt::StrongFocus);
    view_ = new PageView(scroll_);
    scroll_->setWidget(view_);
    layout->addWidget(scroll_, 1);

    connect(edtStrana_, &QSpinBox::valueChanged, this, [this](int page) { setCurrentPage(page); });
    connect(cbZoom_, &QComboBox::activated, this, &ReportPreview::cbZoomActivated);

    // A window of most of the screen, with the page's proportions where the screen allows.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    const int height = avail.height() * 9 / 10;
    resize(std::min(avail.width() * 9 / 10, std::max(height * 4 / 5, 900)), height);

    counting_ = new QTimer(this);
    counting_->setInterval(0);
    connect(counting_, &QTimer::timeout, this, &ReportPreview::countPages);
    relayout();
    scroll_->setFocus();
}

ReportPreview::~ReportPreview() = default;

QAction* ReportPreview::addTool(const QString& name, const QString& text, const QIcon& icon,
                                const QList<QKeySequence>& keys, void (ReportPreview::*handler)(),
                                bool textBeside) {
    auto* action = new QAction(icon, text, this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QString tip = text;
    if (!keys.isEmpty())
        tip += QStringLiteral(" (%1)").arg(keys.first().toString(QKeySequence::NativeText));
    action->setToolTip(tip);
    connect(action, &QAction::triggered, this, handler);
    toolbar_->addAction(action);
    addAction(action);
    if (auto* b = qobject_cast<QToolButton*>(toolbar_->widgetForAction(action))) {
        b->setObjectName(name + QStringLiteral("Button"));
        b->setToolButtonStyle(textBeside ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    }
    return action;
}

void ReportPreview::preview(BandedReport& report, QPrinter& printer, QWidget* parent) {
    ReportPreview dialog(report, printer, parent);
    if (!dialog.hasPages())
        return;
    dialog.exec();
}

void ReportPreview::relayout() {
    pages_ = std::make_unique<PagedReport>(report_);
    // the page shown stays, as far as the report now reaches
    while (!pages_->isCounted() && pages_->pagesFound() <= current_)
        pages_->findMore(256);
    current_ = hasPages() ? std::clamp(current_, 0, pages_->pagesFound() - 1) : -1;
    updateView();
    if (!pages_->isCounted())
        counting_->start();
}

void ReportPreview::countPages() {
    if (pages_->findMore(500)) {
        counting_->stop();
        updateControls();
    }
}

void ReportPreview::setCurrentPage(int page) {
    if (!hasPages())
        return;
    while (!pages_->isCounted() && pages_->pagesFound() < page)
        pages_->findMore(256);
    const int index = std::clamp(page, 1, pages_->pagesFound()) - 1;
    if (index != current_) {
        current_ = index;
        updateView();
        scroll_->verticalScrollBar()->setValue(0);
    } else {
        updateControls();
    }
}

void ReportPreview::setZoomMode(ZoomMode mode) {
    zoomMode_ = mode;
    updateView();
}

void ReportPreview::setZoom(double zoom) {
    zoomMode_ = ZoomMode::Fixed;
    zoom_ = std::clamp(zoom, zoomSteps.front(), zoomSteps.back());
    updateView();
}

double ReportPreview::fittedZoom(ZoomMode mode) const {
    if (current_ < 0)
        return 1.0;
    const QSizeF paper = shown_.size / 25.4 * logicalDpiX();
    QSize room = scroll_->maximumViewportSize() - QSize(2 * desk + shadow, 2 * desk + shadow);
    if (mode == ZoomMode::WholePage)
        return std::max(0.05,
                        std::min(room.width() / paper.width(), room.height() / paper.height()));
    // Fitting the width makes the page taller than the window: the vertical scroll bar takes
    // its share of the width.
    double zoom = room.width() / paper.width();
    if (paper.height() * zoom > room.height())
        zoom = (room.width() - scroll_->verticalScrollBar()->sizeHint().width()) / paper.width();
    return std::max(0.05, zoom);
}

void ReportPreview::updateView() {
    shown_ = current_ >= 0 ? pages_->page(current_) : ReportPage();
    if (zoomMode_ != ZoomMode::Fixed)
        zoom_ = fittedZoom(zoomMode_);
    view_->show(current_ >= 0 ? &shown_ : nullptr, logicalDpiX() * zoom_);
    updateControls();
}

void ReportPreview::updateControls() {
    // While the page breaks are still being found, the count shows as "…" and the page
    // field and the forward buttons reach past the pages found.
    const bool counted = pages_->isCounted();
    const int n = pages_->pagesFound();
    const QSignalBlocker block(edtStrana_);
    edtStrana_->setRange(n > 0 ? 1 : 0, counted ? std::max(n, 1) : 999999);
    edtStrana_->setValue(current_ + 1);
    edtStrana_->setMinimumWidth(edtStrana_->fontMetrics().horizontalAdvance(QString(3, u'9')) + 16);
    lblPocetStran_->setText(counted ? QStringLiteral(" z %1 ").arg(n) : QStringLiteral(" z … "));
    btnPrvaStrana_->setEnabled(current_ > 0);
    btnPredchadzajucaStrana_->setEnabled(current_ > 0);
    btnDalsiaStrana_->setEnabled(current_ + 1 < n || (!counted && n > 0));
    btnPoslednaStrana_->setEnabled(current_ + 1 < n || (!counted && n > 0));
    btnZmensit_->setEnabled(zoom_ > zoomSteps.front() + 1e-9);
    btnZvacsit_->setEnabled(zoom_ < zoomSteps.back() - 1e-9);

    const QSignalBlocker blockZoom(cbZoom_);
    int index = -1;
    if (zoomMode_ == ZoomMode::FitWidth)
        index = 0;
    else if (zoomMode_ == ZoomMode::WholePage)
        index = 1;
    else
        for (int i = 2; i < cbZoom_->count(); ++i)
            if (std::abs(cbZoom_->itemData(i).toDouble() - zoom_) < 1e-9)
                index = i;
    if (index < 0) {
        // A zoom between the steps (a fitted one kept): shown as its percentage.
        cbZoom_->setEditable(true);
        cbZoom_->setEditText(percentText(zoom_));
        cbZoom_->lineEdit()->setReadOnly(true);
    } else {
        cbZoom_->setEditable(false);
        cbZoom_->setCurrentIndex(index);
    }
}

void ReportPreview::cbZoomActivated(int index) {
    const double value = cbZoom_->itemData(index).toDouble();
    if (value == -1.0)
        setZoomMode(ZoomMode::FitWidth);
    else if (value == -2.0)
        setZoomMode(ZoomMode::WholePage);
    else
        setZoom(value);
    scroll_->setFocus();
}

void ReportPreview::btnPrvaStranaClick() {
    setCurrentPage(1);
}

void ReportPreview::btnPredchadzajucaStranaClick() {
    setCurrentPage(currentPage() - 1);
}

void ReportPreview::btnDalsiaStranaClick() {
    setCurrentPage(currentPage() + 1);
}

void ReportPreview::btnPoslednaStranaClick() {
    setCurrentPage(pageCount());
}

void ReportPreview::btnZvacsitClick() {
    for (double z : zoomSteps)
        if (z > zoom_ + 1e-9) {
            setZoom(z);
            return;
        }
}

void ReportPreview::btnZmensitClick() {
    for (auto it = zoomSteps.rbegin(); it != zoomSteps.rend(); ++it)
        if (*it < zoom_ - 1e-9) {
            setZoom(*it);
            return;
        }
}

void ReportPreview::btnTlacitClick() {
    if (!hasPages())
        return;
    printer_.setDocName(nazovDokumentu());
    printer_.setCreator(QStringLiteral("Saldovia"));
    printer_.setFullPage(true);
    printer_.setPageOrientation(report_.pageLayout.orientation());
    printer_.setPageSize(report_.pageLayout.pageSize());
    if (!DialogService::instance().print(this, printer_))
        return;
    // Paper chosen in the print dialog is the paper printed on.
    const QPageLayout chosen = printer_.pageLayout();
    if (!chosen.pageSize().isEquivalentTo(report_.pageLayout.pageSize()) ||
        chosen.orientation() != report_.pageLayout.orientation()) {
        report_.pageLayout.setPageSize(chosen.pageSize());
        report_.pageLayout.setOrientation(chosen.orientation());
        relayout();
    }
    if (!printPages(printer_, *pages_))
        showError(this, QStringLiteral("Chyba"), QStringLiteral("Zostavu sa nepodarilo vytlačiť."));
}

void ReportPreview::btnNastavenieStranyClick() {
    const QPageLayout& ours = report_.pageLayout;
    printer_.setFullPage(false);
    printer_.setPageSize(ours.pageSize());
    printer_.setPageOrientation(ours.orientation());
    printer_.setPageMargins(ours.margins(QPageLayout::Millimeter), QPageLayout::Millimeter);
    if (!DialogService::instance().pageSetup(this, printer_))
        return;
    const QPageLayout chosen = printer_.pageLayout();
    report_.pageLayout =
        QPageLayout(chosen.pageSize(), chosen.orientation(),
                    chosen.margins(QPageLayout::Millimeter), QPageLayout::Millimeter);
    relayout();
}

QString ReportPreview::nazovDokumentu() const {
    return report_.fileName.isEmpty() ? report_.caption : report_.fileName;
}

void ReportPreview::btnUlozitPdfClick() {
    if (!hasPages())
        return;
    QString name = report_.fileName.isEmpty() ? report_.caption : report_.fileName;
    name.replace(u'/', u'-');
    // the Documents folder where it exists (a fresh account may have none), else home
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString proposed = QDir(folder).filePath(name + QStringLiteral(".pdf"));
    const QString path = DialogService::instance().saveFile(
        this, QStringLiteral("Uložiť ako PDF"), proposed, QStringLiteral("Súbor PDF (*.pdf)"),
        QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QString why;
    if (!writePdf(path, *pages_, nazovDokumentu(), &why)) {
        showError(this, QStringLiteral("Chyba"),
                  QStringLiteral("Súbor PDF sa nepodarilo uložiť:\n%1\n\n%2")
                      .arg(QDir::toNativeSeparators(path), why));
        return;
    }
    showInformation(
        this, QStringLiteral("Informácia"),
        QStringLiteral("Zostava bola uložená do súboru:\n%1").arg(QDir::toNativeSeparators(path)));
}

bool ReportPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport()) {
        if (event->type() == QEvent::Resize && zoomMode_ != ZoomMode::Fixed) {
            const double fitted = fittedZoom(zoomMode_);
            if (std::abs(fitted - zoom_) > 1e-6)
                updateView();
        } else if (event->type() == QEvent::Wheel) {
            auto* wheel = static_cast<QWheelEvent*>(event);
            if (wheel->modifiers() & Qt::ControlModifier) {
                if (wheel->angleDelta().y() > 0)
                    btnZvacsitClick();
                else if (wheel->angleDelta().y() < 0)
                    btnZmensitClick();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace saldovia
