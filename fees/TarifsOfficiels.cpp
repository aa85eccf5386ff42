#include "fees/TarifsOfficiels.h"

#include "fees/Francais.h"

#include <QStringList>
#include <algorithm>

namespace {

// The texts that set each set of values.
constexpr QStringView Avenant10 =
    u"Avenant n° 10 à la convention nationale des infirmiers (signé le 16 juin 2023, réputé "
    u"approuvé le 28 juillet 2023) : IFD à 2,75 €";
constexpr QStringView Avenant5 =
    u"Avenant n° 5 à la convention nationale des infirmiers (signé le 21 novembre 2017) : "
    u"majoration de dimanche et jours fériés à 8,50 €";
constexpr QStringView Avenant3 =
    u"Avenant n° 3 à la convention nationale des infirmiers (JO du 26 novembre 2011)";
constexpr QStringView Avenant1 =
    u"Avenant n° 1 à la convention nationale des infirmiers, annexe 1 de l'arrêté "
    u"d'approbation du 17 octobre 2008";
constexpr QStringView Convention2007 =
    u"Convention nationale des infirmiers du 22 juin 2007, approuvée par arrêté du "
    u"18 juillet 2007 (JO du 25 juillet 2007)";

} // namespace

// The night surcharges (9,15 and 18,30) have not moved since 2007. A bag change (DPCA) or a
// connection or disconnection (DPA) is AMI 4 by session: NGAP, titre XVI, chapitre II, article 6.
const QList<TarifOfficiel>& TarifsOfficiels() {
    static const QList<TarifOfficiel> tarifs{
        {QDate(2024, 1, 28), Region::Metropole, {3.15, 2.75, 8.5, 9.15, 4}, 18.3, Avenant10},
        {QDate(2024, 1, 28), Region::OutreMer, {3.3, 2.75, 8.5, 9.15, 4}, 18.3, Avenant10},
        {QDate(2018, 8, 1), Region::Metropole, {3.15, 2.5, 8.5, 9.15, 4}, 18.3, Avenant5},
        {QDate(2018, 8, 1), Region::OutreMer, {3.3, 2.5, 8.5, 9.15, 4}, 18.3, Avenant5},
        {QDate(2012, 5, 27), Region::Metropole, {3.15, 2.5, 8, 9.15, 4}, 18.3, Avenant3},
        {QDate(2012, 5, 27), Region::OutreMer, {3.3, 2.5, 8, 9.15, 4}, 18.3, Avenant3},
        {QDate(2009, 4, 15), Region::Metropole, {3.15, 2.3, 8, 9.15, 4}, 18.3, Avenant1},
        {QDate(2009, 4, 15), Region::OutreMer, {3.3, 2.3, 8, 9.15, 4}, 18.3, Avenant1},
        // The overseas tariffs of the time were the same: one set serves both.
        {QDate(2007, 7, 26), Region::Metropole, {3, 2.2, 7.8, 9.15, 4}, 18.3, Convention2007},
    };
    return tarifs;
}

QDate Remplacement(const TarifOfficiel& tarif) {
    QDate suivant;
    for (const TarifOfficiel& t : TarifsOfficiels())
        if (t.region == tarif.region && t.depuis > tarif.depuis &&
            (suivant.isNull() || t.depuis < suivant))
            suivant = t.depuis;
    return suivant;
}

QString Libelle(const TarifOfficiel& tarif) {
    const QString region =
        tarif.region == Region::Metropole ? u"Métropole"_qs : u"Outre-mer et Mayotte"_qs;
    if (Remplacement(tarif).isValid())
        return region + u" \u2014 "_qs + Francais::Date(tarif.depuis) + u", remplacés"_qs;
    return region + u" \u2014 depuis le "_qs + Francais::Date(tarif.depuis);
}

const TarifOfficiel* Reconnaitre(const Tarifs& tarifs) {
    for (const TarifOfficiel& officiel : TarifsOfficiels())
        if (officiel.valeurs == tarifs)
            return &officiel;
    return nullptr;
}

// Checked against the avenants published up to then; the 11th was still being negotiated, its
// text incomplete (caducee.net, « AMI : la hausse de 15 centimes proposée par la Cnam amplifie la
// colère des infirmiers libéraux », February 2026; egora.fr, 20 February 2026).
const QString ListeVerifiee = QStringLiteral("décembre 2026");

QString Provenance(const Tarifs& tarifs) {
    const TarifOfficiel* officiel = Reconnaitre(tarifs);
    if (!officiel)
        return u"tarifs personnalisés"_qs;
    const QDate remplaces = Remplacement(*officiel);
    if (Reconnaitre(Tarifs{}) == officiel)
        return u"tarifs de juillet 2007, valeurs par défaut du programme, remplacés le "_qs +
               Francais::Date(remplaces);
    const QString nom = officiel->region == Region::Metropole ? u"tarifs métropole"_qs
                                                              : u"tarifs outre-mer et Mayotte"_qs;
    if (remplaces.isValid())
        return nom + u" du "_qs + Francais::Date(officiel->depuis) + u", remplacés le "_qs +
               Francais::Date(remplaces);
    return nom + u" en vigueur depuis le "_qs + Francais::Date(officiel->depuis) +
           u", liste vérifiée en "_qs + ListeVerifiee;
}

QString ChoixEnVigueur(const Tarifs& tarifs) {
    const TarifOfficiel* officiel = Reconnaitre(tarifs);
    if (!officiel || !Remplacement(*officiel).isValid())
        return {};
    // A set with no twin of the other region on its date served both: today's of each are named.
    const auto& tous = TarifsOfficiels();
    const bool lesDeux = std::none_of(tous.begin(), tous.end(), [&](const TarifOfficiel& t) {
        return t.depuis == officiel->depuis && t.region != officiel->region;
    });
    // Newest first: the first of a region is the one in force.
    QStringList noms;
    for (const Region region : {Region::Metropole, Region::OutreMer})
        if (lesDeux || region == officiel->region)
            noms << u"« "_qs +
                        Libelle(*std::find_if(
                            tous.begin(), tous.end(),
                            [&](const TarifOfficiel& t) { return t.region == region; })) +
                        u" »"_qs;
    return u"choisissez "_qs + noms.join(u" ou "_qs) +
           u" sous « Tarifs officiels », puis « Enregistrer »"_qs;
}
