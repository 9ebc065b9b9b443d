#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Control.h"
#include "platform/Geometry.h"
#include "platform/Host.h"

namespace orvek {

enum class Key { Character, Return, Escape, Tab, Up, Down, Left, Right, PageUp, PageDown, Home, End, Delete,
                 Backspace, F1, Other };

struct KeyEvent {
    Key key = Key::Other;
    char32_t character = 0; // for Key::Character
    bool shift = false;
    bool control = false;
    static KeyEvent ch(char32_t c) { return {Key::Character, c, false, false}; }
    static KeyEvent of(Key k) { return {k, 0, false, false}; }
};

enum class MouseAction { Press, Release, Move, Leave };

struct MouseEvent {
    MouseAction action = MouseAction::Move;
    Point position;  // in the control's client pixels
    int row = -1;    // list: the row under the pointer, -1 = none
    bool right = false; // the right button
};

// A dialog model: a caption and the controls of its template, with the
// dialog's behaviour in the event handlers of a subclass. It never sees a
// widget: the Qt renderer (or a test) shows it and reports what the user did
// through the driver operations below, which first update the controls as a
// list box or check box would and then call the handler.
class Dialog {
public:
    explicit Dialog(int templateId);
    // A dialog on a template of its own (tests and generated dialogs); the
    // template must outlive the dialog.
    explicit Dialog(const DialogTemplate& t);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    int templateId() const { return templateId_; }
    const DialogTemplate& dialogTemplate() const { return *template_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    // The control with resource number `id`; throws std::logic_error when the
    // template has none, so that a missing control shows up in every test.
    Control& control(int id);
    const Control& control(int id) const;
    Control& list(int id) { return control(id); }
    bool hasControl(int id) const;
    // Every addressable control in template order.
    std::vector<Control*> controls();

    // The control that should have the focus (0 = the renderer decides).
    int focusedControl() const { return focus_; }
    void setFocus(int id);

    // Where the window goes relative to the centre of its owner.
    Point offset() const { return offset_; }
    void setOffset(Point p) { offset_ = p; ++revision_; }

    // ---- Life cycle (used by hosts) ----
    void attach(Host& host) { host_ = &host; }
    bool attached() const { return host_ != nullptr; }
    Host& host();
    // Runs onInit once.
    void init();
    void endDialog(int result);
    bool ended() const { return ended_; }
    int result() const { return result_; }
    // Changes on every change of the dialog itself (caption, focus, offset).
    std::uint64_t revision() const { return revision_; }

    // ---- Driver: what the user does ----
    // Clicks a button, check box or radio button (a check box toggles, a
    // radio button is checked and its group cleared), then onCommand.
    void press(int id);
    // Replaces the text of an edit (cut to its limit), then onEditChange.
    void type(int id, std::string_view text);
    // Selects one row of a list or combo box (-1 = none), then onSelectionChange.
    void select(int id, int row);
    // Sets the selection of a multiple-selection list, then onSelectionChange.
    void selectRows(int id, const std::vector<int>& rows);
    // Clicks a row of a multiple-selection list (toggles it).
    void toggleRow(int id, int row);
    // The user scrolled a list so that `row` is at the top.
    void scrollTo(int id, int row);
    // Double-clicks a row (selecting it first), then onDoubleClick.
    void doubleClick(int id, int row);
    // Moves the focus (onFocus(old, false), onFocus(id, true)).
    void focus(int id);
    // A key pressed in a control; true when the dialog handled it (the
    // renderer then does nothing else with it).
    bool key(int id, const KeyEvent& e);
    void spin(int id, int delta);
    void mouse(int id, const MouseEvent& e);
    void paint(int id, Canvas& canvas, const Rect& area);
    // The close box: as the Cancel button.
    void close();

protected:
    virtual void onInit() {}
    // Button clicks; the default sends IDOK to onOK and IDCANCEL to onCancel.
    virtual void onCommand(int id);
    virtual void onOK() { endDialog(IDOK); }
    virtual void onCancel() { endDialog(IDCANCEL); }
    virtual void onSelectionChange(int) {}
    virtual void onDoubleClick(int) {}
    virtual void onEditChange(int) {}
    virtual void onFocus(int, bool) {}
    virtual bool onKey(int, const KeyEvent&) { return false; }
    virtual void onSpin(int, int) {}
    virtual void onMouse(int, const MouseEvent&) {}
    virtual void onPaint(int, Canvas&, const Rect&) {}

    // Shorthands for handlers.
    int showMessage(const std::string& text, Buttons buttons = Buttons::Ok, int defaultButton = 0,
                    Icon icon = Icon::None);
    int runChild(Dialog& child);
    std::string text(int id) const { return control(id).text(); }
    void setText(int id, std::string t) { control(id).setText(std::move(t)); }
    void show(int id, bool on = true) { control(id).show(on); }
    void enable(int id, bool on = true) { control(id).enable(on); }
    bool checked(int id) const { return control(id).checked() != 0; }
    void setChecked(int id, bool on) { control(id).setChecked(on ? 1 : 0); }

private:
    int templateId_;
    const DialogTemplate* template_;
    std::string caption_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<int, Control*> byId_;
    Host* host_ = nullptr;
    int focus_ = 0;
    Point offset_;
    bool initialised_ = false;
    bool ended_ = false;
    int result_ = 0;
    std::uint64_t revision_ = 1;
};

} // namespace orvek
