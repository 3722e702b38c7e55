#pragma once

#include "ui/Okna.h"

class QLineEdit;

namespace saldovia {

// The built-in calculator, used when the desktop has none installed.
class TfrmKalkulacka : public TfrmMaleOkno {
    Q_OBJECT
public:
    explicit TfrmKalkulacka(Kontext& kontext);

    // Presses a key of the calculator: "0"-"9", ",", "+", "-", "*", "/", "=", "C", "±", "⌫".
    void stlacit(const QString& key);
    QString displej() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void vypocitat();
    QLineEdit* displej_;
    double akumulator_ = 0;
    QString operacia_;
    bool novyVstup_ = true;
};

// The text of a calculator value: up to ten decimals, a comma, no trailing zeros.
QString textKalkulacky(double value);

} // namespace saldovia
