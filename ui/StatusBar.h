#pragma once

#include <QStatusBar>
#include <QStringList>

namespace saldovia {

// The main window's status bar: five text panels of fixed widths, the last one taking
// the rest. A double click reports its position; a right click asks for the pop-up.
class TStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int PocetPanelov = 5;
    static constexpr int Sirky[PocetPanelov] = {29, 283, 65, 47, 208};

    explicit TStatusBar(QWidget* parent = nullptr);

    QString panel(int i) const { return texty_.value(i); }
    void setPanel(int i, const QString& text);
    // The panel under a horizontal position in the bar.
    static int panelNa(int x);

signals:
    void dvojklik(int x);
    void kontextoveMenu(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    QStringList texty_;
};

} // namespace saldovia
