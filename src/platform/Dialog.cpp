#include "platform/Dialog.h"

#include <stdexcept>

namespace orvek {

namespace {
const DialogTemplate& templateOf(int id) {
    const DialogTemplate* t = findDialogTemplate(id);
    if (!t) throw std::logic_error("no dialog template " + std::to_string(id));
    return *t;
}
} // namespace

Dialog::Dialog(int templateId) : Dialog(templateOf(templateId)) {}

Dialog::Dialog(const DialogTemplate& t) : templateId_(t.id), template_(&t) {
    caption_ = template_->caption;
    for (const ControlTemplate& t : template_->controls) {
        controls_.push_back(std::make_unique<Control>(t));
        if (t.id > 0) byId_[t.id] = controls_.back().get();
    }
}

Dialog::~Dialog() = default;

void Dialog::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    ++revision_;
}

Control& Dialog::control(int id) {
    auto it = byId_.find(id);
    if (it == byId_.end())
        throw std::logic_error("dialog " + std::to_string(templateId_) + " has no control " + std::to_string(id));
    return *it->second;
}

const Control& Dialog::control(int id) const { return const_cast<Dialog*>(this)->control(id); }

bool Dialog::hasControl(int id) const { return byId_.count(id) != 0; }

std::vector<Control*> Dialog::controls() {
    std::vector<Control*> out;
    for (auto& c : controls_) out.push_back(c.get());
    return out;
}

void Dialog::setFocus(int id) {
    if (id != 0) control(id); // must exist
    focus_ = id;
    ++revision_;
}

Host& Dialog::host() {
    if (!host_) throw std::logic_error("dialog " + std::to_string(templateId_) + " is not attached to a host");
    return *host_;
}

void Dialog::init() {
    if (initialised_) return;
    initialised_ = true;
    onInit();
}

void Dialog::endDialog(int result) {
    ended_ = true;
    result_ = result;
    ++revision_;
}

void Dialog::onCommand(int id) {
    if (id == IDOK) onOK();
    else if (id == IDCANCEL) onCancel();
}

// ---- driver ----

namespace {
// The user can only act on a control that is shown and enabled.
Control& reachable(Dialog& d, int id) {
    Control& c = d.control(id);
    if (!c.visible() || !c.enabled())
        throw std::logic_error("dialog " + std::to_string(d.templateId()) + ": control " + std::to_string(id) +
                               " is " + (c.visible() ? "disabled" : "hidden"));
    return c;
}
} // namespace

void Dialog::press(int id) {
    if (hasControl(id) || (id != IDOK && id != IDCANCEL)) {
        Control& c = reachable(*this, id);
        if (c.kind() == ControlKind::CheckBox) {
            c.setChecked(c.checked() ? 0 : 1);
        } else if (c.kind() == ControlKind::RadioButton) {
            const int group = c.layout().radioGroup;
            const int parent = c.layout().parent;
            for (auto& other : controls_) {
                if (other->kind() != ControlKind::RadioButton || other.get() == &c) continue;
                bool same = group ? other->layout().radioGroup == group : other->layout().parent == parent;
                if (same) other->setChecked(0);
            }
            c.setChecked(1);
        }
    }
    onCommand(id);
}

void Dialog::type(int id, std::string_view text) {
    Control& c = reachable(*this, id);
    c.setText(std::string(text));
    onEditChange(id);
}

void Dialog::select(int id, int row) {
    reachable(*this, id).setSelectedRow(row);
    onSelectionChange(id);
}

void Dialog::selectRows(int id, const std::vector<int>& rows) {
    Control& c = reachable(*this, id);
    for (int i = 0; i < c.count(); ++i) c.setSelected(i, false);
    for (int r : rows) c.setSelected(r, true);
    onSelectionChange(id);
}

void Dialog::toggleRow(int id, int row) {
    Control& c = reachable(*this, id);
    c.setSelected(row, !c.isSelected(row));
    onSelectionChange(id);
}

void Dialog::scrollTo(int id, int row) { reachable(*this, id).setTopRow(row); }

void Dialog::doubleClick(int id, int row) {
    Control& c = reachable(*this, id);
    if (row >= 0 && !c.isSelected(row)) {
        if (c.multiSelect()) c.setSelected(row, true);
        else c.setSelectedRow(row);
        onSelectionChange(id);
    }
    onDoubleClick(id);
}

void Dialog::focus(int id) {
    int old = focus_;
    if (old == id) return;
    focus_ = id;
    ++revision_;
    if (old > 0 && hasControl(old)) onFocus(old, false);
    if (id > 0) onFocus(id, true);
}

bool Dialog::key(int id, const KeyEvent& e) { return onKey(id, e); }

void Dialog::spin(int id, int delta) { onSpin(id, delta); }

void Dialog::mouse(int id, const MouseEvent& e) { onMouse(id, e); }

void Dialog::paint(int id, Canvas& canvas, const Rect& area) { onPaint(id, canvas, area); }

void Dialog::close() { onCommand(IDCANCEL); }

// ---- shorthands ----

int Dialog::showMessage(const std::string& text, Buttons buttons, int defaultButton, Icon icon) {
    return host().messageBox({text, {}, buttons, icon, defaultButton});
}

int Dialog::runChild(Dialog& child) { return host().runDialog(child); }

} // namespace orvek
