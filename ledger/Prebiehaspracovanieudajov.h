#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace saldovia {

// The small progress window of lengthy work: the task, the current phase, a bar from 0 to
// 10 000 and the percentage. It has no behaviour of its own: whoever runs the work sets its
// texts and its bar, and lets pending events run so that they are painted. It stays on top
// and cannot be closed by the user. It draws its own caption bar, so that no window manager
// adds system buttons to it.
class TfrmPrebiehaSpracovanieUdajov : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Prebieha spracovanie údajov");

    explicit TfrmPrebiehaSpracovanieUdajov(QWidget* owner);

    QLabel* lblNazov;
    QLabel* lblPopis;
    QProgressBar* ProgressBar;
    QLabel* lblPercenta;

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
};

} // namespace saldovia
