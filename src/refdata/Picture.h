#pragma once

#include <filesystem>
#include <memory>

#include "platform/Canvas.h"

namespace orvek {

class FileSystem;
class Host;

// One loaded map picture: loads a JPEG file and draws it stretched into a
// rectangle.
class CPicture {
public:
    // Reads files from the machine's file system.
    explicit CPicture(Host& host);
    // Reads files through `fs` (the document's, so that tests and other
    // stores see the same files).
    CPicture(Host& host, FileSystem& fs);
    // Releases any earlier picture, then loads the file; false (with the
    // "CPicture Error" message where a message belongs) when it fails.
    bool loadPicture(const std::filesystem::path& file);
    // Draws the whole picture stretched to the rectangle.
    bool renderPicture(Canvas& canvas, const Rect& r) const;
    bool loaded() const { return picture_ != nullptr; }
    Size size() const;
    // The byte length of the file the picture was loaded from.
    std::size_t fileLength() const { return fileLength_; }
    void release() { picture_.reset(); }

private:
    Host& host_;
    FileSystem& fs_;
    std::shared_ptr<Picture> picture_;
    std::size_t fileLength_ = 0;
};

} // namespace orvek
