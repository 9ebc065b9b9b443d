#pragma once

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Dialog.h"

class QAbstractItemView;
class QGridLayout;
class QStandardItemModel;

namespace orvek {

// Shows a Dialog model with widgets built from its template and keeps them
// in step with it: every user action goes to the model through its driver
// operations, and after every event the widgets whose control changed (by
// revision) are brought up to date. The model never sees a widget.
class QtDialogView : public QWidget {
    Q_OBJECT
public:
    explicit QtDialogView(Dialog& dialog, QWidget* parent = nullptr);
    ~QtDialogView() override;

    Dialog& dialog() const { return dialog_; }

    // The widget that shows control `id` (nullptr when none), and the
    // number of widgets made for it (one, for a well-formed template).
    QWidget* widgetOf(int id) const;
    int widgetCount(int id) const;
    // The resource number of the control shown by `w` (0 when none).
    int idOf(const QWidget* w) const;

    // Brings every widget whose control changed up to date with the model.
    void sync();

    // Embedded views (the main-menu panel) have no window of their own:
    // Escape does not close them.
    void setEmbedded(bool on) { embedded_ = on; }
    bool embedded() const { return embedded_; }

    // Asked before a click on a button reaches the model; returning true
    // consumes the click (context help uses it).
    void setPressFilter(std::function<bool(int id)> filter) { pressFilter_ = std::move(filter); }

    // The close box or Escape: asks the model, which decides whether it ends.
    void requestClose();

    // The hint shown last when a typed text was refused (for the status bar
    // and tests), and where hints go besides the tooltip at the field.
    const QString& lastHint() const { return lastHint_; }
    void setHintSink(std::function<void(const QString&)> sink) { hintSink_ = std::move(sink); }

    // The control pressed last (menus that a button opens appear under it).
    int lastPressed() const { return lastPressed_; }

    // Pixels of one horizontal dialog unit (a quarter of the average
    // character width of the dialog font).
    double dialogUnit() const;
    int averageCharWidth() const;

    // The view that shows `dialog`, if any.
    static QtDialogView* viewOf(const Dialog* dialog);

signals:
    void finished(int result);
    void captionChanged(const QString& caption);
    void offsetChanged();
    // After every sync: the model may have changed what others show.
    void synced();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry;
    void build();
    QWidget* makeWidget(Entry& e);
    void makeList(Entry& e);
    void applySizeHints(Entry& e);
    void place(Entry& e, std::map<int, QGridLayout*>& grids);
    void watch(QObject* object, Entry& e);

    void syncEntry(Entry& e, bool force);
    void syncEdit(Entry& e);
    void syncList(Entry& e, bool force);
    void syncCombo(Entry& e, bool force);
    void syncDialog(bool force);

    // Runs one driver operation and brings the widgets up to date.
    void drive(const std::function<void()>& op);
    void onClicked(Entry& e);
    void onEdited(Entry& e, const QString& text);
    void onListSelection(Entry& e);
    bool onKey(Entry& e, QObject* watched, QKeyEvent* key);
    bool refuse(Entry& e, const std::string& text);
    void showHint(Entry& e, const QString& hint);
    void pressDefault();
    Entry* defaultButton();
    QString labelText(const Entry& e) const;

    Dialog& dialog_;
    std::vector<std::unique_ptr<Entry>> entries_;
    std::map<int, Entry*> byId_;
    std::map<const QObject*, Entry*> byObject_;
    std::uint64_t dialogSeen_ = 0;
    std::string captionSeen_;
    Point offsetSeen_;
    int focusSeen_ = 0;
    bool updating_ = false;
    bool embedded_ = false;
    bool endSignalled_ = false;
    int depth_ = 0;
    int lastPressed_ = 0;
    QString lastHint_;
    std::function<bool(int)> pressFilter_;
    std::function<void(const QString&)> hintSink_;
};

// A modal window around a QtDialogView: caption from the model, placed at
// the model's offset from the centre of its parent, closed with the model's
// result when the model ends.
class QtDialogWindow : public QDialog {
    Q_OBJECT
public:
    explicit QtDialogWindow(Dialog& dialog, QWidget* parent = nullptr);
    QtDialogView& view() { return *view_; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void place();
    QtDialogView* view_;
};

} // namespace orvek
