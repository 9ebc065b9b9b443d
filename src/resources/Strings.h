#pragma once

// Names for the string-table entries the code refers to. Entries below 40000
// keep the numbers of the string table the data files and settings were
// designed with; 50000 and up are texts of this program without a historic
// number.
namespace orvek::sid {

constexpr int mainTitle = 2;
constexpr int firstMonthName = 3;         // 3..14
constexpr int firstTalkTitle = 400;       // 400 + talk number
constexpr int firstTopicName = 701;       // 701..710
constexpr int nameExists = 1006;          // "nimi on jo olemassa."
constexpr int replaceWithNew = 1007;      // "Korvaa uusilla tiedoilla?"
constexpr int talkWord = 1041;            // "Esitelmä"
constexpr int congregationWord = 1057;    // "Seurakunta" (also a settings section)
constexpr int firstNumericMonth = 1215;   // 1215..1226
constexpr int scheduleTitleDefault = 1122;
constexpr int noCongregation = 1194;      // "* Ei Seurakunta"
constexpr int languageTag = 1198;         // "finnish"
constexpr int fileWriteFailed = 1231;
constexpr int iniFileName = 1251;         // "orvek.ini"
constexpr int firstWeekdayName = 1252;    // 1252..1258
constexpr int legacyExtensionName = 1287; // "extend.dat"

// Words, captions and messages of the reference-data dialogs.
constexpr int brothersWord = 1015;        // "Veljet"
constexpr int chooseX = 1021;             // "Valitse %1"
constexpr int changeX = 1030;             // "Vaihda %1"
constexpr int outgoingSpeakersCaption = 1031; // "Vierailevat puhujat"
constexpr int chairmenCaption = 1032;     // "Puheenjohtajat"
constexpr int readersCaption = 1033;      // "Lukijat"
constexpr int speakerWord = 1036;         // "Puhuja"
constexpr int visitingSpeakerWord = 1037; // "Vieraileva puhuja"
constexpr int chooseSpeaker = 1046;       // "Valitse puhuja"
constexpr int showChooseTalks = 1049;     // "Näytä / valitse esitelmät"
constexpr int allCircuits = 1071;         // "Kaikki kierrokset"
constexpr int okWord = 1084;              // "OK"
constexpr int unavailableInWeek = 1097;   // "* Ei käytettävissä - %1"
constexpr int closeWord = 1131;           // "Sulje"
constexpr int hospitalityWord = 1192;     // "Vieraanvaraisuus"
constexpr int cancelWord = 1260;          // "Peruuta"
constexpr int servantAbbreviation = 1272; // "MS"
constexpr int untilFurtherNotice = 1300;  // "Ei käytettävissä toistaiseksi"

// Settings sections and keys.
constexpr int keyDayFirst = 1034;
constexpr int keyReaders = 1042;
constexpr int sectionScheduleFormat = 1120;
constexpr int keyTitle = 1121;
constexpr int keyBars = 1132;
constexpr int keyPrintReaders = 1143;
constexpr int keyHideTalkNumbers = 1171;
constexpr int keyPrintDate = 1176;
constexpr int keyTopMargin = 1183;
constexpr int keyHospitality = 1192;
constexpr int keyHideOutgoing = 1195;
constexpr int sectionDial = 1241;         // "Soita %1"
constexpr int keyEnabled = 1265;          // "Käytössä"
constexpr int keyLeftMargin = 1273;

// Texts of this program.
constexpr int positionZeroRefused = 50001;
constexpr int tableFull = 50002;
constexpr int moveBrotherQuestion = 50003;
constexpr int folderLocked = 50004;
constexpr int folderUnusable = 50005;
// The Qt layer: typing refusal, names and buttons of the standard windows, help.
constexpr int charNotStorable = 50010;    // %1 = the refused character
constexpr int programName = 50011;        // caption of message boxes without one
constexpr int buttonOk = 50012;
constexpr int buttonCancel = 50013;
constexpr int buttonYes = 50014;
constexpr int buttonNo = 50015;
constexpr int helpWindowTitle = 50016;
constexpr int helpBack = 50017;
constexpr int helpForward = 50018;
constexpr int helpContentsButton = 50019;
constexpr int helpIndexButton = 50020;
constexpr int helpPageMissing = 50021;    // %1 = the page
constexpr int contextHelpPrompt = 50022;  // status text while context help waits for a click
constexpr int dataOption = 50023;         // the --data option of the program
constexpr int dataOptionValue = 50024;

// Texts of the reference-data leaf dialogs.
constexpr int addHostButton = 50100;
constexpr int nameAfterTilde = 50101;
constexpr int talkListEditCaption = 50103;
constexpr int addNewTalk = 50104;
constexpr int freeTalkNumber = 50105;
constexpr int showListButton = 50106;
constexpr int talkCountSuffix = 50107;
constexpr int editListButton = 50108;
constexpr int noFreeTalkNumber = 50109;
constexpr int chooseTopics = 50110;
constexpr int talkNumberMissing = 50111;
constexpr int contactsCoordinatorCaption = 50112;
constexpr int dialFailed = 50113;
constexpr int pictureErrorCaption = 50114;
constexpr int pictureNoMemory = 50115;
constexpr int pictureNotFound = 50116;
constexpr int copyMapQuestion = 50117;
constexpr int replaceMapQuestion = 50118;
constexpr int mapNameTooLong = 50119;
constexpr int mapNameUnstorable = 50120;

// Texts of the reference-data dialogs.
constexpr int coordinatorWord = 50200;       // "Vanhimmiston koordinaattori"
constexpr int talkCoordinatorWord = 50201;   // "Yhdysmies"
constexpr int secretaryWord = 50202;         // "Sihteeri-"
constexpr int circuitWord = 50203;           // "Kierros"
constexpr int enterCongregationName = 50204; // "Ole hyvä ja lisää seurakunnan nimi "
constexpr int confirmDelete = 50205;         // "Haluatko varmasti poistaa %1?"
constexpr int pickSpeakerOf = 50206;         // "Poimi puhuja  " + the congregation
constexpr int clickUnavailableDays = 50207;  // "napsauta Ei käytettävissä päivät"
constexpr int availableAlways = 50208;       // "Käytettävissä kaikkina aikoina"
constexpr int chooseButton = 50209;          // "&Valitse"
constexpr int cancelButton = 50210;          // "&Peruuta"
constexpr int newSpeakerButton = 50211;      // "&Uusi puhuja"
constexpr int chooseWord = 50212;            // "Valitse"
constexpr int chairmanRoleName = 50215;      // "puheenjohtaja" (brother list, role 6)
constexpr int readerRoleName = 50216;        // "lukija" (brother list, role 7)
constexpr int enterLastName = 50217;         // the brother form's empty last name

} // namespace orvek::sid
