#pragma once

#include "store/Store.h"
#include "ui/SluzbyDennika.h"

#include <QString>

class QDialog;
class QPrinter;
class QRect;
class QWidget;

namespace saldovia {

// The state of the agenda being worked on, kept as values by the main window: its status
// bar and menus only show it, windows read it through Kontext.
struct RelaciaAgendy {
    QString uctovnyRok;    // the settings' accounting year ("" until one is set)
    QString pracovnyDatum; // the working date, dd.MM.yyyy, kept within the year
    bool nacitana = false; // an agenda is connected and its commands are available
    bool skuska = false;   // the agenda is an exam (it has a duration)
    QString zostatok;      // the exam's remaining time, H:MM:SS ("" outside an exam)
};

// What a window needs of the program around it: the agenda store, the accounting year and
// the working date, the printer, the journal's services, opening and registering windows,
// the caption, help and the agenda file. The main window implements it; windows hold a
// Kontext& and never the main window itself.
class Kontext {
public:
    // Size of the work area that full-size windows cover.
    static constexpr int SirkaPlochy = 632;
    static constexpr int VyskaPlochy = 407;

    virtual ~Kontext() = default;

    // The agenda store and its shared data sets.
    virtual Store& store() = 0;
    int SQL(const QString& statement) { return store().SQL(statement); }
    GeneralQuery& ADOQuery() { return store().ADOQuery; }
    SettingsRow& tblAgendaNastavenie() { return store().tblAgendaNastavenie; }

    // The agenda session: the accounting year, the working date, the exam's state.
    virtual const RelaciaAgendy& relacia() const = 0;
    QString uctovnyRok() const { return relacia().uctovnyRok; }
    QString pracovnyDatum() const { return relacia().pracovnyDatum; }
    virtual void setPracovnyDatum(const QString& datum) = 0;
    // Shows the settings row's year and company again and keeps the working date in the year.
    virtual void NacitatStatusBar() = 0;

    virtual QPrinter& tlaciaren() = 0;
    // The document editors and printouts as the journal window reaches them.
    virtual SluzbyDennika& sluzbyDennika() = 0;

    // The widget that owns every window and is the parent of their messages.
    virtual QWidget* hlavneOkno() = 0;
    // Shows a window modally and frees it afterwards; a full-size window's caption is
    // restored when it returns.
    virtual int otvoritOkno(QDialog* okno) = 0;
    // Every window registers itself while it is alive (the exam's end closes them).
    virtual void registrovatOkno(QDialog* okno) = 0;
    // The area, in global coordinates, that full-size windows cover.
    virtual QRect pracovnaPlocha() const = 0;
    // The caption the program shows for a full-size window.
    virtual void nastavitTitulok(const QString& caption) = 0;

    // Help: only when the help file was found at start.
    virtual bool maPomocnika() const = 0;
    virtual void otvoritPomocnika(QWidget* parent, int context) = 0;

    virtual QString verziaProgramu() const = 0;

    // The agenda file and its connection (the exam's generation works on a copy).
    virtual QString cestaAgendy() const = 0;
    virtual bool jeCestaAgendy(const QString& path) const = 0;
    virtual void PripojitDatabazu(const QString& path) = 0;
    virtual void OdpojitDatabazu() = 0;

protected:
    Kontext() = default;
    Kontext(const Kontext&) = default;
    Kontext& operator=(const Kontext&) = default;
};

} // namespace saldovia
