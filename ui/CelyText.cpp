#include "CelyText.h"

#include "store/Values.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>
#include <limits>

namespace saldovia {

namespace {

// The frame style option of an edit, as the edit itself builds it.
QStyleOptionFrame volbyRamika(const QLineEdit* edit) {
    QStyleOptionFrame opt;
    opt.initFrom(edit);
    opt.rect = edit->rect();
    opt.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    opt.features = QStyleOptionFrame::None;
    return opt;
}

// QLineEdit keeps this much room between its contents rectangle and its text.
constexpr int vnutornyOkraj = 2;

// The room the text takes in the edit: its width, a pixel of spacing and the caret behind
// it; an edit with less room scrolls the text.
int potrebne(const QLineEdit* edit, const QString& text) {
    const double sirka = QFontMetricsF(edit->font()).horizontalAdvance(text);
    return static_cast<int>(std::ceil(sirka)) + 1 +
           edit->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, edit);
}

// Watches an edit's size and text and keeps its tooltip.
class StrazcaTextu : public QObject {
public:
    explicit StrazcaTextu(QLineEdit* edit) : QObject(edit), edit_(edit) {
        connect(edit, &QLineEdit::textChanged, this, [this] { nastavit(); });
        edit->installEventFilter(this);
    }
    void nastavit() { edit_->setToolTip(celyTextViditelny(edit_) ? QString() : edit_->text()); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == edit_ && (e->type() == QEvent::Resize || e->type() == QEvent::Show ||
                           e->type() == QEvent::FontChange))
            nastavit();
        return false;
    }

private:
    QLineEdit* edit_;
};

} // namespace

QString najsirsiaSuma() {
    return u'-' + Amount::fromUnits(std::numeric_limits<std::int64_t>::max()).toText();
}

int sirkaPreText(const QLineEdit* edit, const QString& text) {
    const QFontMetrics fm = edit->fontMetrics();
    const QMargins tm = edit->textMargins();
    const int w = potrebne(edit, text) + 2 * vnutornyOkraj + tm.left() + tm.right();
    const QStyleOptionFrame opt = volbyRamika(edit);
    return edit->style()
        ->sizeFromContents(QStyle::CT_LineEdit, &opt, QSize(w, fm.height()), edit)
        .width();
}

bool celyTextViditelny(const QLineEdit* edit) {
    const QStyleOptionFrame opt = volbyRamika(edit);
    const QRect r = edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit);
    const QMargins tm = edit->textMargins();
    const int miesto = r.width() - tm.left() - tm.right() - 2 * vnutornyOkraj;
    return potrebne(edit, edit->text()) <= miesto;
}

void celyTextVTipe(QLineEdit* edit) {
    (new StrazcaTextu(edit))->nastavit();
}

TSkratenaHodnota::TSkratenaHodnota(const QString& text, QWidget* parent) : QLabel(text, parent) {}

QSize TSkratenaHodnota::minimumSizeHint() const {
    QSize s = QLabel::minimumSizeHint();
    s.setWidth(std::min(s.width(), fontMetrics().horizontalAdvance(QStringLiteral("…")) + 2));
    return s;
}

QString TSkratenaHodnota::zobrazenyText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void TSkratenaHodnota::nastavitTip() {
    const QString tip = zobrazenyText() == text() ? QString() : text();
    if (toolTip() != tip)
        setToolTip(tip);
}

void TSkratenaHodnota::paintEvent(QPaintEvent*) {
    nastavitTip();
    QPainter p(this);
    style()->drawItemText(&p, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(),
                          zobrazenyText(), foregroundRole());
}

void TSkratenaHodnota::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    nastavitTip();
}

bool TSkratenaHodnota::event(QEvent* e) {
    // The tooltip follows the text, which QLabel sets without telling.
    if (e->type() == QEvent::ToolTip)
        nastavitTip();
    return QLabel::event(e);
}

} // namespace saldovia
