#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace orvek {

class Dialog;

// Dialog and message-box results.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Information, Warning, Error, Question };

struct MessageBoxSpec {
    std::string text;
    std::string caption; // empty: the program's name
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    int defaultButton = 0; // IDOK, IDCANCEL, IDYES or IDNO; 0 = the first button
};

struct MenuItem {
    int command = 0;   // 0 = separator
    std::string text;
    bool enabled = true;
};

struct OpenFileSpec {
    std::string title;
    std::string filterName;   // e.g. "Seurakunnan karttatiedostot (.JPG)"
    std::string pattern;      // e.g. "*.jpg"
    std::filesystem::path startFolder;
    bool mustExist = true;
};

// One print job: pages drawn on the job's canvas.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual Canvas& canvas() = 0;
    virtual bool startPage() = 0;
    virtual bool endPage() = 0;
    // Ends the document; false when the job failed.
    virtual bool finish() = 0;
};

// Everything the program asks of the outside world: message boxes, modal
// dialogs, menus, choosers, clipboard, dialling, help, printing, pictures
// and the status bar. Dialog models and the document reach the platform only
// through it; the Qt host implements it with widgets, tests with scripts.
class Host {
public:
    virtual ~Host() = default;

    // A modal message box; returns IDOK, IDCANCEL, IDYES or IDNO.
    virtual int messageBox(const MessageBoxSpec& spec) = 0;
    // Runs a dialog modally (attaching it and running its onInit first);
    // returns its result.
    virtual int runDialog(Dialog& dialog);
    // A pop-up menu at a point of the screen (relative to the dialog of
    // `owner` when given); returns the chosen command or 0.
    virtual int popupMenu(const std::vector<MenuItem>& items, Point at, const Dialog* owner = nullptr);
    virtual std::optional<std::filesystem::path> chooseFile(const OpenFileSpec& spec);
    virtual std::optional<std::filesystem::path> chooseFolder(const std::string& title,
                                                              const std::filesystem::path& start);
    virtual std::optional<Colour> chooseColour(Colour initial);
    virtual std::optional<FontSpec> chooseFont(const FontSpec& initial, const std::string& caption);
    // Puts plain text on the clipboard (emptying it first); false when the
    // clipboard cannot be opened.
    virtual bool setClipboardText(const std::string& text);
    virtual void emptyClipboard();
    // Asks the platform's telephony to dial; false when it cannot.
    virtual bool dial(const std::string& number, const std::string& calledParty);
    virtual void showHelpContents();
    virtual void showHelpIndex();
    // The help topic of a command or dialog context number.
    virtual void showHelpTopic(int contextId);
    virtual void setStatusText(int pane, const std::string& text);
    // Handles waiting window events; false when the program is quitting.
    virtual bool pumpMessages();
    // Decodes a picture (JPEG) from the bytes of a file; nullptr when the
    // bytes are not a picture.
    virtual std::shared_ptr<Picture> decodePicture(const std::vector<std::uint8_t>& bytes);
    // Printing on the default printer (askUser: show the print dialog first);
    // nullptr when there is no printer or the user cancelled.
    virtual bool hasDefaultPrinter();
    virtual std::unique_ptr<PrintJob> beginPrint(const std::string& documentName, bool askUser);

    // Convenience forms.
    void showMessage(const std::string& text, Icon icon = Icon::None, const std::string& caption = {});
    bool askYesNo(const std::string& text, bool defaultYes, const std::string& caption = {});
};

} // namespace orvek
