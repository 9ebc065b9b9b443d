#pragma once

// Finnish names, places and texts from which `orvek-cli demo` builds its data.
// Plain data, no logic; every text fits the record field it goes into.

#include <array>
#include <string_view>

namespace orvek::demodata {

// Men's first names (at most 18 characters).
inline constexpr std::string_view kFirstNames[] = {
    "Aapo",   "Aarne",    "Aaro",     "Aatu",    "Ahti",   "Aki",     "Aleksi", "Alpo",     "Anssi",  "Antero",
    "Antti",  "Ari",      "Arto",     "Arttu",   "Arvo",   "Asko",    "Atte",   "Eemeli",   "Eero",   "Eetu",
    "Eino",   "Elias",    "Erkki",    "Esa",     "Esko",   "Hannu",   "Harri",  "Heikki",   "Henri",  "Ilari",
    "Ilkka",  "Ilmari",   "Ismo",     "Jaakko",  "Jani",   "Janne",   "Jari",   "Jarkko",   "Jarmo",  "Jere",
    "Joel",   "Johannes", "Joni",     "Joona",   "Joonas", "Jorma",   "Jouko",  "Jouni",    "Juha",   "Juhani",
    "Juho",   "Jukka",    "Jussi",    "Jyrki",   "Kai",    "Kalervo", "Kalle",  "Kari",     "Kasper", "Kauko",
    "Keijo",  "Kimmo",    "Kristian", "Kyösti",  "Lasse",  "Lauri",   "Leevi",  "Leo",      "Markku", "Marko",
    "Martti", "Matias",   "Matti",    "Mauri",   "Mika",   "Mikael",  "Mikko",  "Miro",     "Niilo",  "Niko",
    "Nuutti", "Olavi",    "Olli",     "Onni",    "Oskari", "Otto",    "Paavo",  "Pasi",     "Pauli",  "Pekka",
    "Pentti", "Pertti",   "Petri",    "Petteri", "Raimo",  "Rasmus",  "Reijo",  "Reino",    "Risto",  "Sakari",
    "Sami",   "Samuli",   "Santeri",  "Seppo",   "Simo",   "Tapani",  "Tapio",  "Tero",     "Teemu",  "Timo",
    "Toivo",  "Tomi",     "Tommi",    "Toni",    "Topi",   "Tuomas",  "Tuomo",  "Unto",     "Urho",   "Valtteri",
    "Veikko", "Veli",     "Vesa",     "Ville",   "Väinö",  "Yrjö",    "Eelis",  "Benjamin",
};

// Women's first names, for the hospitality households.
inline constexpr std::string_view kWomenNames[] = {
    "Aila",    "Anneli", "Anna",  "Eeva",  "Elina",    "Hanna", "Heidi", "Helena", "Johanna", "Kaisa", "Laura",
    "Leena",   "Liisa",  "Maija", "Marja", "Marjatta", "Minna", "Päivi", "Pirjo",  "Riitta",  "Sari",  "Satu",
    "Sinikka", "Sirpa",  "Tiina", "Tuula", "Ulla",     "Outi",  "Katja", "Noora",  "Emilia",  "Sanna",
};

// Last names (at most 18 characters).
inline constexpr std::string_view kLastNames[] = {
    "Aalto",     "Aaltonen",   "Ahokas",       "Ahola",     "Ahonen",    "Alanen",      "Anttila",      "Aro",
    "Eklund",    "Eloranta",   "Eskelinen",    "Forsman",   "Haapala",   "Haapanen",    "Hakala",       "Hakkarainen",
    "Halonen",   "Hannula",    "Harju",        "Heikkilä",  "Heikkinen", "Heino",       "Heinonen",     "Helin",
    "Hiltunen",  "Hirvonen",   "Hokkanen",     "Holmberg",  "Honkanen",  "Huhtala",     "Huttunen",     "Hyvärinen",
    "Hyvönen",   "Hämäläinen", "Häkkinen",     "Ikonen",    "Immonen",   "Jaakkola",    "Jokela",       "Jokinen",
    "Juntunen",  "Jussila",    "Jääskeläinen", "Järvelä",   "Järvinen",  "Kallio",      "Karhu",        "Karjalainen",
    "Karppinen", "Kauppinen",  "Keränen",      "Kettunen",  "Kinnunen",  "Kivelä",      "Kivimäki",     "Kiviniemi",
    "Koivisto",  "Koivula",    "Koivunen",     "Kokkonen",  "Korhonen",  "Korpela",     "Koskela",      "Koski",
    "Koskinen",  "Kukkonen",   "Kurki",        "Kuusela",   "Kuusisto",  "Kärkkäinen",  "Laakso",       "Laaksonen",
    "Lahti",     "Lahtinen",   "Laine",        "Laitinen",  "Lampinen",  "Lappalainen", "Lassila",      "Laurila",
    "Lehtinen",  "Lehto",      "Lehtonen",     "Leino",     "Leinonen",  "Lepistö",     "Leppänen",     "Lindberg",
    "Lindholm",  "Lindqvist",  "Lindroos",     "Lundqvist", "Luoma",     "Manninen",    "Markkanen",    "Mattila",
    "Miettinen", "Mikkola",    "Mikkonen",     "Moilanen",  "Mustonen",  "Mäkelä",      "Mäki",         "Mäkinen",
    "Nevala",    "Niemelä",    "Niemi",        "Nieminen",  "Niskanen",  "Nurmi",       "Nurminen",     "Nykänen",
    "Nyman",     "Nyström",    "Ojala",        "Oksanen",   "Paananen",  "Pakarinen",   "Parkkinen",    "Partanen",
    "Pelkonen",  "Peltola",    "Peltonen",     "Pesonen",   "Pietilä",   "Pitkänen",    "Pulkkinen",    "Puustinen",
    "Rantala",   "Rantanen",   "Rautio",       "Repo",      "Riihimäki", "Rinne",       "Ruotsalainen", "Räsänen",
    "Räty",      "Saarela",    "Saari",        "Saarinen",  "Salminen",  "Salo",        "Salonen",      "Savolainen",
    "Seppälä",   "Seppänen",   "Sirviö",       "Sjöberg",   "Soini",     "Suominen",    "Tamminen",     "Tanskanen",
    "Tiainen",   "Toivanen",   "Toivonen",     "Tuominen",  "Turunen",   "Tuovinen",    "Uotila",       "Vainio",
    "Valtonen",  "Vesterinen", "Viitanen",     "Virta",     "Virtanen",  "Vuorinen",    "Väisänen",     "Väänänen",
    "Ylinen",    "Ylönen",     "Aho",          "Backman",   "Ekholm",    "Hellström",   "Hietala",      "Hiltula",
    "Kangas",    "Kantola",    "Kemppainen",   "Kokko",     "Kontio",    "Kulmala",     "Lahtela",      "Lehmusvaara",
    "Määttä",    "Nousiainen", "Oinonen",      "Pajunen",   "Perälä",    "Rautiainen",  "Rissanen",     "Sallinen",
    "Tikkanen",  "Tolonen",    "Autio",        "Huovinen",  "Kivinen",   "Leskinen",    "Pasanen",
};

// Street names for homes and Kingdom Halls.
inline constexpr std::string_view kStreets[] = {
    "Rauhankatu",     "Koulukatu",     "Puistokatu",  "Kirkkokatu", "Rantatie",         "Koivukuja",     "Mäntytie",
    "Kuusitie",       "Pihlajatie",    "Tehtaankatu", "Asemakatu",  "Kauppakatu",       "Sepänkatu",     "Myllytie",
    "Peltotie",       "Niittytie",     "Kotikatu",    "Harjutie",   "Kalliotie",        "Metsätie",      "Lehtotie",
    "Vanha valtatie", "Teollisuustie", "Ahjokatu",    "Kaivokatu",  "Satamakatu",       "Isokatu",       "Koulutie",
    "Kirkkotie",      "Urheilutie",    "Jokikatu",    "Ojakatu",    "Lampitie",         "Järvitie",      "Kaarikatu",
    "Rinnekatu",      "Tähtitie",      "Haapatie",    "Lepikkotie", "Vaahterakuja",     "Tuomikuja",     "Katajatie",
    "Pajukuja",       "Kanervatie",    "Kielotie",    "Ruusutie",   "Sammalkuja",       "Kiviportintie", "Hakatie",
    "Mäkikatu",       "Sahatie",       "Pappilantie", "Torikatu",   "Nuottakuja",       "Verkkotie",     "Pursikatu",
    "Kartanontie",    "Honkatie",      "Kuohukuja",   "Aittakuja",  "Tiilitehtaankatu", "Lähteentie",    "Tupakuja",
    "Riihitie",
};

// Districts that give the congregations of one town their names.
inline constexpr std::string_view kGenericDistricts[] = {
    "Keskusta", "Itä",    "Länsi", "Pohjoinen",  "Etelä", "Koillinen",
    "Kaakko",   "Lounas", "Luode", "Kirkonkylä", "Asema", "Ranta",
};

struct Town {
    int region; // index in kRegionNames
    std::string_view name;
    int postalCode;             // the lowest postal code of the town
    int postalSpread;           // further codes in steps of 10 (0: the town has one code)
    std::string_view areaCode;  // landline area code
    std::string_view districts; // "|"-separated districts of a larger town, or empty
};

// Regions in geographical order (neighbouring regions are neighbours here);
// a region's name is also the base of its circuits' names.
inline constexpr std::string_view kRegionNames[] = {
    "Pirkanmaa",         "Kanta-Häme",      "Päijät-Häme",  "Kymenlaakso",     "Etelä-Karjala",
    "Etelä-Savo",        "Pohjois-Karjala", "Pohjois-Savo", "Keski-Suomi",     "Pohjanmaa",
    "Pohjois-Pohjanmaa", "Lappi",           "Satakunta",    "Varsinais-Suomi", "Uusimaa",
};

inline constexpr Town kTowns[] = {
    {0, "Tampere", 33100, 80, "03", "Hervanta|Kaleva|Lielahti|Tesoma|Pyynikki|Hatanpää"},
    {0, "Nokia", 37100, 12, "03", ""},
    {0, "Ylöjärvi", 33470, 3, "03", ""},
    {0, "Kangasala", 36200, 4, "03", ""},
    {0, "Lempäälä", 37500, 6, "03", ""},
    {0, "Valkeakoski", 37600, 6, "03", ""},
    {0, "Sastamala", 38200, 2, "03", ""},
    {0, "Orivesi", 35300, 0, "03", ""},
    {1, "Hämeenlinna", 13100, 20, "03", "Hämeensaari|Katinen|Jukola"},
    {1, "Forssa", 30100, 4, "03", ""},
    {1, "Riihimäki", 11100, 12, "019", ""},
    {1, "Janakkala", 14200, 0, "03", ""},
    {1, "Hattula", 13880, 0, "03", ""},
    {1, "Loppi", 12700, 0, "019", ""},
    {1, "Tammela", 31300, 0, "03", ""},
    {2, "Lahti", 15100, 80, "03", "Mukkula|Kivimaa|Liipola|Ahtiala"},
    {2, "Heinola", 18100, 3, "03", ""},
    {2, "Orimattila", 16300, 0, "03", ""},
    {2, "Hollola", 15870, 0, "03", ""},
    {2, "Asikkala", 17200, 0, "03", ""},
    {2, "Nastola", 15560, 0, "03", ""},
    {3, "Kouvola", 45100, 30, "05", "Kuusankoski|Valkeala"},
    {3, "Kotka", 48100, 40, "05", "Karhula|Langinkoski"},
    {3, "Hamina", 49400, 0, "05", ""},
    {3, "Pyhtää", 49220, 0, "05", ""},
    {3, "Miehikkälä", 49700, 0, "05", ""},
    {4, "Lappeenranta", 53100, 80, "05", "Sammonlahti|Lauritsala|Skinnarila"},
    {4, "Imatra", 55100, 60, "05", "Vuoksenniska|Mansikkala"},
    {4, "Parikkala", 59100, 0, "05", ""},
    {4, "Joutseno", 54100, 0, "05", ""},
    {4, "Ruokolahti", 56100, 0, "05", ""},
    {5, "Mikkeli", 50100, 50, "015", "Rantakylä|Tuppurala"},
    {5, "Savonlinna", 57100, 50, "015", "Kellarpelto"},
    {5, "Pieksämäki", 76100, 0, "015", ""},
    {5, "Juva", 51900, 0, "015", ""},
    {5, "Mäntyharju", 52700, 0, "015", ""},
    {6, "Joensuu", 80100, 80, "013", "Rantakylä|Niinivaara|Karsikko"},
    {6, "Lieksa", 81700, 0, "013", ""},
    {6, "Kitee", 82500, 0, "013", ""},
    {6, "Nurmes", 75500, 0, "013", ""},
    {6, "Outokumpu", 83500, 0, "013", ""},
    {6, "Kontiolahti", 81100, 0, "013", ""},
    {7, "Kuopio", 70100, 80, "017", "Petonen|Neulamäki|Puijonlaakso|Jynkkä"},
    {7, "Iisalmi", 74100, 3, "017", ""},
    {7, "Varkaus", 78200, 20, "017", ""},
    {7, "Siilinjärvi", 71800, 0, "017", ""},
    {7, "Suonenjoki", 77600, 0, "017", ""},
    {7, "Leppävirta", 79100, 0, "017", ""},
    {8, "Jyväskylä", 40100, 85, "014", "Kuokkala|Vaajakoski|Keljo|Huhtasuo"},
    {8, "Jämsä", 42100, 0, "014", ""},
    {8, "Äänekoski", 44100, 0, "014", ""},
    {8, "Laukaa", 41340, 0, "014", ""},
    {8, "Keuruu", 42700, 0, "014", ""},
    {8, "Saarijärvi", 43100, 0, "014", ""},
    {8, "Viitasaari", 44500, 0, "014", ""},
    {9, "Vaasa", 65100, 80, "06", "Gerby|Huutoniemi|Vanha Vaasa"},
    {9, "Seinäjoki", 60100, 40, "06", "Kasperi|Törnävä"},
    {9, "Kokkola", 67100, 50, "06", "Koivuhaka"},
    {9, "Pietarsaari", 68600, 20, "06", ""},
    {9, "Lapua", 62100, 0, "06", ""},
    {9, "Kauhajoki", 61800, 0, "06", ""},
    {9, "Kurikka", 61300, 0, "06", ""},
    {9, "Alavus", 63300, 0, "06", ""},
    {10, "Oulu", 90100, 84, "08", "Tuira|Kaukovainio|Kaakkuri|Haukipudas|Kiiminki"},
    {10, "Raahe", 92100, 0, "08", ""},
    {10, "Kuusamo", 93600, 0, "08", ""},
    {10, "Ylivieska", 84100, 0, "08", ""},
    {10, "Kempele", 90440, 0, "08", ""},
    {10, "Kajaani", 87100, 40, "08", "Lehtikangas"},
    {10, "Nivala", 85500, 0, "08", ""},
    {10, "Liminka", 91900, 0, "08", ""},
    {11, "Rovaniemi", 96100, 80, "016", "Ounasrinne|Saarenkylä"},
    {11, "Kemi", 94100, 30, "016", ""},
    {11, "Tornio", 95400, 20, "016", ""},
    {11, "Kemijärvi", 98100, 0, "016", ""},
    {11, "Sodankylä", 99600, 0, "016", ""},
    {11, "Ivalo", 99800, 0, "016", ""},
    {12, "Pori", 28100, 80, "02", "Ruosniemi|Väinölä|Meri-Pori"},
    {12, "Rauma", 26100, 20, "02", ""},
    {12, "Ulvila", 28400, 0, "02", ""},
    {12, "Harjavalta", 29200, 0, "02", ""},
    {12, "Kankaanpää", 38700, 0, "02", ""},
    {12, "Huittinen", 32700, 0, "02", ""},
    {12, "Eura", 27510, 0, "02", ""},
    {13, "Turku", 20100, 80, "02", "Varissuo|Runosmäki|Hirvensalo|Nummi|Pansio"},
    {13, "Salo", 24100, 60, "02", "Halikko"},
    {13, "Raisio", 21200, 0, "02", ""},
    {13, "Kaarina", 20780, 0, "02", ""},
    {13, "Naantali", 21100, 0, "02", ""},
    {13, "Uusikaupunki", 23500, 0, "02", ""},
    {13, "Loimaa", 32200, 0, "02", ""},
    {13, "Parainen", 21600, 0, "02", ""},
    {14, "Helsinki", 100, 89, "09", "Kallio|Itäkeskus|Malmi|Vuosaari|Kontula|Herttoniemi|Pasila|Munkkiniemi"},
    {14, "Espoo", 2100, 88, "09", "Tapiola|Leppävaara|Matinkylä|Espoonlahti|Espoonkeskus"},
    {14, "Vantaa", 1300, 47, "09", "Tikkurila|Myyrmäki|Hakunila|Korso"},
    {14, "Kerava", 4200, 3, "09", ""},
    {14, "Järvenpää", 4400, 4, "09", ""},
    {14, "Porvoo", 6100, 50, "019", "Kevätkumpu"},
    {14, "Lohja", 8100, 50, "019", "Virkkala"},
    {14, "Hyvinkää", 5800, 40, "019", "Paavola"},
};

// Free notes of a brother's extension record (at most 45 characters).
inline constexpr std::string_view kNotes[] = {
    "Soita mieluiten iltaisin",
    "Ei autoa, tarvitsee kyydin",
    "Puhuu myös ruotsia",
    "Allergia: kissat",
    "Vain viikonloppuisin",
    "Vuorotyö, kysy ajoissa",
    "Ilmoita muutoksista tekstiviestillä",
    "Kotona vain kesäisin",
    "Tulkkaa viittomakielelle",
    "Ajaa pitkiäkin matkoja",
    "Vastaa sähköpostiin nopeasti",
    "Ei aamupäivisin",
    "Ruokavalio: gluteeniton",
    "Ota yhteyttä vaimon kautta",
};

// Public talk themes of circuit overseer visits (at most 94 characters).
inline constexpr std::string_view kOverseerThemes[] = {
    "Pysykää hengellisesti valveilla",    "Luottakaa Jehovaan kaikessa mitä teette",
    "Kenen ääntä sinä kuuntelet?",        "Rakkaus yhdistää meidät",
    "Pysy lujana uskossa koetuksissakin", "Iloitse toivossa, jonka Jumala antaa",
};

// Themes of conventions.
inline constexpr std::string_view kConventionThemes[] = {
    "Iloitkaa aina!",          "Pysykää lujina uskossa", "Rauhaa etsien",
    "Kestävyys tuo palkinnon", "Toivo, joka ei petä",    "Vahvoja rakkaudessa",
};

} // namespace orvek::demodata
