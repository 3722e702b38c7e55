#include "Hlavny.h"
#include "ui/Aplikacia.h"

int main(int argc, char** argv) {
    saldovia::Aplikacia app(argc, argv);
    saldovia::nastavitAplikaciu(app);
    saldovia::TfrmHlavny hlavny;
    hlavny.show();
    return app.exec();
}
