#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace saldovia {

// A pair of arrows beside a number edit. A click reads the edit's number, steps it by one
// within the limits (no wrap) and writes it back without a thousands separator.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QLineEdit* edit, int min, int max, QWidget* parent = nullptr);

    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    void setPosition(int position);
    // Steps the edit's number up (+1) or down (-1).
    void krok(int smer);

    QToolButton* hore() const { return hore_; }
    QToolButton* dole() const { return dole_; }

private:
    QLineEdit* edit_;
    QToolButton* hore_;
    QToolButton* dole_;
    int min_;
    int max_;
    int position_;
};

} // namespace saldovia
