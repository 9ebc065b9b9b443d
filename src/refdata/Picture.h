#pragma once

#include <filesystem>
#include <memory>

#include "platform/Canvas.h"

namespace orvek {

class Host;

// One loaded map picture: loads a JPEG file and draws it stretched into a
// rectangle.
class CPicture {
public:
    explicit CPicture(Host& host);
    // Releases any earlier picture, then loads the file; false (with the
    // "CPicture Error" message where a message belongs) when it fails.
    bool loadPicture(const std::filesystem::path& file);
    // Draws the whole picture stretched to the rectangle.
    bool renderPicture(Canvas& canvas, const Rect& r) const;
    bool loaded() const { return picture_ != nullptr; }
    Size size() const;
    void release() { picture_.reset(); }

private:
    Host& host_;
    std::shared_ptr<Picture> picture_;
    std::size_t fileLength_ = 0;
};

} // namespace orvek
