#include "app/TraductionQt.h"

#include <QLibraryInfo>
#include <QLocale>

TraductionQt::TraductionQt(QObject* parent) : QTranslator(parent) {}

QString TraductionQt::translate(const char* context, const char* sourceText,
                                const char* disambiguation, int n) const {
    // Qt may ask from any thread.
    std::call_once(lu_, [this] {
        const QLocale systeme = QLocale::system();
        // Without its file, Qt's texts stay in English.
        [[maybe_unused]] const bool trouve = fichier_.load(
            systeme.language() == QLocale::French ? systeme
                                                  : QLocale(QLocale::French, QLocale::France),
            QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    return fichier_.translate(context, sourceText, disambiguation, n);
}
