#include "platform/qt/QtDialogView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <set>

#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtIcons.h"
#include "resources/Strings.h"
#include "resources/StringTable.h"
#include "store/Text.h"

namespace orvek {

namespace {

QHash<const Dialog*, QtDialogView*>& registry() {
    static QHash<const Dialog*, QtDialogView*> views;
    return views;
}

// An area the dialog paints itself; presses, releases and moves go to the model.
class OwnerDrawWidget : public QWidget {
public:
    OwnerDrawWidget(Dialog& dialog, int id, QWidget* parent) : QWidget(parent), dialog_(dialog), id_(id) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent, false);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    std::function<void(const MouseEvent&)> onMouse;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QtCanvas canvas(painter);
        try {
            dialog_.paint(id_, canvas, Rect{0, 0, width(), height()});
        } catch (const std::exception& e) {
            qCritical("paint of control %d: %s", id_, e.what());
        }
    }
    void mousePressEvent(QMouseEvent* e) override { report(MouseAction::Press, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { report(MouseAction::Release, e); }
    void mouseMoveEvent(QMouseEvent* e) override { report(MouseAction::Move, e); }
    void leaveEvent(QEvent*) override {
        if (onMouse) onMouse(MouseEvent{MouseAction::Leave, {}, -1, false});
    }

private:
    void report(MouseAction action, QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        const bool right = (e->button() == Qt::RightButton) || (e->buttons() & Qt::RightButton);
        if (onMouse) onMouse(MouseEvent{action, {p.x(), p.y()}, -1, right});
    }
    Dialog& dialog_;
    int id_;
};

// Up and down arrows that report +1 (up) and -1 (down).
class SpinWidget : public QWidget {
public:
    explicit SpinWidget(QWidget* parent) : QWidget(parent) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        up = new QToolButton(this);
        down = new QToolButton(this);
        for (QToolButton* b : {up, down}) {
            b->setAutoRepeat(true);
            b->setFocusPolicy(Qt::NoFocus);
            b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
            b->setFixedWidth(18);
            layout->addWidget(b);
        }
        up->setArrowType(Qt::UpArrow);
        down->setArrowType(Qt::DownArrow);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    }
    QToolButton* up;
    QToolButton* down;
};

Key keyOf(const QKeyEvent* k) {
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Return;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return Key::Tab;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_PageUp: return Key::PageUp;
    case Qt::Key_PageDown: return Key::PageDown;
    case Qt::Key_Home: return Key::Home;
    case Qt::Key_End: return Key::End;
    case Qt::Key_Delete: return Key::Delete;
    case Qt::Key_Backspace: return Key::Backspace;
    case Qt::Key_F1: return Key::F1;
    default: break;
    }
    const QString t = k->text();
    if (!t.isEmpty() && !(k->modifiers() & Qt::ControlModifier)) {
        const char32_t c = t.toUcs4().value(0);
        if (c >= 0x20 && c != 0x7F) return Key::Character;
    }
    return Key::Other;
}

KeyEvent keyEventOf(const QKeyEvent* k) {
    KeyEvent e;
    e.key = keyOf(k);
    if (e.key == Key::Character) e.character = k->text().toUcs4().value(0);
    e.shift = (k->modifiers() & Qt::ShiftModifier) || k->key() == Qt::Key_Backtab;
    e.control = k->modifiers() & Qt::ControlModifier;
    return e;
}

std::vector<std::string> splitTabs(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = text.find('\t', start);
        out.push_back(text.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return out;
}

// Multi-line edits show "\n"; the model keeps the "\r\n" line breaks of
// the data files.
QString toWidgetLines(const std::string& text) { return qs(text).remove(QLatin1Char('\r')); }
std::string toModelLines(const QString& text) {
    QString s = text;
    s.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return utf8(s);
}

} // namespace

// ---- one control and its widget ----

struct QtDialogView::Entry {
    Control* control = nullptr;
    QWidget* widget = nullptr;        // the widget placed in the layout
    QGridLayout* grid = nullptr;      // group box: the layout of its children
    QAbstractItemView* view = nullptr;// list box
    QStandardItemModel* model = nullptr;
    std::uint64_t seen = 0;
    std::vector<std::string> items;   // list and combo rows as shown
    std::vector<int> tabStops;
    std::vector<std::string> titles;
    int selStart = -1;
    int selEnd = -1;
    int top = -1;
    bool tabbed = false;

    int id() const { return control->id(); }
    ControlKind kind() const { return control->kind(); }
    bool has(unsigned style) const { return control->style() & style; }
};

QtDialogView::QtDialogView(Dialog& dialog, QWidget* parent) : QWidget(parent), dialog_(dialog) {
    registry().insert(&dialog_, this);
    build();
    sync();
}

QtDialogView::~QtDialogView() {
    auto it = registry().find(&dialog_);
    if (it != registry().end() && it.value() == this) registry().erase(it);
}

QtDialogView* QtDialogView::viewOf(const Dialog* dialog) { return registry().value(dialog, nullptr); }

QWidget* QtDialogView::widgetOf(int id) const {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second->widget;
}

int QtDialogView::widgetCount(int id) const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [id](const auto& e) {
        return e->id() == id && e->widget != nullptr;
    }));
}

int QtDialogView::idOf(const QWidget* w) const {
    for (const QObject* o = w; o; o = o->parent()) {
        auto it = byObject_.find(o);
        if (it != byObject_.end()) return it->second->id();
        if (o == this) break;
    }
    return 0;
}

int QtDialogView::averageCharWidth() const {
    // As dialog units are defined: the average width of the 52 letters.
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return std::max(1, static_cast<int>(std::lround(fontMetrics().horizontalAdvance(letters) / 52.0)));
}

double QtDialogView::dialogUnit() const { return averageCharWidth() / 4.0; }

// ---- building ----

void QtDialogView::build() {
    for (Control* c : dialog_.controls()) {
        auto e = std::make_unique<Entry>();
        e->control = c;
        entries_.push_back(std::move(e));
        Entry& entry = *entries_.back();
        if (c->id() > 0) byId_[c->id()] = &entry;
    }
    for (auto& e : entries_) {
        e->widget = makeWidget(*e);
        byObject_[e->widget] = e.get();
        applySizeHints(*e);
        QSizePolicy p = e->widget->sizePolicy();
        p.setRetainSizeWhenHidden(true); // hiding a control leaves its place, as in a dialog template
        e->widget->setSizePolicy(p);
    }
    // Labels with a mnemonic move the focus to the next control that takes it.
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        Entry& e = *entries_[i];
        if (e.kind() != ControlKind::Label || e.control->text().find('&') == std::string::npos) continue;
        for (std::size_t j = i + 1; j < entries_.size(); ++j) {
            ControlKind k = entries_[j]->kind();
            if (k == ControlKind::Edit || k == ControlKind::ListBox || k == ControlKind::ComboBox) {
                static_cast<QLabel*>(e.widget)->setBuddy(entries_[j]->widget);
                break;
            }
            if (k != ControlKind::Label) break;
        }
    }
    auto* grid = new QGridLayout(this);
    std::map<int, QGridLayout*> grids{{0, grid}};
    for (auto& e : entries_)
        if (e->grid) grids[e->id()] = e->grid;
    for (auto& e : entries_) place(*e, grids);
    // The controls of a group box stay together at its top when it is taller than they need.
    for (auto& [id, g] : grids)
        if (id != 0) g->setRowStretch(g->rowCount(), 1);
    // Tab order follows the template.
    QWidget* previous = nullptr;
    for (auto& e : entries_) {
        QWidget* w = e->widget;
        if (w->focusPolicy() == Qt::NoFocus) continue;
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
}

void QtDialogView::watch(QObject* object, Entry& e) {
    byObject_[object] = &e;
    object->installEventFilter(this);
}

QWidget* QtDialogView::makeWidget(Entry& e) {
    const Control& c = *e.control;
    switch (c.kind()) {
    case ControlKind::Label: {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(e.has(cs::wrap));
        Qt::Alignment a = e.has(cs::alignRight) ? Qt::AlignRight : Qt::AlignLeft;
        a |= e.has(cs::wrap) ? Qt::AlignTop : Qt::AlignVCenter;
        label->setAlignment(a);
        if (e.has(cs::sunken)) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setMargin(2);
        }
        return label;
    }
    case ControlKind::Edit: {
        QWidget* w = nullptr;
        if (e.has(cs::multiLine)) {
            auto* edit = new QPlainTextEdit(this);
            edit->setReadOnly(e.has(cs::readOnly));
            edit->setTabChangesFocus(true);
            connect(edit, &QPlainTextEdit::textChanged, this, [this, &e, edit] {
                if (!updating_) onEdited(e, edit->toPlainText());
            });
            w = edit;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(e.has(cs::readOnly));
            connect(edit, &QLineEdit::textEdited, this, [this, &e](const QString& t) {
                if (!updating_) onEdited(e, t);
            });
            w = edit;
        }
        if (e.has(cs::fixedPitch)) w->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        watch(w, e);
        return w;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(this);
        button->setAutoDefault(false);
        button->setDefault(&e == defaultButton());
        connect(button, &QPushButton::clicked, this, [this, &e] { onClicked(e); });
        watch(button, e);
        return button;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(this);
        connect(box, &QCheckBox::clicked, this, [this, &e] { onClicked(e); });
        watch(box, e);
        return box;
    }
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(this);
        radio->setAutoExclusive(false); // the model clears the others of the group
        connect(radio, &QRadioButton::clicked, this, [this, &e] { onClicked(e); });
        watch(radio, e);
        return radio;
    }
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(this);
        e.grid = new QGridLayout(box);
        return box;
    }
    case ControlKind::ListBox: makeList(e); return e.view;
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(this);
        combo->setEditable(!e.has(cs::dropDownList));
        combo->setInsertPolicy(QComboBox::NoInsert);
        if (c.layout().height > 1) combo->setMaxVisibleItems(c.layout().height);
        connect(combo, &QComboBox::activated, this, [this, &e](int row) {
            if (updating_) return;
            drive([&] {
                // Picking a row puts its text into the edit of the combo, as the list box of a combo does.
                if (!e.has(cs::dropDownList)) e.control->setText(e.control->itemText(row));
                dialog_.select(e.id(), row);
            });
        });
        if (QLineEdit* edit = combo->lineEdit()) {
            connect(edit, &QLineEdit::textEdited, this, [this, &e](const QString& t) {
                if (!updating_) onEdited(e, t);
            });
            watch(edit, e);
        }
        watch(combo, e);
        return combo;
    }
    case ControlKind::SpinButton: {
        auto* spin = new SpinWidget(this);
        connect(spin->up, &QToolButton::clicked, this, [this, &e] { drive([&] { dialog_.spin(e.id(), +1); }); });
        connect(spin->down, &QToolButton::clicked, this, [this, &e] { drive([&] { dialog_.spin(e.id(), -1); }); });
        watch(spin, e);
        return spin;
    }
    case ControlKind::OwnerDraw: {
        auto* area = new OwnerDrawWidget(dialog_, c.id(), this);
        area->onMouse = [this, &e](const MouseEvent& m) { drive([&] { dialog_.mouse(e.id(), m); }); };
        watch(area, e);
        return area;
    }
    case ControlKind::Icon: {
        auto* icon = new QLabel(this);
        icon->setPixmap(programIcon().pixmap(32, 32));
        icon->setAlignment(Qt::AlignCenter);
        return icon;
    }
    }
    return new QWidget(this);
}

void QtDialogView::makeList(Entry& e) {
    const Control& c = *e.control;
    e.model = new QStandardItemModel(this);
    e.tabbed = !c.tabStops().empty();
    if (e.tabbed) {
        auto* tree = new QTreeView(this);
        tree->setRootIsDecorated(false);
        tree->setItemsExpandable(false);
        tree->setIndentation(0);
        tree->setUniformRowHeights(true);
        tree->setAllColumnsShowFocus(true);
        tree->header()->setStretchLastSection(true);
        tree->header()->setSectionsMovable(false);
        tree->header()->setSectionsClickable(false);
        e.view = tree;
    } else {
        auto* list = new QListView(this);
        list->setUniformItemSizes(true);
        if (e.has(cs::multiColumn)) {
            list->setFlow(QListView::TopToBottom);
            list->setWrapping(true);
            list->setResizeMode(QListView::Adjust);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }
        e.view = list;
    }
    QAbstractItemView* v = e.view;
    v->setModel(e.model);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    if (e.has(cs::noSelection)) v->setSelectionMode(QAbstractItemView::NoSelection);
    else if (e.has(cs::multiSelect)) v->setSelectionMode(QAbstractItemView::MultiSelection);
    else v->setSelectionMode(QAbstractItemView::SingleSelection);
    if (e.has(cs::fixedPitch)) v->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    v->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(v->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, &e] {
        if (!updating_) onListSelection(e);
    });
    // Only selections reach the model: the caret Qt puts on the first row
    // when a list gets the focus is not a choice of the user.
    connect(v, &QAbstractItemView::doubleClicked, this, [this, &e](const QModelIndex& i) {
        if (!updating_ && i.isValid()) drive([&] { dialog_.doubleClick(e.id(), i.row()); });
    });
    // Scrolling by the user (wheel, scroll bar) moves the model's top row.
    connect(v->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, &e, v] {
        if (updating_) return;
        const int top = v->indexAt(QPoint(2, 2)).row();
        if (top >= 0 && top != e.control->topRow()) drive([&] { dialog_.scrollTo(e.id(), top); });
    });
    v->viewport()->setMouseTracking(true);
    watch(v, e);
    watch(v->viewport(), e);
}

void QtDialogView::applySizeHints(Entry& e) {
    const ControlTemplate& t = e.control->layout();
    const QFontMetrics m = e.widget->fontMetrics();
    const int avg = averageCharWidth();
    if (t.width > 0) {
        int w = t.width * avg;
        switch (t.kind) {
        case ControlKind::Edit:
        case ControlKind::ComboBox: w += 12; break;
        case ControlKind::ListBox: w += e.widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 6; break;
        case ControlKind::Button: w = std::max(w, e.widget->sizeHint().width()); break;
        default: break;
        }
        e.widget->setMinimumWidth(w);
        // A narrow list (a number chooser) keeps its width instead of
        // stretching across its column.
        if (t.kind == ControlKind::ListBox && t.width <= 10) e.widget->setMaximumWidth(w);
    }
    if (t.height > 0 && t.kind != ControlKind::ComboBox) {
        int h = t.height * m.lineSpacing();
        switch (t.kind) {
        case ControlKind::ListBox:
            h = t.height * (m.lineSpacing() + 2) + 6;
            if (e.tabbed) h += m.lineSpacing() + 8; // the header row
            if (e.has(cs::multiColumn)) h += e.widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            break;
        case ControlKind::Edit: h += 10; break;
        case ControlKind::Label: break;
        default: h += 4; break;
        }
        e.widget->setMinimumHeight(h);
        // A list of one or two rows shows exactly those rows.
        if (t.kind == ControlKind::ListBox && t.height <= 2) e.widget->setMaximumHeight(h);
    }
}

void QtDialogView::place(Entry& e, std::map<int, QGridLayout*>& grids) {
    const ControlTemplate& t = e.control->layout();
    auto it = grids.find(t.parent);
    QGridLayout* grid = it == grids.end() || t.parent == t.id ? grids[0] : it->second;
    QWidget* owner = grid->parentWidget();
    if (e.widget->parentWidget() != owner) e.widget->setParent(owner);
    grid->addWidget(e.widget, t.row, t.column, std::max(1, t.rowSpan), std::max(1, t.columnSpan));
}

// ---- model to widgets ----

void QtDialogView::sync() {
    const bool first = dialogSeen_ == 0;
    updating_ = true;
    for (auto& e : entries_) syncEntry(*e, first);
    syncDialog(first);
    updating_ = false;
    emit synced();
    if (dialog_.ended() && !endSignalled_) {
        endSignalled_ = true;
        emit finished(dialog_.result());
    }
}

QString QtDialogView::labelText(const Entry& e) const {
    const QString t = qs(e.control->text());
    auto* label = qobject_cast<QLabel*>(e.widget);
    if (label && !label->buddy()) return withoutMnemonics(t);
    return t;
}

void QtDialogView::syncEntry(Entry& e, bool force) {
    Control& c = *e.control;
    if (!force && c.revision() == e.seen) return;
    e.seen = c.revision();
    QWidget* w = e.widget;
    if (w->isVisibleTo(this) != c.visible() || force) w->setVisible(c.visible());
    if (w->isEnabled() != c.enabled()) w->setEnabled(c.enabled());
    switch (c.kind()) {
    case ControlKind::Label:
        if (static_cast<QLabel*>(w)->text() != labelText(e)) static_cast<QLabel*>(w)->setText(labelText(e));
        break;
    case ControlKind::Edit: syncEdit(e); break;
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
        auto* b = static_cast<QAbstractButton*>(w);
        if (b->text() != qs(c.text())) b->setText(qs(c.text()));
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
            Qt::CheckState s = c.checked() == 0 ? Qt::Unchecked : c.checked() == 1 ? Qt::Checked : Qt::PartiallyChecked;
            if (box->checkState() != s) box->setCheckState(s);
        } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            if (radio->isChecked() != (c.checked() != 0)) radio->setChecked(c.checked() != 0);
        }
        break;
    }
    case ControlKind::GroupBox:
        if (static_cast<QGroupBox*>(w)->title() != qs(c.text())) static_cast<QGroupBox*>(w)->setTitle(qs(c.text()));
        break;
    case ControlKind::ListBox: syncList(e, force); break;
    case ControlKind::ComboBox: syncCombo(e, force); break;
    case ControlKind::OwnerDraw: w->update(); break;
    case ControlKind::SpinButton:
    case ControlKind::Icon: break;
    }
}

void QtDialogView::syncEdit(Entry& e) {
    Control& c = *e.control;
    if (auto* edit = qobject_cast<QLineEdit*>(e.widget)) {
        // The limit counts characters; every character Windows-1252 holds is one QChar.
        const int limit = c.limit() > 0 ? c.limit() : 32767;
        if (edit->maxLength() != limit) edit->setMaxLength(limit);
        const QString text = qs(c.text());
        if (edit->text() != text) {
            const int caret = edit->cursorPosition();
            edit->setText(text);
            if (edit->hasFocus()) edit->setCursorPosition(std::min<int>(caret, static_cast<int>(text.size())));
        }
        if (c.selectionStart() != e.selStart || c.selectionEnd() != e.selEnd) {
            e.selStart = c.selectionStart();
            e.selEnd = c.selectionEnd();
            if (e.selStart == e.selEnd) edit->setCursorPosition(e.selEnd);
            else edit->setSelection(e.selStart, e.selEnd - e.selStart);
        }
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(e.widget)) {
        const QString text = toWidgetLines(c.text());
        if (edit->toPlainText() != text) {
            QTextCursor cursor = edit->textCursor();
            const int caret = cursor.position();
            edit->setPlainText(text);
            cursor = edit->textCursor();
            cursor.setPosition(std::min<int>(caret, static_cast<int>(text.size())));
            edit->setTextCursor(cursor);
        }
    }
}

void QtDialogView::syncList(Entry& e, bool force) {
    Control& c = *e.control;
    QAbstractItemView* v = e.view;
    QStandardItemModel* m = e.model;
    const double du = dialogUnit();
    if (force || c.tabStops() != e.tabStops || c.columnTitles() != e.titles) {
        e.tabStops = c.tabStops();
        e.titles = c.columnTitles();
        if (auto* tree = qobject_cast<QTreeView*>(v)) {
            const int columns = std::max<int>(static_cast<int>(e.tabStops.size()) + 1, static_cast<int>(e.titles.size()));
            m->setColumnCount(columns);
            QStringList titles;
            for (int i = 0; i < columns; ++i)
                titles << (i < static_cast<int>(e.titles.size()) ? qs(e.titles[static_cast<std::size_t>(i)]) : QString());
            m->setHorizontalHeaderLabels(titles);
            tree->setHeaderHidden(e.titles.empty());
            int previous = 0;
            for (std::size_t i = 0; i < e.tabStops.size(); ++i) {
                tree->header()->resizeSection(static_cast<int>(i),
                                              std::max(8, static_cast<int>(std::lround((e.tabStops[i] - previous) * du))));
                previous = e.tabStops[i];
            }
        }
        if (auto* list = qobject_cast<QListView*>(v); list && e.has(cs::multiColumn)) {
            const int columnWidth = c.layout().columnWidth > 0 ? static_cast<int>(std::lround(c.layout().columnWidth * du))
                                                               : 16 * averageCharWidth();
            list->setGridSize(QSize(columnWidth, list->fontMetrics().lineSpacing() + 2));
        }
    }
    std::vector<std::string> texts = c.texts();
    if (force || texts != e.items) {
        e.items = texts;
        const int columns = std::max(1, m->columnCount());
        m->setRowCount(0);
        m->setRowCount(static_cast<int>(texts.size()));
        for (int row = 0; row < static_cast<int>(texts.size()); ++row) {
            if (e.tabbed) {
                std::vector<std::string> cells = splitTabs(texts[static_cast<std::size_t>(row)]);
                for (int col = 0; col < columns && col < static_cast<int>(cells.size()); ++col) {
                    QString cell = qs(cells[static_cast<std::size_t>(col)]);
                    // Text past the last column stays in it, as a tabbed list box shows it.
                    if (col == columns - 1)
                        for (std::size_t rest = static_cast<std::size_t>(col) + 1; rest < cells.size(); ++rest)
                            cell += QLatin1String("    ") + qs(cells[rest]);
                    m->setItem(row, col, new QStandardItem(cell));
                }
            } else {
                m->setItem(row, 0, new QStandardItem(qs(texts[static_cast<std::size_t>(row)])));
            }
        }
        e.top = -1;
        // A list of one or two rows shows exactly that many whole rows.
        const int rows = c.layout().height;
        if (rows > 0 && rows <= 2 && c.count() > 0 && !e.tabbed)
            v->setFixedHeight(v->sizeHintForRow(0) * rows + 2 * static_cast<QFrame*>(v)->frameWidth());
    }
    // Selection and caret.
    QItemSelectionModel* sel = v->selectionModel();
    if (!e.has(cs::noSelection)) {
        QItemSelection wanted;
        for (int row = 0; row < c.count(); ++row)
            if (c.isSelected(row)) wanted.select(m->index(row, 0), m->index(row, std::max(0, m->columnCount() - 1)));
        QItemSelection current = sel->selection();
        std::set<int> have, want;
        for (const QModelIndex& i : current.indexes()) have.insert(i.row());
        for (const QModelIndex& i : wanted.indexes()) want.insert(i.row());
        if (have != want) sel->select(wanted, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        const int caret = c.selectedRow();
        if (caret >= 0 && sel->currentIndex().row() != caret)
            sel->setCurrentIndex(m->index(caret, 0), QItemSelectionModel::NoUpdate);
        if (caret >= 0 && c.topRow() == e.top) v->scrollTo(m->index(caret, 0), QAbstractItemView::EnsureVisible);
    }
    if (c.topRow() != e.top) {
        e.top = c.topRow();
        if (e.top >= 0 && e.top < c.count()) {
            if (e.has(cs::multiColumn)) v->scrollTo(m->index(e.top, 0), QAbstractItemView::EnsureVisible);
            else v->scrollTo(m->index(e.top, 0), QAbstractItemView::PositionAtTop);
        }
    }
}

void QtDialogView::syncCombo(Entry& e, bool force) {
    Control& c = *e.control;
    auto* combo = static_cast<QComboBox*>(e.widget);
    std::vector<std::string> texts = c.texts();
    if (force || texts != e.items) {
        e.items = texts;
        combo->clear();
        QStringList rows;
        for (const auto& t : texts) rows << qs(t);
        combo->addItems(rows);
    }
    if (combo->currentIndex() != c.selectedRow()) combo->setCurrentIndex(c.selectedRow());
    if (combo->isEditable()) {
        const QString text = c.selectedRow() >= 0 && c.text().empty() ? qs(c.itemText(c.selectedRow())) : qs(c.text());
        if (combo->currentText() != text) combo->setEditText(text);
        if (c.limit() > 0 && combo->lineEdit()->maxLength() != c.limit()) combo->lineEdit()->setMaxLength(c.limit());
    }
}

void QtDialogView::syncDialog(bool force) {
    if (!force && dialog_.revision() == dialogSeen_) return;
    dialogSeen_ = dialog_.revision();
    if (force || dialog_.caption() != captionSeen_) {
        captionSeen_ = dialog_.caption();
        setWindowTitle(qs(captionSeen_));
        emit captionChanged(qs(captionSeen_));
    }
    if (force || dialog_.focusedControl() != focusSeen_) {
        focusSeen_ = dialog_.focusedControl();
        if (QWidget* w = widgetOf(focusSeen_)) w->setFocus(Qt::OtherFocusReason);
    }
    if (force || !(dialog_.offset() == offsetSeen_)) {
        offsetSeen_ = dialog_.offset();
        emit offsetChanged();
    }
}

// ---- widgets to model ----

void QtDialogView::drive(const std::function<void()>& op) {
    ++depth_;
    try {
        op();
    } catch (const std::exception& ex) {
        // A model that refuses an action must not take the program down.
        qCritical("dialog %d: %s", dialog_.templateId(), ex.what());
    }
    --depth_;
    sync();
}

void QtDialogView::onClicked(Entry& e) {
    if (e.id() <= 0) {
        sync();
        return;
    }
    if (pressFilter_ && pressFilter_(e.id())) {
        e.seen = 0;
        sync(); // put a check box back as the model has it
        return;
    }
    lastPressed_ = e.id();
    // The widget may have changed itself (a check box toggles): show the model's state even if it did not change.
    e.seen = 0;
    drive([&] { dialog_.press(e.id()); });
}

bool QtDialogView::refuse(Entry& e, const std::string& text) {
    const std::string bad = firstUnrepresentable(text);
    if (bad.empty()) return false;
    showHint(e, qs(substitute(stringText(sid::charNotStorable), bad)));
    return true;
}

void QtDialogView::showHint(Entry& e, const QString& hint) {
    lastHint_ = hint;
    QToolTip::showText(e.widget->mapToGlobal(QPoint(0, e.widget->height())), hint, e.widget);
    QApplication::beep();
    if (hintSink_) hintSink_(hint);
    else if (dialog_.attached()) dialog_.host().setStatusText(0, utf8(hint));
}

void QtDialogView::onEdited(Entry& e, const QString& text) {
    Control& c = *e.control;
    const std::string value = c.kind() == ControlKind::Edit && e.has(cs::multiLine) ? toModelLines(text) : utf8(text);
    const bool tooLong = c.limit() > 0 && static_cast<int>(charCount(value)) > c.limit();
    if (refuse(e, value) || tooLong) {
        // Keep the previous text, the caret where the refused input began.
        updating_ = true;
        if (auto* edit = qobject_cast<QLineEdit*>(e.widget->focusProxy() ? e.widget->focusProxy() : e.widget)) {
            const int caret = edit->cursorPosition() - static_cast<int>(text.size() - qs(c.text()).size());
            edit->setText(qs(c.text()));
            edit->setCursorPosition(std::max(0, caret));
        } else if (auto* combo = qobject_cast<QComboBox*>(e.widget)) {
            combo->setEditText(qs(c.text()));
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(e.widget)) {
            QTextCursor cursor = plain->textCursor();
            const int caret = cursor.position() - static_cast<int>(text.size() - toWidgetLines(c.text()).size());
            plain->setPlainText(toWidgetLines(c.text()));
            cursor = plain->textCursor();
            cursor.setPosition(std::clamp(caret, 0, static_cast<int>(plain->toPlainText().size())));
            plain->setTextCursor(cursor);
        }
        updating_ = false;
        return;
    }
    e.seen = 0;
    drive([&] {
        dialog_.type(e.id(), value);
        // The caret the user has is the one the model would report after typing.
        e.selStart = e.control->selectionStart();
        e.selEnd = e.control->selectionEnd();
    });
}

void QtDialogView::onListSelection(Entry& e) {
    Control& c = *e.control;
    if (e.has(cs::noSelection)) return;
    e.seen = 0; // the widget changed itself: it shows the model's selection afterwards, changed or not
    std::set<int> rows;
    for (const QModelIndex& i : e.view->selectionModel()->selectedRows()) rows.insert(i.row());
    if (!c.multiSelect()) {
        const int row = rows.empty() ? -1 : *rows.begin();
        if (row != c.selectedRow() || (row >= 0 && !c.isSelected(row))) drive([&] { dialog_.select(e.id(), row); });
        return;
    }
    std::vector<int> differing;
    for (int row = 0; row < c.count(); ++row)
        if (c.isSelected(row) != (rows.count(row) != 0)) differing.push_back(row);
    if (differing.empty()) return;
    if (differing.size() == 1) drive([&] { dialog_.toggleRow(e.id(), differing.front()); });
    else drive([&] { dialog_.selectRows(e.id(), std::vector<int>(rows.begin(), rows.end())); });
}

QtDialogView::Entry* QtDialogView::defaultButton() {
    Entry* ok = nullptr;
    for (auto& e : entries_) {
        if (!e->control || e->kind() != ControlKind::Button) continue;
        if (e->has(cs::defaultButton)) return e.get();
        if (e->id() == IDOK) ok = e.get();
    }
    return ok;
}

void QtDialogView::pressDefault() {
    Entry* e = defaultButton();
    if (!e || !e->control->visible() || !e->control->enabled()) return;
    onClicked(*e);
}

void QtDialogView::requestClose() { drive([&] { dialog_.close(); }); }

bool QtDialogView::onKey(Entry& e, QObject* watched, QKeyEvent* k) {
    const KeyEvent ev = keyEventOf(k);
    bool handled = false;
    if (e.id() > 0) {
        drive([&] { handled = dialog_.key(e.id(), ev); });
        if (handled) return true;
    }
    (void)watched;
    const bool multiLineEdit = e.kind() == ControlKind::Edit && e.has(cs::multiLine);
    switch (ev.key) {
    case Key::Return:
        if (multiLineEdit && !ev.control) return false;
        if (e.kind() == ControlKind::Button) {
            if (e.control->enabled()) onClicked(e);
            return true;
        }
        if (e.kind() == ControlKind::ComboBox) {
            if (auto* combo = static_cast<QComboBox*>(e.widget); combo->view()->isVisible()) return false;
        }
        pressDefault();
        return true;
    case Key::Escape:
        if (e.kind() == ControlKind::ComboBox && static_cast<QComboBox*>(e.widget)->view()->isVisible()) return false;
        if (!embedded_) requestClose();
        return true;
    case Key::F1: {
        if (dialog_.attached()) dialog_.host().showHelpTopic(dialog_.templateId());
        return true;
    }
    default: return false;
    }
}

bool QtDialogView::eventFilter(QObject* watched, QEvent* event) {
    auto it = byObject_.find(watched);
    if (it == byObject_.end()) return QWidget::eventFilter(watched, event);
    Entry& e = *it->second;
    switch (event->type()) {
    case QEvent::KeyPress: return onKey(e, watched, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        if (e.id() > 0 && dialog_.focusedControl() != e.id() && !updating_) {
            drive([&] { dialog_.focus(e.id()); });
            focusSeen_ = dialog_.focusedControl();
        }
        break;
    case QEvent::MouseMove:
        if (e.view && watched == e.view->viewport() && e.id() > 0) {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            const QModelIndex i = e.view->indexAt(p);
            drive([&] { dialog_.mouse(e.id(), MouseEvent{MouseAction::Move, {p.x(), p.y()}, i.isValid() ? i.row() : -1}); });
        }
        break;
    case QEvent::Leave:
        if (e.view && watched == e.view->viewport() && e.id() > 0)
            drive([&] { dialog_.mouse(e.id(), MouseEvent{MouseAction::Leave, {}, -1}); });
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- the modal window ----

QtDialogWindow::QtDialogWindow(Dialog& dialog, QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new QtDialogView(dialog, this);
    layout->addWidget(view_);
    setWindowTitle(qs(dialog.caption()));
    connect(view_, &QtDialogView::captionChanged, this, &QWidget::setWindowTitle);
    connect(view_, &QtDialogView::finished, this, [this](int result) { done(result); });
    connect(view_, &QtDialogView::offsetChanged, this, [this] {
        if (isVisible()) place();
    });
}

void QtDialogWindow::reject() {
    // Escape that reached the window itself, as the close box.
    if (!view_->dialog().ended()) view_->requestClose();
}

void QtDialogWindow::closeEvent(QCloseEvent* event) {
    if (!view_->dialog().ended()) view_->requestClose();
    if (view_->dialog().ended()) event->accept();
    else event->ignore();
}

void QtDialogWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    place();
}

void QtDialogWindow::place() {
    QRect area;
    if (QWidget* p = parentWidget()) area = p->window()->frameGeometry();
    else if (const QScreen* s = screen()) area = s->availableGeometry();
    const Point offset = view_->dialog().offset();
    const QSize size = frameGeometry().size();
    QPoint at = area.center() - QPoint(size.width() / 2, size.height() / 2) + QPoint(offset.x, offset.y);
    // Keep the whole window on its screen, even over a small main window.
    if (const QScreen* s = screen()) {
        const QRect screenArea = s->availableGeometry();
        at.setX(std::clamp(at.x(), screenArea.left(), std::max(screenArea.left(), screenArea.right() - size.width())));
        at.setY(std::clamp(at.y(), screenArea.top(), std::max(screenArea.top(), screenArea.bottom() - size.height())));
    }
    move(at);
}

} // namespace orvek
