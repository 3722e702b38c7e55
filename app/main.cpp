#include "Hlavny.h"
#include "ui/Aplikacia.h"

#include <cstdio>
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

} // namespace

int main(int argc, char** argv) {
    predchadzajuci = qInstallMessageHandler(spravaPriSpusteni);
    saldovia::Aplikacia app(argc, argv);
    qInstallMessageHandler(predchadzajuci);
    saldovia::nastavitAplikaciu(app);
    saldovia::TfrmHlavny hlavny;
    hlavny.show();
    return app.exec();
}
