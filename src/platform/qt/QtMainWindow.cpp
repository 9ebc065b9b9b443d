#include "platform/qt/QtMainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "platform/qt/QtConvert.h"
#include "platform/qt/QtDialogView.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtIcons.h"
#include "resources/HelpTopics.h"
#include "resources/Menu.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "shell/Commands.h"
#include "shell/MainFrame.h"
#include "shell/MainPanel.h"

namespace orvek {

namespace {
// Menus highlight disabled items too, so that their prompt shows in the
// status bar as for the others.
class MenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_Menu_AllowActiveAndDisabled) return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};
} // namespace

QtMainWindow::QtMainWindow(MainFrame& frame, QWidget* parent) : QMainWindow(parent), frame_(frame) {
    setWindowIcon(programIcon());

    // Menu bar: pop-ups, separators and the commands at the top level.
    for (const MenuTemplate& top : frame_.menu()) {
        if (top.items.empty()) {
            if (top.command > 0) menuBar()->addAction(commandAction(top.command, qs(top.text), this));
            continue;
        }
        QMenu* menu = menuBar()->addMenu(qs(top.text));
        addMenuItems(menu, top.items);
    }
    // The style is a child of the window: widgets go before other children, so it outlives the menus.
    auto* menuStyle = new MenuStyle;
    menuStyle->setParent(this);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) menu->setStyle(menuStyle);

    // Accelerators: window-wide shortcuts that run their command.
    for (const Accelerator& a : accelerators()) {
        auto* shortcut = new QAction(this);
        shortcut->setShortcut(QKeySequence(QString::fromLatin1(a.keys)));
        shortcut->setShortcutContext(Qt::WindowShortcut);
        const int c = a.command;
        connect(shortcut, &QAction::triggered, this, [this, c] { command(c); });
        addAction(shortcut);
    }

    // Toolbar.
    toolbar_ = addToolBar(QString());
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(22, 22));
    toolbar_->installEventFilter(this);
    for (int c : frame_.toolbar()) {
        if (c == 0) {
            toolbar_->addSeparator();
            continue;
        }
        QAction* a = new QAction(commandIcon(c), qs(frame_.tooltip(c)), toolbar_);
        a->setToolTip(qs(frame_.tooltip(c)));
        a->setData(c);
        connect(a, &QAction::triggered, this, [this, c] { command(c); });
        connect(a, &QAction::hovered, this, [this, c] { showPrompt(c); });
        toolbar_->addAction(a);
        toolbarActions_[c] = a;
    }

    // Status bar: prompts (stretching) and the date pane.
    panes_[0] = new QLabel(this);
    panes_[1] = new QLabel(qs(frame_.datePaneText()), this);
    panes_[1]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panes_[1]->setToolTip(qs(stringText(59142)));
    statusBar()->addWidget(panes_[0], 1);
    statusBar()->addPermanentWidget(panes_[1]);

    // Central area: the main-menu panel, or the (empty) report view behind it.
    central_ = new QStackedWidget(this);
    auto* panelPage = new QWidget(central_);
    auto* panelLayout = new QVBoxLayout(panelPage);
    panel_ = new QtDialogView(frame_.panel(), panelPage);
    panel_->setEmbedded(true);
    panelLayout->addWidget(panel_, 0, Qt::AlignHCenter | Qt::AlignTop);
    panelLayout->addStretch(1);
    auto* reportPage = new QWidget(central_);
    reportPage->setAutoFillBackground(true);
    reportPage->setBackgroundRole(QPalette::Base);
    central_->addWidget(panelPage);
    central_->addWidget(reportPage);
    setCentralWidget(central_);

    panel_->setPressFilter([this](int id) {
        if (!helpMode_) return false;
        leaveContextHelp();
        frame_.host().showHelpTopic(panelButtonContext(id));
        return true;
    });
    connect(panel_, &QtDialogView::synced, this, [this] { updateEnabling(); });

    if (auto* host = dynamic_cast<QtHost*>(&frame_.host())) {
        host->setMainWindow(this);
        host->setStatusSink([this](int pane, const std::string& text) { setStatusText(pane, text); });
    }
    frame_.setRefreshHandler([this] { refresh(); });
    frame_.setCloseHandler([this] {
        closeAllowed_ = true;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });

    maximisable_ = !frame_.panelVisible();
    setWindowFlag(Qt::WindowMaximizeButtonHint, maximisable_);
    refresh();
    // The window fits the panel.
    resize(sizeHint().expandedTo(QSize(640, 420)));
}

QtMainWindow::~QtMainWindow() {
    leaveContextHelp();
    frame_.setRefreshHandler({});
    frame_.setCloseHandler({});
    if (auto* host = dynamic_cast<QtHost*>(&frame_.host())) {
        host->setStatusSink({});
        host->setMainWindow(nullptr);
    }
}

QAction* QtMainWindow::commandAction(int c, const QString& text, QObject* owner) {
    auto* a = new QAction(text, owner);
    a->setData(c);
    connect(a, &QAction::triggered, this, [this, c] { command(c); });
    connect(a, &QAction::hovered, this, [this, c] { showPrompt(c); });
    menuActions_[c] = a;
    return a;
}

void QtMainWindow::addMenuItems(QMenu* menu, const std::vector<MenuTemplate>& items) {
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateMenu(menu); });
    connect(menu, &QMenu::aboutToHide, this, [this] { showIdle(); });
    for (const MenuTemplate& item : items) {
        if (item.separator()) {
            menu->addSeparator();
        } else if (!item.items.empty()) {
            QMenu* sub = menu->addMenu(qs(item.text));
            addMenuItems(sub, item.items);
        } else {
            menu->addAction(commandAction(item.command, qs(item.text), menu));
        }
    }
}

void QtMainWindow::updateMenu(QMenu* menu) {
    for (QAction* a : menu->actions()) {
        if (QMenu* sub = a->menu()) {
            updateMenu(sub);
            continue;
        }
        if (int c = a->data().toInt(); c > 0) a->setEnabled(frame_.isEnabled(c));
    }
}

void QtMainWindow::updateEnabling() {
    for (auto& [c, a] : toolbarActions_) a->setEnabled(frame_.isEnabled(c));
    for (QAction* a : menuBar()->actions())
        if (int c = a->data().toInt(); c > 0 && !a->menu()) a->setEnabled(frame_.isEnabled(c));
}

void QtMainWindow::refresh() {
    const QString title = qs(frame_.title());
    if (windowTitle() != title) setWindowTitle(title);
    panel_->sync();
    central_->setCurrentIndex(frame_.panelVisible() ? 0 : 1);
    // No maximise button while the main menu is shown.
    const bool maximisable = !frame_.panelVisible();
    if (maximisable != maximisable_) {
        maximisable_ = maximisable;
        const bool shown = isVisible();
        setWindowFlag(Qt::WindowMaximizeButtonHint, maximisable_);
        if (shown) show();
    }
    updateEnabling();
}

void QtMainWindow::command(int c) {
    if (helpMode_) {
        leaveContextHelp();
        frame_.host().showHelpTopic(c);
        return;
    }
    if (c == cmd::contextHelp) {
        enterContextHelp();
        return;
    }
    if (!frame_.isEnabled(c)) return;
    frame_.execute(c);
    refresh();
}

void QtMainWindow::enterContextHelp() {
    if (helpMode_) return;
    helpMode_ = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
    panes_[0]->setText(qs(stringText(sid::contextHelpPrompt)));
}

void QtMainWindow::leaveContextHelp() {
    if (!helpMode_) return;
    helpMode_ = false;
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
    showIdle();
}

QLabel* QtMainWindow::statusPane(int pane) const { return pane >= 0 && pane < 2 ? panes_[pane] : nullptr; }

QAction* QtMainWindow::menuAction(int c) const {
    auto it = menuActions_.find(c);
    return it == menuActions_.end() ? nullptr : it->second;
}

QAction* QtMainWindow::toolbarAction(int c) const {
    auto it = toolbarActions_.find(c);
    return it == toolbarActions_.end() ? nullptr : it->second;
}

void QtMainWindow::setStatusText(int pane, const std::string& text) {
    if (pane == 0) idleText_ = qs(text);
    if (QLabel* l = statusPane(pane)) l->setText(qs(text));
}

void QtMainWindow::showPrompt(int c) {
    if (helpMode_) return;
    panes_[0]->setText(qs(frame_.prompt(c)));
}

void QtMainWindow::showIdle() {
    if (helpMode_) return;
    panes_[0]->setText(idleText_);
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
    if (!closeAllowed_ && frame_.requestClose()) closeAllowed_ = true;
    if (closeAllowed_) {
        event->accept();
        return;
    }
    event->ignore();
    refresh();
}

bool QtMainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == toolbar_ && event->type() == QEvent::Leave) showIdle();
    if (helpMode_ && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        leaveContextHelp();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace orvek
