#include "resources/Menu.h"

namespace orvek {

const std::vector<MenuTemplate>& mainMenu() {
    static const std::vector<MenuTemplate> menu = {
        {0, "&Tiedosto",
         {
             {57607, "T&ulosta...\tCtrl+P"},
             {57609, "Tulostuksen esi&katselu"},
             {57606, "Tu&lostuksen esikatselu..."},
             {},
             {32829, "Valmista &vientitiedosto"},
             {32876, "&Tuo Seurakunnat -tiedosto"},
             {},
             {0, "&Varmistus ja palautus", {{32860, "Varmista"}, {32861, "Palauta"}}},
             {},
             {32787, "Palaa oh&jelmaikkunaan"},
             {57665, "P&oistu"},
         }},
        {0, "&Muokkaa",
         {
             {32844, "&Seurakunnat"},
             {32768, "&Veljet"},
             {32848, "&Oma seurakunta"},
             {32851, "&Paikalliset tarpeet"},
             {32845, "K&ierrokset"},
             {32782, "&Esitelmät"},
             {32849, "E&delliset"},
             {32865, "&Saatavilla"},
         }},
        {0, "&Ajoitus",
         {
             {32874, "&Yhteenveto"},
             {32850, "P&aikalliset esitelmät"},
             {32854, "&Puheenjohtajat"},
             {32855, "&Vieraanvaraisuus"},
             {32856, "&Lukijat"},
             {32857, "&Puhujat vierailemassa"},
         }},
        {0, "&Näytä",
         {
             {32866, "&Aikataulu"},
             {32877, "Pu&huja - Esitelmät"},
             {32878, "&Esitelmä - puhujat"},
             {32859, "Puhujah&istoria"},
             {32858, "Esitelmähis&toria"},
             {32875, "&Vierailevien esitelmähistoria"},
             {32880, "E&sitelmät vuosittain"},
             {0, "Sopimukset",
              {
                  {32883, "Muistutus verailevalle puhujalle"},
                  {32885, "Kirje saapuvalle puhujalle"},
                  {32887, "Puhuja Vaihto luettelo"},
                  {32888, "Paikallisten veljien sopimukset"},
                  {32890, "Saapuvat puhujat"},
                  {32891, "Luettelo vierailevista puhujista"},
              }},
             {32893, "Vartiotornin &Lukijat"},
             {32894, "Paikallisten esitelm&ien luettelot"},
             {32895, "Pai&kallinen puhujat"},
             {32896, "Yhdysmiehet"},
         }},
        {0, "Fonttityyli",
         {
             {32868, "&Aihe"},
             {32867, "&Päiväys"},
             {32869, "&Esitelmät"},
             {32872, "&Väliotsikot"},
             {32870, "Puhujat"},
             {32791, "Tek&sti"},
             {32803, "Pie&ni teksti"},
             {},
             {32813, "Vakiot"},
         }},
        {32864, "&Asetukset"},
        {0, "&Ohje",
         {
             {57666, "&Yhteenveto"},
             {57667, "&Hakemisto"},
             {57669, "&Käytönaikainen ohje"},
             {},
             {57664, "&Yleistä ohjelmasta Orvek..."},
         }},
    };
    return menu;
}

const std::vector<int>& toolbarCommands() {
    static const std::vector<int> slots = {32787, 0,     32860, 0,     57607, 57609, 0,     32874,
                                           32850, 32854, 32855, 32856, 32857, 0,     32844, 32768,
                                           32782, 32848, 32851, 0,     57664, 57669};
    return slots;
}

const std::vector<Accelerator>& accelerators() {
    static const std::vector<Accelerator> keys = {{57607, "Ctrl+P"}, {57666, "F1"}, {57669, "Shift+F1"}};
    return keys;
}

} // namespace orvek
