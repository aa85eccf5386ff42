#pragma once

#include <QString>
#include <utility>

// French typography for what the program writes: a no-break space before a colon and inside
// quotes, a narrow one before ; ! ? and between an amount and its euro, so that no line ends
// on an opening quote nor splits an amount from its unit.
inline QString Typographie(QString t) {
    for (const auto& [avant, apres] :
         {std::pair{u" €", u"\u202F€"}, std::pair{u"« ", u"«\u00A0"}, std::pair{u" »", u"\u00A0»"},
          std::pair{u" :", u"\u00A0:"}, std::pair{u" ;", u"\u202F;"}, std::pair{u" !", u"\u202F!"},
          std::pair{u" ?", u"\u202F?"}})
        t.replace(QString::fromUtf16(avant), QString::fromUtf16(apres));
    return t;
}

// The same in HTML, escaped by Qt: every text the program writes as HTML goes through here.
inline QString Html(const QString& t) {
    return Typographie(t).toHtmlEscaped();
}
