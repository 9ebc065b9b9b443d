#pragma once

#include <functional>

#include "platform/Dialog.h"

namespace orvek {

class COvDoc;

// The own congregation (dialog 147 "Oma seurakunta", command 32848): which
// congregation it is, its form, the local roles and the hospitality hosts.
// Every change is stored when it is made; OK and Cancel only close.
class COwnCong : public Dialog {
public:
    // Writes the own congregation's exchange file; without one the export
    // button stays disabled.
    using Exporter = std::function<void()>;

    explicit COwnCong(COvDoc& doc, Exporter exportCongregation = {});

protected:
    void onInit() override;
    void onCommand(int id) override;

private:
    void refresh();
    void chooseCongregation();
    void editCongregation();
    void editRole(int roleBit);

    COvDoc& doc_;
    Exporter export_;
};

} // namespace orvek
