#include "Hlavny.h"
#include "ui/Aplikacia.h"

#include <cstdio>
#include <string_view>
#include <unistd.h>

namespace {

QtMessageHandler predchadzajuci = nullptr;

// While the application object is being made, Qt ends a program that reaches no display
// (no X server yet, a wrong DISPLAY) with abort(), which looks like a crash and leaves no
// word in Slovak. This says what happened and ends with status 2 instead.
void spravaPriSpusteni(QtMsgType typ, const QMessageLogContext& kontext, const QString& text) {
    if (typ != QtFatalMsg) {
        if (predchadzajuci)
            predchadzajuci(typ, kontext, text);
        return;
    }
    const QByteArray sprava =
        QStringLiteral("Saldovia sa nedá spustiť: nepodarilo sa pripojiť ku grafickému "
                       "prostrediu (DISPLAY=%1).\n")
            .arg(QString::fromLocal8Bit(qgetenv("DISPLAY")))
            .toLocal8Bit();
    std::fputs(sprava.constData(), stderr);
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputs("\n", stderr);
    std::fflush(stderr);
    _exit(2);
}

// "--version" and "--help" alone on the command line answer on the terminal before any
// window or display is needed; every other command line goes to the program as before.
bool odpovedatNaTerminali(int argc, char** argv) {
    if (argc != 2)
        return false;
    const std::string_view volba = argv[1];
    if (volba == "--version") {
        std::fputs("saldovia " SALDOVIA_VERSION "\n", stdout);
    } else if (volba == "--help" || volba == "-h") {
        std::fputs("Použitie: saldovia [--version | --help]\n"
                   "Saldovia – výučba podvojného účtovníctva v školách.\n"
                   "Bez volieb otvorí agendu Data.mdb v priečinku používateľa\n"
                   "(~/.local/share/Saldovia/) alebo vedľa prenosného programu.\n"
                   "Ukážková agenda Ukazka.mdb, jej skúška UkazkaSkuska.mdb a uzavretý rok\n"
                   "UkazkaZavierka.mdb sa otvárajú v programe cez Agenda → Obnoviť...\n\n"
                   "  --version    vypíše verziu programu a skončí\n"
                   "  -h, --help   vypíše tento text a skončí\n",
                   stdout);
    } else {
        return false;
    }
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (odpovedatNaTerminali(argc, argv))
        return 0;
    predchadzajuci = qInstallMessageHandler(spravaPriSpusteni);
    saldovia::Aplikacia app(argc, argv);
    qInstallMessageHandler(predchadzajuci);
    saldovia::nastavitAplikaciu(app);
    saldovia::TfrmHlavny hlavny;
    hlavny.show();
    return app.exec();
}
