// libFuzzer target: the notes' RTF reader, strict and salvaging, and the writer read back.
// A violated promise of the reader or the writer aborts, so that the fuzzer keeps the input.

#include "notes/Rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void selhalo(const char* co) {
    std::fprintf(stderr, "porušené: %s\n", co);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace saldovia;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString povodny = QStringLiteral("pôvodný text");

    QTextDocument prisny;
    prisny.setPlainText(povodny);
    const rtf::Chyba a = rtf::citat(bytes, prisny, false);
    QTextDocument zachranny;
    zachranny.setPlainText(povodny);
    const rtf::Chyba b = rtf::citat(bytes, zachranny, true);

    if (!rtf::jeRtf(bytes) && (a != rtf::Chyba::NieJeRtf || b != rtf::Chyba::NieJeRtf))
        selhalo("text bez {\\rtf prečítaný");
    if (a != rtf::Chyba::Ziadna && prisny.toPlainText() != povodny)
        selhalo("chyba zmenila dokument");
    if (a == rtf::Chyba::Ziadna &&
        (b != rtf::Chyba::Ziadna || zachranny.toPlainText() != prisny.toPlainText()))
        selhalo("záchranné čítanie sa líši od prísneho");
    if (b == rtf::Chyba::NieJeRtf && zachranny.toPlainText() != povodny)
        selhalo("odmietnutý text zmenil dokument");

    if (b != rtf::Chyba::NieJeRtf) {
        const QByteArray zapisany = rtf::zapisat(zachranny);
        QTextDocument znova;
        if (rtf::citat(zapisany, znova, false) != rtf::Chyba::Ziadna)
            selhalo("zapísaný text sa nedá prečítať");
        if (znova.toPlainText() != zachranny.toPlainText())
            selhalo("zapísaný a prečítaný text sa líši");
    }
    (void)rtf::textSuboru(bytes);
    return 0;
}
