#include "refdata/MapDlg.h"

#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace fs = std::filesystem;

namespace {
constexpr int kPictureArea = 1145, kChoose = 3, kHelp = 4;
constexpr int kChooseTitle = 1155; // "valitse  karttatiedosto (JPG)"
constexpr int kFilterName = 1156;  // "Seurakunnan karttatiedostot (.JPG)"
constexpr int kHelpText = 1158;    // how to make a map file
// CongregationRecord.mapFile holds 27 characters.
constexpr std::size_t kMapNameChars = 27;

std::string str(int id) { return std::string(stringText(id)); }

// A folder in one spelling, with a trailing separator, for comparing.
fs::path folderKey(const fs::path& p) { return (p / "").lexically_normal(); }
} // namespace

bool isBareFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of("/\\:") == std::string_view::npos;
}

CMapDlg::CMapDlg(COvDoc& doc, std::string mapFile)
    : Dialog(183), doc_(doc), mapFile_(std::move(mapFile)) {}

void CMapDlg::onInit() {
    original_ = mapFile_;
    picture_.emplace(host(), doc_.fileSystem());
    mapFile_ = trimRight(mapFile_);
    // Only a bare name is looked for, and only in the data folder.
    if (isBareFileName(mapFile_)) picture_->loadPicture(doc_.workingFolder() / pathFromUtf8(mapFile_));
    showLoadState();
}

void CMapDlg::showLoadState() {
    show(kHelp, !loaded());
    control(kPictureArea).invalidate();
}

void CMapDlg::onPaint(int id, Canvas& canvas, const Rect& area) {
    if (id == kPictureArea && loaded()) picture_->renderPicture(canvas, area);
}

void CMapDlg::onCommand(int id) {
    switch (id) {
    case kHelp: showMessage(str(kHelpText), Buttons::Ok, IDOK, Icon::Information); return;
    case kChoose: chooseMap(); return;
    default: Dialog::onCommand(id);
    }
}

void CMapDlg::chooseMap() {
    OpenFileSpec spec;
    spec.title = str(kChooseTitle);
    spec.filterName = str(kFilterName);
    spec.pattern = "*.jpg";
    spec.startFolder = doc_.workingFolder();
    spec.mustExist = true;
    auto chosen = host().chooseFile(spec);
    if (!chosen) return;
    const std::string name = pathToUtf8(chosen->filename());
    if (!isBareFileName(name)) return;
    // The record holds the name: refuse one it cannot hold rather than store
    // a cut name that names no file.
    if (charCount(name) > kMapNameChars) {
        showMessage(substitute(str(sid::mapNameTooLong), name), Buttons::Ok, IDOK, Icon::Warning);
        return;
    }
    if (!isCp1252Representable(name)) {
        showMessage(substitute(str(sid::mapNameUnstorable), firstUnrepresentable(name)), Buttons::Ok, IDOK,
                    Icon::Warning);
        return;
    }
    CPicture trial(host(), doc_.fileSystem());
    if (!trial.loadPicture(*chosen)) {
        // Not a picture: nothing to show, and OK then clears the name.
        picture_->release();
        mapFile_ = name;
        showLoadState();
        return;
    }
    const fs::path target = doc_.workingFolder() / chosen->filename();
    const bool inDataFolder = folderKey(chosen->parent_path()) == folderKey(doc_.workingFolder());
    if (!inDataFolder && !copyIntoDataFolder(*chosen, target)) return;
    picture_->loadPicture(target);
    mapFile_ = name;
    showLoadState();
}

bool CMapDlg::copyIntoDataFolder(const fs::path& from, const fs::path& to) {
    FileSystem& files = doc_.fileSystem();
    auto bytes = files.readFile(from);
    if (!bytes) return false;
    const std::string name = pathToUtf8(to.filename());
    auto existing = files.readFile(to);
    if (existing && *existing == *bytes) return true; // the same map is there already
    if (!host().askYesNo(substitute(str(sid::copyMapQuestion), name, pathToUtf8(doc_.workingFolder())), true))
        return false;
    // Another file of that name may be the map of another congregation.
    if (existing && !host().askYesNo(substitute(str(sid::replaceMapQuestion), name), false)) return false;
    if (files.writeFileAtomic(to, *bytes) != WriteError::None) {
        doc_.reportWriteFailure(to);
        return false;
    }
    return true;
}

void CMapDlg::onOK() {
    if (!loaded()) mapFile_.clear();
    endDialog(IDOK);
}

void CMapDlg::onCancel() {
    mapFile_ = original_;
    endDialog(IDCANCEL);
}

} // namespace orvek
