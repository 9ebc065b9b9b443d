#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/Host.h"
#include "platform/RecordingCanvas.h"

namespace orvek {

// A scripted host for tests. Message boxes and choosers take queued answers
// (a message box without one takes its default button; a chooser without
// one is cancelled), child dialogs run the script queued for their class
// (or close as Cancel), and everything shown is recorded.
class TestHost : public Host {
public:
    struct ShownDialog {
        int templateId;
        std::string caption;
        int result;
    };
    struct PrintedDocument {
        std::string name;
        std::vector<RecordingCanvas> pages;
        bool finished = false;
    };

    // ---- Dialog under test ----
    // Attaches a dialog and runs its onInit, without a modal loop.
    void open(Dialog& dialog);

    // ---- Message boxes ----
    int messageBox(const MessageBoxSpec& spec) override;
    void answer(int id) { answers_.push_back(id); }
    const std::vector<MessageBoxSpec>& messages() const { return messages_; }
    std::string lastMessage() const { return messages_.empty() ? std::string() : messages_.back().text; }
    void clearMessages() { messages_.clear(); }
    std::size_t pendingAnswers() const { return answers_.size(); }

    // ---- Child dialogs ----
    // The next child dialog of class T runs `script` (which drives it and
    // usually ends it); a child that has not ended afterwards closes as Cancel.
    template <class T, class F>
    void onChild(F script) {
        scripts_.push_back({[](Dialog& d) { return dynamic_cast<T*>(&d) != nullptr; },
                            [script](Dialog& d) { script(static_cast<T&>(d)); }});
    }
    int runDialog(Dialog& dialog) override;
    const std::vector<ShownDialog>& dialogsShown() const { return shown_; }
    std::size_t pendingScripts() const { return scripts_.size(); }

    // ---- Menus and choosers ----
    int popupMenu(const std::vector<MenuItem>& items, Point at, const Dialog* owner) override;
    void answerMenu(int command) { menuAnswers_.push_back(command); }
    const std::vector<std::vector<MenuItem>>& menusShown() const { return menus_; }

    std::optional<std::filesystem::path> chooseFile(const OpenFileSpec& spec) override;
    void answerFile(std::optional<std::filesystem::path> p) { fileAnswers_.push_back(std::move(p)); }
    const std::vector<OpenFileSpec>& fileChoosersShown() const { return fileChoosers_; }
    std::optional<std::filesystem::path> chooseFolder(const std::string& title,
                                                      const std::filesystem::path& start) override;
    void answerFolder(std::optional<std::filesystem::path> p) { folderAnswers_.push_back(std::move(p)); }
    std::optional<Colour> chooseColour(Colour initial) override;
    void answerColour(std::optional<Colour> c) { colourAnswers_.push_back(c); }
    std::optional<FontSpec> chooseFont(const FontSpec& initial, const std::string& caption) override;
    void answerFont(std::optional<FontSpec> f) { fontAnswers_.push_back(std::move(f)); }

    // ---- Clipboard, dialling, help, status ----
    bool setClipboardText(const std::string& text) override;
    void emptyClipboard() override { clipboard.reset(); }
    std::optional<std::string> clipboard;
    bool clipboardWorks = true;

    bool dial(const std::string& number, const std::string& calledParty) override;
    std::vector<std::pair<std::string, std::string>> dialled;
    bool dialWorks = true;

    void showHelpContents() override { helpShown.push_back(-1); }
    void showHelpIndex() override { helpShown.push_back(-2); }
    void showHelpTopic(int contextId) override { helpShown.push_back(contextId); }
    std::vector<int> helpShown; // -1 contents, -2 index

    void setStatusText(int pane, const std::string& text) override { status[pane] = text; }
    std::map<int, std::string> status;
    bool pumpMessages() override {
        ++pumps;
        return true;
    }
    int pumps = 0;

    // ---- Pictures and printing ----
    // Bytes beginning with the JPEG mark FF D8 decode to a picture of
    // pictureSize; anything else is not a picture.
    std::shared_ptr<Picture> decodePicture(const std::vector<std::uint8_t>& bytes) override;
    Size pictureSize{640, 480};

    bool hasDefaultPrinter() override { return hasPrinter; }
    std::unique_ptr<PrintJob> beginPrint(const std::string& documentName, bool askUser) override;
    bool hasPrinter = true;
    std::deque<PrintedDocument> printed;

private:
    std::deque<int> answers_;
    std::vector<MessageBoxSpec> messages_;
    struct Script {
        std::function<bool(Dialog&)> matches;
        std::function<void(Dialog&)> run;
    };
    std::deque<Script> scripts_;
    std::vector<ShownDialog> shown_;
    std::deque<int> menuAnswers_;
    std::vector<std::vector<MenuItem>> menus_;
    std::deque<std::optional<std::filesystem::path>> fileAnswers_;
    std::vector<OpenFileSpec> fileChoosers_;
    std::deque<std::optional<std::filesystem::path>> folderAnswers_;
    std::deque<std::optional<Colour>> colourAnswers_;
    std::deque<std::optional<FontSpec>> fontAnswers_;
};

} // namespace orvek
