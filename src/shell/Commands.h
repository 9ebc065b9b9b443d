#pragma once

// Command numbers shared by the menu, the toolbar and the main-menu panel.
namespace orvek::cmd {

// File
constexpr int print = 57607;
constexpr int printPreview = 57609;
constexpr int printSetup = 57606;
constexpr int exportFile = 32829;
constexpr int importFile = 32876;
constexpr int backup = 32860;
constexpr int restore = 32861;
constexpr int mainMenu = 32787;
constexpr int exitApp = 57665;
// Edit
constexpr int congregations = 32844;
constexpr int brothers = 32768;
constexpr int ownCongregation = 32848;
constexpr int localNeeds = 32851;
constexpr int circuits = 32845;
constexpr int talks = 32782;
constexpr int editPrevious = 32849;
constexpr int availability = 32865;
// Scheduling
constexpr int summary = 32874;
constexpr int localTalks = 32850;
constexpr int chairmen = 32854;
constexpr int hospitality = 32855;
constexpr int readers = 32856;
constexpr int outgoing = 32857;
// View
constexpr int viewSchedule = 32866;
constexpr int viewSpeakerTalks = 32877;
constexpr int viewTalkSpeakers = 32878;
constexpr int speakerHistory = 32859;
constexpr int talkHistory = 32858;
constexpr int visitingHistory = 32875;
constexpr int talksByYear = 32880;
constexpr int reminder = 32883;
constexpr int letter = 32885;
constexpr int exchangeList = 32887;
constexpr int localArrangements = 32888;
constexpr int incomingList = 32890;
constexpr int outgoingList = 32891;
constexpr int readerList = 32893;
constexpr int workbook = 32894;
constexpr int localSpeakers = 32895;
constexpr int coordinators = 32896;
// Font style
constexpr int fontTitle = 32868;
constexpr int fontDate = 32867;
constexpr int fontTalks = 32869;
constexpr int fontHeadings = 32872;
constexpr int fontSpeakers = 32870;
constexpr int fontText = 32791;
constexpr int fontSmall = 32803;
constexpr int fontDefaults = 32813;
// Settings
constexpr int settings = 32864;
// Help
constexpr int helpContents = 57666;
constexpr int helpIndex = 57667;
constexpr int contextHelp = 57669;
constexpr int about = 57664;

} // namespace orvek::cmd
