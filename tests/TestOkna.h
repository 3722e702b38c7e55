#pragma once

#include "ScriptedDialogs.h"
#include "TestAgenda.h"

#include "app/Hlavny.h"

#include <QObject>

#include <functional>
#include <memory>

class QDialog;
class QLineEdit;

// Runs statements on an agenda file through a connection of its own, as a test does before
// a window opens the file.
void vykonat(const QString& path, const QString& sql);

// The main window on `agenda`, started as the program starts it; `sql` runs on the file
// first.
std::unique_ptr<saldovia::TfrmHlavny> spustitHlavne(const TestAgenda& agenda,
                                                    const QString& sql = {});

// A window shown as the menu shows it, but without blocking the test.
template <class Okno> Okno* ukazat(saldovia::TfrmHlavny& h) {
    auto* w = new Okno(h);
    w->show();
    return w;
}

// The number of rows of `table` (those meeting `where`, when given), counted through the main
// window's general query.
int pocetRiadkov(saldovia::TfrmHlavny& h, const QString& table, const QString& where = {});

// Replaces an edit's text as typing over it would (QTest types ASCII only).
void prepisat(QLineEdit* e, const QString& text);

// Runs f on the modal window named `meno` once it is shown and has taken the focus, then
// closes it unless f did; gives up after five seconds. Windows opened from inside f are
// waited for by further calls. A test's clean-up drops the waits still pending.
void naOkno(const QString& meno, std::function<void(QDialog*)> f);

// The fixture of the window tests: every test gets a fresh agenda and a scripted dialog
// service. A test class adds its own set-up in pripravit() and its own clean-up in upratat()
// instead of declaring init and cleanup.
class TestOkien : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<TestAgenda> agenda;
    std::unique_ptr<ScriptedDialogs> dialogs;

    virtual void pripravit() {}
    virtual void upratat() {}

private slots:
    void init();
    void cleanup();
};

// The fixture with the main window started for every test on the agenda given the settings
// `nastavenia` (a statement run on the file) and, when not empty, the working date `datum`.
// No message may appear while it starts.
class TestHlavnehoOkna : public TestOkien {
    Q_OBJECT
protected:
    std::unique_ptr<saldovia::TfrmHlavny> h;

    void spustitOkno(const QString& nastavenia, const QString& datum = {});
    void sql(const QString& statement) { h->SQL(statement); }
    int pocet(const QString& table, const QString& where = {}) {
        return pocetRiadkov(*h, table, where);
    }
    void upratat() override { h.reset(); }
};
