#pragma once

#include <functional>
#include <vector>

namespace orvek {

class COvDoc;
class Dialog;
class Host;

// Every dialog class of the program with a way to make one on a document,
// so that checks can open each of them (e.g. render them all offscreen).
struct DialogCatalogEntry {
    int templateId;
    const char* className;
    // Makes the dialog on `doc` and hands it to `use` (not yet attached or
    // initialised); the dialog lives until `use` returns.
    std::function<void(COvDoc& doc, Host& host, const std::function<void(Dialog&)>& use)> withDialog;
};

const std::vector<DialogCatalogEntry>& dialogCatalog();

} // namespace orvek
