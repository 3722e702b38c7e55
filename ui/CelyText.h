#pragma once

#include <QLabel>
#include <QString>

class QLineEdit;

namespace saldovia {

// The widest amount text the agenda can hold: the largest amount, negative.
QString najsirsiaSuma();

// The width at which a line edit shows `text` whole, frame and margins included.
int sirkaPreText(const QLineEdit* edit, const QString& text);
// True when the edit shows its whole text at its present width.
bool celyTextViditelny(const QLineEdit* edit);

// Gives the edit its whole text as its tooltip whenever the text is wider than the edit
// (a fixed-size window cannot always give a long value all the room it needs).
void celyTextVTipe(QLineEdit* edit);

// A read-only value that is never wider than its place: a text that does not fit is shown
// shortened with "…" and whole in its tooltip. text() stays the whole value.
class TSkratenaHodnota : public QLabel {
    Q_OBJECT
public:
    explicit TSkratenaHodnota(const QString& text = {}, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    // The text as it is shown (with "…" when shortened).
    QString zobrazenyText() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;

private:
    void nastavitTip();
};

} // namespace saldovia
