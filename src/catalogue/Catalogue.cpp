// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Catalogue.h"

namespace numislot::catalogue {

std::string coinHint(int slot)
{
    const int denomination = denominationOf(slot);
    const Issuer& issuer = issuers[issuerOf(slot)];
    // 1 € and 1 cent take the singular, except Monaco's 1 cent, which has always read in the plural.
    const bool singular = (denomination == 1 || denomination == 7) && slot != 120;
    std::string hint(denominations[denomination].hintForm);
    hint += ' ';
    hint += singular ? issuer.singularForm : issuer.pluralForm;
    return hint;
}

namespace {

using Designs = std::array<std::string_view, DenominationCount>;

// By issuer in slot order, 2 € to 1 cent.
constexpr std::array<Designs, IssuerCount> designs { {
    { "Aigle", "Aigle", "Porte de Brandebourg", "Porte de Brandebourg", "Porte de Brandebourg", "Branche de chêne",
        "Branche de chêne", "Branche de chêne" },
    { "Bertha von Suttner", "Mozart", "Palais de la Sécession", "Belvédère", "Cathédrale St-Etienne", "Primevère",
        "Edelweiss", "Gentiane" },
    { "Albert II", "Albert II", "Albert II", "Albert II", "Albert II", "Albert II", "Albert II", "Albert II" },
    { "Juan Carlos", "Juan Carlos", "Cervantès", "Cervantès", "Cervantès", "St-Jacques-de-Compostelle",
        "St-Jacques-de-Compostelle", "St-Jacques-de-Compostelle" },
    { "Baie et fleur de mûrier", "Envol de 2 cygnes", "Lion héraldique", "Lion héraldique", "Lion héraldique",
        "Lion héraldique", "Lion héraldique", "Lion héraldique" },
    { "Arbre", "Arbre", "Semeuse", "Semeuse", "Semeuse", "Mariane", "Mariane", "Mariane" },
    { "L'enlèvement d'Europe", "Chouette", "Elefthérios", "Ioannis Capodistrias", "Rhigas Velestinlis-Fereos",
        "Pétrolier", "Corvette", "Trirème" },
    { "Harpe celtique", "Harpe celtique", "Harpe celtique", "Harpe celtique", "Harpe celtique", "Harpe celtique",
        "Harpe celtique", "Harpe celtique" },
    { "Dante (3)", "L'Homme (2)", "Marc Aurèle", "Umberto Boccionni", "La Naissance de Vénus (1)", "Colisée de Rome",
        "Môle Antonelliana", "Castel del Monte" },
    { "Grand-duc Henri", "Grand-duc Henri", "Grand-duc Henri", "Grand-duc Henri", "Grand-duc Henri", "Grand-duc Henri",
        "Grand-duc Henri", "Grand-duc Henri" },
    { "Béatrix", "Béatrix", "Béatrix", "Béatrix", "Béatrix", "Béatrix", "Béatrix", "Béatrix" },
    { "Château et armoiries", "Château et armoiries", "Le sceau royal de 1142", "Le sceau royal de 1142",
        "Le sceau royal de 1142", "Le premier sceau royal de 1134", "Le premier sceau royal de 1134",
        "Le premier sceau royal de 1134" },
    { "Le palais de gouvernement de Saint-Marin", "Les armoiries de Saint-Marin", "Monte Titano", "Le Marino Saint",
        "Basilica del Santo", "La Guaita", "La statue de la liberté sur le Piazza della Liberta", "Il Montale" },
    { "Le profil gauche du Pape Jean Paul II", "Le profil gauche du Pape Jean Paul II",
        "Le profil gauche du Pape Jean Paul II", "Le profil gauche du Pape Jean Paul II",
        "Le profil gauche du Pape Jean Paul II", "Le profil gauche du Pape Jean Paul II",
        "Le profil gauche du Pape Jean Paul II", "Le profil gauche du Pape Jean Paul II" },
    { "Le Prince Souverain Rainier III", "Le Prince souverain Rainier III et le Prince héréditaire Albert",
        "Le sceau des Grimaldi", "Le sceau des Grimaldi", "Le sceau des Grimaldi", "Les armes des Grimaldi",
        "Les armes des Grimaldi", "Les armes des Grimaldi" },
    { "France Prešeren", "Primož Trubar", "Le mont Triglav", "Les chevaux lipizzans", "La cathédrale de la liberté",
        "Le semeur", "La pierre du prince", "La cigogne" },
} };

} // namespace

std::string_view designName(int slot)
{
    return designs[issuerOf(slot)][denominationOf(slot)];
}

} // namespace numislot::catalogue
