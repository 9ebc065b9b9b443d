#include "resources/HelpTopics.h"

#include "resources/DialogTemplate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#ifndef ORVEK_SOURCE_DIR
#error "ORVEK_SOURCE_DIR must name the source folder"
#endif

namespace orvek {
namespace {

namespace fs = std::filesystem;

fs::path helpFolder() { return fs::path(ORVEK_SOURCE_DIR) / "src" / "resources" / "help"; }

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The guide as read from disk: every HTML file with its anchors and links.
struct Guide {
    std::map<std::string, std::string> text;              // file name -> content
    std::map<std::string, std::set<std::string>> anchors; // file name -> name="" / id="" values
};

const Guide& guide() {
    static const Guide g = [] {
        Guide out;
        const std::regex anchor(R"re(\b(?:name|id)\s*=\s*"([^"]+)")re", std::regex::icase);
        for (const auto& entry : fs::directory_iterator(helpFolder())) {
            if (entry.path().extension() != ".html") continue;
            const std::string name = entry.path().filename().string();
            const std::string content = readFile(entry.path());
            auto& set = out.anchors[name];
            for (std::sregex_iterator it(content.begin(), content.end(), anchor), end; it != end; ++it)
                set.insert((*it)[1].str());
            out.text.emplace(name, content);
        }
        return out;
    }();
    return g;
}

std::pair<std::string, std::string> splitTopic(std::string_view topic) {
    const auto hash = topic.find('#');
    if (hash == std::string_view::npos) return {std::string(topic), {}};
    return {std::string(topic.substr(0, hash)), std::string(topic.substr(hash + 1))};
}

// Empty when the topic names an existing file (and anchor); else what is wrong.
// The style sheet every page links.
constexpr const char* kStyleSheet = "ohje.css";

std::string topicProblem(std::string_view topic) {
    const auto [file, anchor] = splitTopic(topic);
    const auto& g = guide();
    if (file.empty()) return "no file in \"" + std::string(topic) + "\"";
    if (!g.text.count(file)) return "missing file " + file;
    if (!anchor.empty() && !g.anchors.at(file).count(anchor)) return "missing anchor " + std::string(topic);
    return {};
}

// Every command of the main window's menu, grouped like the menus.
const std::vector<int>& menuCommands() {
    static const std::vector<int> commands = {
        // Tiedosto (with the pop-up "Varmistus ja palautus")
        57607,
        57609,
        57606,
        32829,
        32876,
        32860,
        32861,
        32787,
        57665,
        // Muokkaa
        32844,
        32768,
        32848,
        32851,
        32845,
        32782,
        32849,
        32865,
        // Ajoitus
        32874,
        32850,
        32854,
        32855,
        32856,
        32857,
        // Näytä (with the pop-up "Sopimukset")
        32866,
        32877,
        32878,
        32859,
        32858,
        32875,
        32880,
        32883,
        32885,
        32887,
        32888,
        32890,
        32891,
        32893,
        32894,
        32895,
        32896,
        // Fonttityyli
        32868,
        32867,
        32869,
        32872,
        32870,
        32791,
        32803,
        32813,
        // Asetukset
        32864,
        // Ohje
        57666,
        57667,
        57669,
        57664,
    };
    return commands;
}

// Dialog templates with a topic of their own.
const std::vector<int>& dialogIds() {
    static const std::vector<int> ids = {100, 122, 123, 126, 131, 136, 139, 141, 143, 144, 145, 146,
                                         147, 148, 149, 154, 156, 157, 158, 161, 162, 164, 165, 167,
                                         168, 169, 170, 172, 173, 174, 176, 181, 182, 183, 185};
    return ids;
}

// The main-menu panel's buttons and the commands each of them runs.
const std::map<int, std::vector<int>>& panelButtons() {
    static const std::map<int, std::vector<int>> buttons = {
        {122, {32866}},
        {130, {32877}},
        {131, {32878}},
        {128, {32883, 32885}},
        {119, {32887, 32888, 32890, 32891}},
        {132, {32880}},
        {129, {32859, 32858, 32875}},
        {117, {32874}},
        {115, {32850}},
        {124, {32857}},
        {125, {32854}},
        {126, {32855}},
        {127, {32856}},
        {109, {32844}},
        {114, {32768}},
        {121, {32848}},
        {123, {32851}},
        {118, {32845}},
        {120, {32782}},
        {116, {32849}},
        {110, {57665}},
    };
    return buttons;
}

TEST(HelpTopics, everyMenuCommandHasAPageThatExists) {
    for (int command : menuCommands()) {
        const std::string_view topic = helpTopicFile(command);
        EXPECT_EQ(topicProblem(topic), "") << "command " << command;
        if (command != 57666) {
            EXPECT_NE(topic, kHelpContentsFile) << "command " << command << " has no topic";
        }
    }
    EXPECT_EQ(helpTopicFile(57666), kHelpContentsFile);
    EXPECT_EQ(helpTopicFile(57667), kHelpIndexFile);
}

TEST(HelpTopics, everyCommandOfTheShellHasAPage) {
    const fs::path header = fs::path(ORVEK_SOURCE_DIR) / "src" / "shell" / "Commands.h";
    if (!fs::exists(header)) GTEST_SKIP() << "src/shell/Commands.h is not there yet";
    const std::string text = readFile(header);
    const std::regex constant(R"re(constexpr\s+int\s+(\w+)\s*=\s*(\d+)\s*;)re");
    const std::set<int> menu(menuCommands().begin(), menuCommands().end());
    int count = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), constant), end; it != end; ++it, ++count) {
        const int command = std::stoi((*it)[2].str());
        EXPECT_TRUE(menu.count(command)) << (*it)[1] << " = " << command << " is not covered by the guide";
        EXPECT_EQ(topicProblem(helpTopicFile(command)), "") << (*it)[1];
    }
    EXPECT_GT(count, 0);
}

TEST(HelpTopics, everyListedDialogHasAPageThatExists) {
    for (int id : dialogIds()) {
        const std::string_view topic = helpTopicFile(id);
        EXPECT_EQ(topicProblem(topic), "") << "dialog " << id;
        EXPECT_NE(topic, kHelpContentsFile) << "dialog " << id << " has no topic";
    }
}

TEST(HelpTopics, panelButtonsShowThePageOfTheirCommand) {
    for (const auto& [button, commands] : panelButtons()) {
        const std::string_view topic = helpTopicFile(panelButtonContext(button));
        EXPECT_EQ(topicProblem(topic), "") << "button " << button;
        for (int command : commands)
            EXPECT_EQ(splitTopic(topic).first, splitTopic(helpTopicFile(command)).first)
                << "button " << button << ", command " << command;
    }
}

TEST(HelpTopics, plainPanelNumbersThatAreNoDialogReadAsButtons) {
    const std::set<int> dialogs(dialogIds().begin(), dialogIds().end());
    for (const auto& [button, commands] : panelButtons()) {
        if (!dialogs.count(button)) {
            EXPECT_EQ(helpTopicFile(button), helpTopicFile(panelButtonContext(button))) << button;
        }
    }
    // Where the numbers meet, the dialog wins.
    EXPECT_EQ(helpTopicFile(122), "seurakunnat.html");
    EXPECT_EQ(helpTopicFile(panelButtonContext(122)), "aikataulu.html");
    EXPECT_EQ(helpTopicFile(123), "asetukset.html");
    EXPECT_EQ(helpTopicFile(panelButtonContext(123)), "paikalliset-tarpeet.html");
}

TEST(HelpTopics, unknownContextsShowTheContents) {
    for (int id : {0, -1, 1, 99, 111, 112, 113, 133, 999, 32769, 40000, 65535, panelButtonContext(0),
                   panelButtonContext(111), panelButtonContext(5000)})
        EXPECT_EQ(helpTopicFile(id), kHelpContentsFile) << id;
}

TEST(HelpTopics, everyLinkLeadsToAnExistingPageAndAnchor) {
    const std::regex href(R"re(\bhref\s*=\s*"([^"]*)")re", std::regex::icase);
    for (const auto& [file, content] : guide().text) {
        int links = 0;
        for (std::sregex_iterator it(content.begin(), content.end(), href), end; it != end; ++it, ++links) {
            const std::string target = (*it)[1].str();
            EXPECT_EQ(target.find(':'), std::string::npos) << file << ": outside link " << target;
            if (target == kStyleSheet) {
                EXPECT_TRUE(fs::exists(helpFolder() / kStyleSheet)) << file;
                continue;
            }
            const std::string resolved = target.front() == '#' ? file + target : target;
            EXPECT_EQ(topicProblem(resolved), "") << file << ": " << target;
        }
        EXPECT_GT(links, 0) << file;
    }
}

TEST(HelpTopics, everyPageLeadsBackToTheContents) {
    for (const auto& [file, content] : guide().text) {
        EXPECT_NE(content.find("href=\"index.html\""), std::string::npos) << file;
        EXPECT_NE(content.find("<title>"), std::string::npos) << file;
        EXPECT_NE(content.find("charset=utf-8"), std::string::npos) << file;
    }
}

TEST(HelpTopics, thePagesAreSelfContained) {
    for (const auto& [file, content] : guide().text) {
        EXPECT_NE(content.find("href=\"ohje.css\""), std::string::npos) << file << " does not use the style sheet";
        // The one outside file a page may use is the guide's style sheet.
        std::string lower = std::regex_replace(content, std::regex(R"re(<link rel="stylesheet" type="text/css" href="ohje\.css">)re"), "");
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        for (const char* banned : {"<script", "<img", "<link", "<iframe", "<object", "src=\"", "url("})
            EXPECT_EQ(lower.find(banned), std::string::npos) << file << " uses " << banned;
    }
}

TEST(HelpTopics, everyFileIsListedAndEveryListedFileExists) {
    const auto files = helpFiles();
    const std::set<std::string_view> listed(files.begin(), files.end());
    EXPECT_EQ(listed.size(), files.size()) << "a file is listed twice";
    for (const auto& [file, content] : guide().text) EXPECT_TRUE(listed.count(file)) << file << " is not listed";
    for (std::string_view file : files) EXPECT_TRUE(guide().text.count(std::string(file))) << file << " is missing";
    EXPECT_TRUE(listed.count(kHelpContentsFile));
    EXPECT_TRUE(listed.count(kHelpIndexFile));
}

TEST(HelpTopics, fileNamesArePlainLowerCaseAscii) {
    for (const auto& entry : fs::directory_iterator(helpFolder())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(entry.path().extension() == ".html" || name == kStyleSheet)
            << name << " does not belong in the guide's folder";
        for (char c : name)
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.') << name;
    }
}

TEST(HelpTopics, pagesAreValidUtf8) {
    for (const auto& [file, content] : guide().text) {
        std::size_t i = 0;
        bool ok = true;
        while (ok && i < content.size()) {
            const auto b = static_cast<unsigned char>(content[i]);
            std::size_t len = b < 0x80             ? 1
                              : (b & 0xE0) == 0xC0 ? 2
                              : (b & 0xF0) == 0xE0 ? 3
                              : (b & 0xF8) == 0xF0 ? 4
                                                   : 0;
            if (len == 0 || i + len > content.size()) ok = false;
            for (std::size_t k = 1; ok && k < len; ++k)
                ok = (static_cast<unsigned char>(content[i + k]) & 0xC0) == 0x80;
            i += len;
        }
        EXPECT_TRUE(ok) << file << " at byte " << i;
    }
}

TEST(HelpTopics, dialogTemplatesNameExistingTopics) {
    for (const DialogTemplate* t : allDialogTemplates()) {
        EXPECT_EQ(topicProblem(helpTopicFile(t->id)), "") << "template " << t->id;
    }
}

} // namespace
} // namespace orvek
