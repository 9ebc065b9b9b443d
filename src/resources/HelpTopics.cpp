#include "resources/HelpTopics.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace orvek {

namespace {

struct Topic {
    int id;
    std::string_view file;
};

// Commands and dialog templates, sorted by number (checked below).
constexpr Topic kTopics[] = {
    // Dialog templates.
    {100, "tietoja.html"},                                // About Orvek
    {122, "seurakunnat.html"},                            // congregation list
    {123, "asetukset.html"},                              // settings
    {126, "paikalliset-tehtavat.html"},                   // local roles
    {131, "seurakunnat.html#seurakunnan-tiedot"},         // congregation form
    {136, "veljet.html"},                                 // brothers list
    {139, "veljet.html#veljen-tiedot"},                   // brother form
    {141, "esitelmat.html"},                              // talk list
    {143, "paavalikko.html"},                             // main-menu panel
    {144, "kierrokset.html"},                             // circuits / hospitality hosts
    {145, "esitelmat.html#esitelman-tiedot"},             // talk form
    {146, "esitelmat.html#aiheet"},                       // topics
    {147, "oma-seurakunta.html"},                         // own congregation
    {148, "edelliset.html"},                              // history editor
    {149, "yhteenveto.html"},                             // summary page
    {154, "saatavilla.html#ei-kaytettavissa"},            // not-available weeks
    {156, "paikalliset-tarpeet.html"},                    // local needs
    {157, "esitelman-valinta.html"},                      // talk picker
    {158, "paikalliset-esitelmat.html"},                  // local talks page
    {161, "puhujat-vierailemassa.html"},                  // outgoing speakers page
    {162, "puhujan-valinta.html"},                        // speaker picker
    {164, "paikalliset-esitelmat.html#seurakunnan-haku"}, // congregation finder
    {165, "puheenjohtajat.html"},                         // chairmen page
    {167, "vieraanvaraisuus.html"},                       // hospitality page
    {168, "lukijat.html"},                                // readers page
    {169, "historia.html#esitelmahistoria"},              // talk history
    {170, "historia.html#puhujahistoria"},                // speaker history
    {172, "yhteystiedot.html"},                           // contacts
    {173, "erikoistapahtumat.html"},                      // special events page
    {174, "erikoistapahtumat.html#tapahtuma"},            // event dialog
    {176, "viikkojen-valinta.html"},                      // week range
    {181, "seurakunnan-valinta.html"},                    // congregation choice
    {182, "tuonti.html#tuontiikkuna"},                    // import
    {183, "kartta.html"},                                 // map
    {185, "varmistus.html"},                              // backup and restore

    // Menu commands.
    {32768, "veljet.html"},                         // Muokkaa: Veljet
    {32782, "esitelmat.html"},                      // Muokkaa: Esitelmät
    {32787, "raporttinakyma.html#palaa"},           // Tiedosto: Palaa ohjelmaikkunaan
    {32791, "fontit.html#teksti"},                  // Fonttityyli: Teksti
    {32803, "fontit.html#pieni-teksti"},            // Fonttityyli: Pieni teksti
    {32813, "fontit.html#vakiot"},                  // Fonttityyli: Vakiot
    {32829, "vienti.html"},                         // Tiedosto: Valmista vientitiedosto
    {32844, "seurakunnat.html"},                    // Muokkaa: Seurakunnat
    {32845, "kierrokset.html"},                     // Muokkaa: Kierrokset
    {32848, "oma-seurakunta.html"},                 // Muokkaa: Oma seurakunta
    {32849, "edelliset.html"},                      // Muokkaa: Edelliset
    {32850, "paikalliset-esitelmat.html"},          // Ajoitus: Paikalliset esitelmät
    {32851, "paikalliset-tarpeet.html"},            // Muokkaa: Paikalliset tarpeet
    {32854, "puheenjohtajat.html"},                 // Ajoitus: Puheenjohtajat
    {32855, "vieraanvaraisuus.html"},               // Ajoitus: Vieraanvaraisuus
    {32856, "lukijat.html"},                        // Ajoitus: Lukijat
    {32857, "puhujat-vierailemassa.html"},          // Ajoitus: Puhujat vierailemassa
    {32858, "historia.html#esitelmahistoria"},      // Näytä: Esitelmähistoria
    {32859, "historia.html#puhujahistoria"},        // Näytä: Puhujahistoria
    {32860, "varmistus.html"},                      // Tiedosto: Varmista
    {32861, "palautus.html"},                       // Tiedosto: Palauta
    {32864, "asetukset.html"},                      // Asetukset
    {32865, "saatavilla.html"},                     // Muokkaa: Saatavilla
    {32866, "aikataulu.html"},                      // Näytä: Aikataulu
    {32867, "fontit.html#paivays"},                 // Fonttityyli: Päiväys
    {32868, "fontit.html#aihe"},                    // Fonttityyli: Aihe
    {32869, "fontit.html#esitelmat"},               // Fonttityyli: Esitelmät
    {32870, "fontit.html#puhujat"},                 // Fonttityyli: Puhujat
    {32872, "fontit.html#valiotsikot"},             // Fonttityyli: Väliotsikot
    {32874, "yhteenveto.html"},                     // Ajoitus: Yhteenveto
    {32875, "historia.html#vierailevien"},          // Näytä: Vierailevien esitelmähistoria
    {32876, "tuonti.html"},                         // Tiedosto: Tuo Seurakunnat -tiedosto
    {32877, "puhuja-esitelmat.html"},               // Näytä: Puhuja - Esitelmät
    {32878, "esitelma-puhujat.html"},               // Näytä: Esitelmä - puhujat
    {32880, "esitelmat-vuosittain.html"},           // Näytä: Esitelmät vuosittain
    {32883, "kirjeet.html#muistutus"},              // Sopimukset: reminder
    {32885, "kirjeet.html#kirje"},                  // Sopimukset: letter
    {32887, "sopimukset.html#puhujavaihto"},        // Sopimukset: exchange list
    {32888, "sopimukset.html#veljen-sopimukset"},   // Sopimukset: a local brother's arrangements
    {32890, "sopimukset.html#saapuvat-puhujat"},    // Sopimukset: incoming speakers
    {32891, "sopimukset.html#vierailevat-puhujat"}, // Sopimukset: outgoing speakers
    {32893, "lukijaluettelo.html"},                 // Näytä: Vartiotornin Lukijat
    {32894, "seurantaluettelo.html"},               // Näytä: Paikallisten esitelmien luettelot
    {32895, "paikalliset-puhujat.html"},            // Näytä: Paikallinen puhujat
    {32896, "yhdysmiehet.html"},                    // Näytä: Yhdysmiehet
    {57606, "tulostus.html#tulostimen-asetukset"},  // Tiedosto: printer setup
    {57607, "tulostus.html#tulosta"},               // Tiedosto: Tulosta...
    {57609, "tulostus.html#esikatselu"},            // Tiedosto: Tulostuksen esikatselu
    {57664, "tietoja.html"},                        // Ohje: Yleistä ohjelmasta Orvek...
    {57665, "poistu.html"},                         // Tiedosto: Poistu
    {57666, "index.html"},                          // Ohje: Yhteenveto (contents)
    {57667, "hakemisto.html"},                      // Ohje: Hakemisto
    {57669, "ohje.html#kaytonaikainen"},            // Ohje: Käytönaikainen ohje
};

// Buttons of the main-menu panel, each with the topic of the command it runs
// (a pop-up button: the page that covers all of its commands). Sorted.
constexpr Topic kPanelButtons[] = {
    {109, "seurakunnat.html"},           // Seurakunnat
    {110, "poistu.html"},                // Poistu ohjelmasta
    {114, "veljet.html"},                // Veljet
    {115, "paikalliset-esitelmat.html"}, // Paikalliset esitelmät
    {116, "edelliset.html"},             // Muokkaa edellisiä
    {117, "yhteenveto.html"},            // Yhteenveto
    {118, "kierrokset.html"},            // Kierrokset
    {119, "sopimukset.html"},            // Sopimukset (pop-up)
    {120, "esitelmat.html"},             // Esitelmät
    {121, "oma-seurakunta.html"},        // Oma seurakunta
    {122, "aikataulu.html"},             // Nykyinen aikataulu
    {123, "paikalliset-tarpeet.html"},   // Paikalliset tarpeet
    {124, "puhujat-vierailemassa.html"}, // Puhujat vierailemassa
    {125, "puheenjohtajat.html"},        // Puheenjohtajat
    {126, "vieraanvaraisuus.html"},      // Vieraanvaraisuus
    {127, "lukijat.html"},               // Lukijat
    {128, "kirjeet.html"},               // Puhujien muistutukset (pop-up)
    {129, "historia.html"},              // Historia (pop-up)
    {130, "puhuja-esitelmat.html"},      // Puhuja - esitelmät
    {131, "esitelma-puhujat.html"},      // Esitelmä - Puhujat
    {132, "esitelmat-vuosittain.html"},  // Esitelmät vuosittain
};

// Every file of the guide, sorted.
constexpr std::string_view kFiles[] = {
    "aikataulu.html",
    "ajoitusnakyma.html",
    "asetukset.html",
    "edelliset.html",
    "erikoistapahtumat.html",
    "esitelma-puhujat.html",
    "esitelman-valinta.html",
    "esitelmat-vuosittain.html",
    "esitelmat.html",
    "fontit.html",
    "hakemisto.html",
    "historia.html",
    "index.html",
    "kartta.html",
    "kierrokset.html",
    "kirjeet.html",
    "lukijaluettelo.html",
    "lukijat.html",
    "ohje.html",
    "oma-seurakunta.html",
    "paavalikko.html",
    "paikalliset-esitelmat.html",
    "paikalliset-puhujat.html",
    "paikalliset-tarpeet.html",
    "paikalliset-tehtavat.html",
    "palautus.html",
    "poistu.html",
    "puheenjohtajat.html",
    "puhuja-esitelmat.html",
    "puhujan-valinta.html",
    "puhujat-vierailemassa.html",
    "raporttinakyma.html",
    "saatavilla.html",
    "seurakunnan-valinta.html",
    "seurakunnat.html",
    "seurantaluettelo.html",
    "sopimukset.html",
    "tietoja.html",
    "tulostus.html",
    "tuonti.html",
    "varmistus.html",
    "veljet.html",
    "vienti.html",
    "vieraanvaraisuus.html",
    "viikkojen-valinta.html",
    "yhdysmiehet.html",
    "yhteenveto.html",
    "yhteystiedot.html",
};

template <std::size_t N> constexpr bool sortedById(const Topic (&table)[N]) {
    for (std::size_t i = 1; i < N; ++i) {
        if (table[i - 1].id >= table[i].id) return false;
    }
    return true;
}

constexpr bool filesSorted() {
    for (std::size_t i = 1; i < std::size(kFiles); ++i) {
        if (!(kFiles[i - 1] < kFiles[i])) return false;
    }
    return true;
}

static_assert(sortedById(kTopics), "kTopics must be sorted by id without duplicates");
static_assert(sortedById(kPanelButtons), "kPanelButtons must be sorted by id without duplicates");
static_assert(filesSorted(), "kFiles must be sorted without duplicates");

template <std::size_t N> const Topic* find(const Topic (&table)[N], int id) {
    const auto end = std::end(table);
    const auto it = std::lower_bound(std::begin(table), end, id, [](const Topic& t, int key) { return t.id < key; });
    return it == end || it->id != id ? nullptr : &*it;
}

} // namespace

std::string_view helpTopicFile(int contextId) {
    if (contextId >= kPanelButtonContextBase) {
        const Topic* button = find(kPanelButtons, contextId - kPanelButtonContextBase);
        return button ? button->file : kHelpContentsFile;
    }
    if (const Topic* topic = find(kTopics, contextId)) return topic->file;
    if (const Topic* button = find(kPanelButtons, contextId)) return button->file;
    return kHelpContentsFile;
}

std::vector<std::string_view> helpFiles() { return {std::begin(kFiles), std::end(kFiles)}; }

} // namespace orvek
