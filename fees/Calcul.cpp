#include "fees/Calcul.h"

QStringView NomModalite(Modalite modalite) {
    return modalite == Modalite::DPA ? u"DPA" : u"DPCA";
}

Montants Calcul(const Choix& c, const Tarifs& t) {
    Montants m;
    double total = ((c.poches * c.jours) * t.Poches) * t.AMI;
    m.journee = (c.poches * t.Poches * t.AMI) + (t.Deplacements * c.poches);
    m.semainePoches = m.journee * c.jours;
    m.pansements = (t.AMI * 4) * c.pansements;
    total += (c.poches * c.jours) * t.Deplacements;
    total += m.pansements;
    m.dimanches = (c.dimanches * c.poches) * t.Dimanches;
    total += m.dimanches;
    m.nuits = c.nuits * t.Nuits;
    total += m.nuits;
    if (c.dpa()) {
        m.surveillance = (c.surveillances * t.AMI) * t.Poches;
        total += m.surveillance;
    }
    m.hebdomadaire = total;
    m.mensuelle = (total * 52.0) / 12.0;
    return m;
}
