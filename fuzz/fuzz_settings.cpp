#include "fees/Defaut.h"
#include "framework/Number.h"
#include "framework/TextInputStream.h"

#include <QBuffer>
#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    framework::TextInputStream flux(std::move(buffer));
    Defaut::Initialiser();
    const QList<int> ignorees = Defaut::LireFlux(flux);
    if (ignorees.size() > 5)
        std::abort();
    for (double v :
         {Defaut::AMI, Defaut::Deplacements, Defaut::Dimanches, Defaut::Nuits, Defaut::Poches})
        if (!std::isfinite(v) || v < 0)
            std::abort();

    // Whatever reads as a number must format and read back.
    bool ok = false;
    const double v = framework::CDbl(QString::fromUtf8(bytes), &ok);
    if (ok) {
        if (!std::isfinite(v))
            std::abort();
        const QString shown = framework::Format(v, u"##.00", QLocale::c());
        bool back = false;
        framework::CDbl(shown, &back);
        if (!back)
            std::abort();
        const QString shortest = framework::Str(v, QLocale::c());
        if (!shortest.contains(u'e') && framework::CDbl(shortest) != v)
            std::abort();
    }
    return 0;
}
