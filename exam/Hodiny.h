#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

class QTimer;

namespace saldovia {

class SettingsRow;

// The exam clock: one tick a second counts the remaining time down and stores it in the
// settings row; the first tick that finds no time left records the end. The remaining time
// is the owner's value (the agenda session's, which the main window shows); the clock reads
// and writes it through its surroundings. The time used while the program runs is measured
// on a monotonic clock, which a clock set back or forward does not move; the moments it
// records come from the wall clock, but the end never before the start plus the time used.
// Both sources can be given, so that tests can drive the clock without waiting.
class SkuskaHodiny : public QObject {
    Q_OBJECT
public:
    using Teraz = std::function<QDateTime()>;
    // Milliseconds on a monotonic clock from any fixed origin.
    using Monotonne = std::function<qint64()>;

    // What the clock reaches outside itself. Every member may stay empty.
    struct Okolie {
        // The remaining time as the owner keeps it, and keeping (and showing) a new one.
        std::function<QString()> zostatok;
        std::function<void(const QString&)> zobrazit;
        // Called before each of the clock's posts, with the row in edit state: adds what
        // other controls have typed into the row's fields so far.
        std::function<void(SettingsRow&)> doplnit;
        // At every tick that finds no time left, first thing (after the clock has stopped).
        std::function<void()> vyprsal;
        // Once, when the end has just been stored: the announcement and the closing of the
        // open windows.
        std::function<void()> skoncila;
        // At every tick that finds no time left, last thing: the results.
        std::function<void()> vyhodnotit;
    };

    // teraz empty means the system clock, monotonne empty a QElapsedTimer.
    explicit SkuskaHodiny(SettingsRow& nastavenie, Teraz teraz = {}, QObject* parent = nullptr,
                          Monotonne monotonne = {});

    void nastavitOkolie(Okolie okolie) { okolie_ = std::move(okolie); }
    // The timer whose timeout the owner connects to tik(), one tick every 1000 ms.
    QTimer* timer() const { return timer_; }
    bool bezi() const;

    // Exam mode on the loaded agenda: an exam that has not started yet starts now (the
    // remaining time becomes the duration, the start the current moment); the remaining
    // time is shown and the clock runs. True when the exam started with this call.
    bool spustit();
    // Stops the clock; the remaining time stays as shown.
    void zastavit();
    // Out of exam mode: the clock stops and no remaining time is shown.
    void vypnut();

    // Whether an exam is running with time left (something shown and not "0:00:00").
    bool zostavaCas() const;
    // Ends the exam early: the remaining time becomes "0:00:00", shown and stored; the next
    // tick ends the exam. Does nothing without time left.
    void ukoncit();

    // The tick. A remaining time that is no time stops the clock and throws DbError. Without
    // an open settings row (no agenda loaded) or without a duration in it (no exam), the
    // clock stops and nothing is written.
    void tik();

private:
    QString zostatok() const;
    void zobrazit(const QString& text);
    void zapisat(const QString& pole, const QString& hodnota);

    // The seconds used so far: those counted before this run, and this run's.
    qint64 pouzite() const;

    SettingsRow& nastavenie_;
    Teraz teraz_;
    Monotonne monotonne_;
    qint64 zaciatokBehu_ = 0;        // monotonic milliseconds when the clock was started
    qint64 zostatokPriSpusteni_ = 0; // the remaining seconds then
    qint64 pouzitePredtym_ = 0;      // seconds used in earlier runs (duration − remaining)
    Okolie okolie_;
    QTimer* timer_;
};

} // namespace saldovia
