#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <string>

#include "platform/Host.h"
#include "platform/qt/QtHelpWindow.h"

class QWidget;

namespace orvek {



// The Host of the program: message boxes, modal dialogs, menus, choosers,
// clipboard, dialling, help, status bar, pictures and printing with Qt.
class QtHost : public Host {
public:
    QtHost();
    ~QtHost() override;

    // The window that owns modal windows when no dialog is active (the main window).
    void setMainWindow(QWidget* window) { main_ = window; }
    // Where status-bar texts go (installed by the main window).
    void setStatusSink(std::function<void(int pane, const std::string& text)> sink) { status_ = std::move(sink); }

    int messageBox(const MessageBoxSpec& spec) override;
    int runDialog(Dialog& dialog) override;
    int popupMenu(const std::vector<MenuItem>& items, Point at, const Dialog* owner = nullptr) override;
    std::optional<std::filesystem::path> chooseFile(const OpenFileSpec& spec) override;
    std::optional<std::filesystem::path> chooseFolder(const std::string& title,
                                                      const std::filesystem::path& start) override;
    std::optional<Colour> chooseColour(Colour initial) override;
    std::optional<FontSpec> chooseFont(const FontSpec& initial, const std::string& caption) override;
    bool setClipboardText(const std::string& text) override;
    void emptyClipboard() override;
    bool dial(const std::string& number, const std::string& calledParty) override;
    void showHelpContents() override;
    void showHelpIndex() override;
    void showHelpTopic(int contextId) override;
    // A page of the user guide by its file name.
    void showHelpFile(const std::string& file);
    void setStatusText(int pane, const std::string& text) override;
    bool pumpMessages() override;
    std::shared_ptr<Picture> decodePicture(const std::vector<std::uint8_t>& bytes) override;
    bool hasDefaultPrinter() override;
    std::unique_ptr<PrintJob> beginPrint(const std::string& documentName, bool askUser) override;

    // The help window, once help was shown (for tests).
    QtHelpWindow* helpWindow() const { return help_; }

    // The window modal windows belong to now.
    QWidget* ownerWindow() const;

private:
    QPointer<QWidget> main_;
    QPointer<QtHelpWindow> help_;
    std::function<void(int, const std::string&)> status_;
    QObject quitWatch_;
    bool quitting_ = false;
};

} // namespace orvek

class QPagedPaintDevice;

namespace orvek {

// A print job over a paged device (a QPrinter or a QPdfWriter): pages drawn
// through a QtCanvas; nullptr when the device cannot be painted on.
std::unique_ptr<PrintJob> pagedPrintJob(std::unique_ptr<QPagedPaintDevice> device);

} // namespace orvek
