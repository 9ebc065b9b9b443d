#include "platform/TestHost.h"

#include <algorithm>

namespace orvek {

namespace {

template <class T>
T takeFront(std::deque<T>& q, T fallback) {
    if (q.empty()) return fallback;
    T v = std::move(q.front());
    q.pop_front();
    return v;
}

class FakePicture : public Picture {
public:
    explicit FakePicture(Size s) : size_(s) {}
    Size size() const override { return size_; }

private:
    Size size_;
};

class RecordingPrintJob : public PrintJob {
public:
    explicit RecordingPrintJob(TestHost::PrintedDocument& doc) : doc_(doc) {}
    Canvas& canvas() override {
        if (doc_.pages.empty()) doc_.pages.emplace_back(600, 600);
        return doc_.pages.back();
    }
    bool startPage() override {
        doc_.pages.emplace_back(600, 600);
        return true;
    }
    bool endPage() override { return true; }
    bool finish() override {
        doc_.finished = true;
        return true;
    }

private:
    TestHost::PrintedDocument& doc_;
};

} // namespace

void TestHost::open(Dialog& dialog) {
    dialog.attach(*this);
    dialog.init();
}

int TestHost::messageBox(const MessageBoxSpec& spec) {
    messages_.push_back(spec);
    int fallback = spec.defaultButton ? spec.defaultButton : (spec.buttons == Buttons::YesNo ? IDYES : IDOK);
    return takeFront(answers_, fallback);
}

int TestHost::runDialog(Dialog& dialog) {
    dialog.attach(*this);
    std::string caption;
    dialog.init();
    caption = dialog.caption();
    if (!dialog.ended()) {
        auto it = std::find_if(scripts_.begin(), scripts_.end(), [&](const Script& s) { return s.matches(dialog); });
        if (it != scripts_.end()) {
            Script script = *it; // taken off the queue first: the script may open children of its own
            scripts_.erase(it);
            script.run(dialog);
        }
    }
    if (!dialog.ended()) dialog.endDialog(IDCANCEL);
    shown_.push_back({dialog.templateId(), caption, dialog.result()});
    return dialog.result();
}

int TestHost::popupMenu(const std::vector<MenuItem>& items, Point, const Dialog*) {
    menus_.push_back(items);
    return takeFront(menuAnswers_, 0);
}

std::optional<std::filesystem::path> TestHost::chooseFile(const OpenFileSpec& spec) {
    fileChoosers_.push_back(spec);
    return takeFront(fileAnswers_, std::optional<std::filesystem::path>());
}

std::optional<std::filesystem::path> TestHost::chooseFolder(const std::string&, const std::filesystem::path&) {
    return takeFront(folderAnswers_, std::optional<std::filesystem::path>());
}

std::optional<Colour> TestHost::chooseColour(Colour) { return takeFront(colourAnswers_, std::optional<Colour>()); }

std::optional<FontSpec> TestHost::chooseFont(const FontSpec&, const std::string&) {
    return takeFront(fontAnswers_, std::optional<FontSpec>());
}

bool TestHost::setClipboardText(const std::string& text) {
    if (!clipboardWorks) return false;
    clipboard = text;
    return true;
}

bool TestHost::dial(const std::string& number, const std::string& calledParty) {
    dialled.emplace_back(number, calledParty);
    return dialWorks;
}

std::shared_ptr<Picture> TestHost::decodePicture(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 2 || bytes[0] != 0xFF || bytes[1] != 0xD8) return nullptr;
    return std::make_shared<FakePicture>(pictureSize);
}

std::unique_ptr<PrintJob> TestHost::beginPrint(const std::string& documentName, bool) {
    if (!hasPrinter) return nullptr;
    printed.push_back({documentName, {}, false});
    return std::make_unique<RecordingPrintJob>(printed.back());
}

} // namespace orvek
