#pragma once

#include <QTranslator>
#include <mutex>

// Qt's own texts (a field's menu, the standard dialogs) in French, in the user's French if any.
// Their file is read the first time Qt asks for one of them, which most starts never do.
class TraductionQt : public QTranslator {
    Q_OBJECT
public:
    explicit TraductionQt(QObject* parent);

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;

private:
    mutable std::once_flag lu_;
    mutable QTranslator fichier_;
};
