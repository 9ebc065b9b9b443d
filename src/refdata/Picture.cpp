#include "refdata/Picture.h"

#include <new>

#include "platform/FileSystem.h"
#include "platform/Host.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Text.h"

namespace orvek {

namespace {
FileSystem& machineFiles() {
    static LocalFileSystem fs;
    return fs;
}

void pictureError(Host& host, const std::string& text) {
    host.messageBox({text, std::string(stringText(sid::pictureErrorCaption)), Buttons::Ok, Icon::Error, IDOK});
}
} // namespace

CPicture::CPicture(Host& host) : CPicture(host, machineFiles()) {}

CPicture::CPicture(Host& host, FileSystem& fs) : host_(host), fs_(fs) {}

bool CPicture::loadPicture(const std::filesystem::path& file) {
    release();
    fileLength_ = 0;
    try {
        auto bytes = fs_.readFile(file);
        if (!bytes) {
            pictureError(host_, substitute(stringText(sid::pictureNotFound), pathToUtf8(file.filename())));
            return false;
        }
        // Bytes that are not a picture give no picture and no message.
        picture_ = host_.decodePicture(*bytes);
        if (!picture_) return false;
        fileLength_ = bytes->size();
        return true;
    } catch (const std::bad_alloc&) {
        picture_.reset();
        pictureError(host_, std::string(stringText(sid::pictureNoMemory)));
        return false;
    }
}

bool CPicture::renderPicture(Canvas& canvas, const Rect& r) const {
    if (!picture_) return false;
    canvas.drawPicture(*picture_, r);
    return true;
}

Size CPicture::size() const { return picture_ ? picture_->size() : Size{}; }

} // namespace orvek
