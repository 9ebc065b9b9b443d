#pragma once

#include <QMainWindow>

#include <map>
#include <string>

class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;

namespace orvek {

class MainFrame;
struct MenuTemplate;
class QtDialogView;

// The main window over the MainFrame model: title, menu bar, accelerators,
// toolbar, status bar with the menu prompts and the date, and the main-menu
// panel in the central area while no report is shown. Every command goes to
// the model; context help (Shift+F1) is a mode of this window in which the
// next click on a command shows its help topic instead of running it.
class QtMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit QtMainWindow(MainFrame& frame, QWidget* parent = nullptr);
    ~QtMainWindow() override;

    // Brings title, panel, view, enabling and window buttons up to date.
    void refresh();
    // A command from the menu, the toolbar or an accelerator.
    void command(int command);

    bool inContextHelp() const { return helpMode_; }
    void enterContextHelp();
    void leaveContextHelp();

    // For tests and the program: the parts of the window.
    QtDialogView* panelView() const { return panel_; }
    QToolBar* commandBar() const { return toolbar_; }
    QLabel* statusPane(int pane) const;
    // The menu action of a command (nullptr when the menu has none).
    QAction* menuAction(int command) const;
    QAction* toolbarAction(int command) const;
    void setStatusText(int pane, const std::string& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addMenuItems(QMenu* menu, const std::vector<MenuTemplate>& items);
    QAction* commandAction(int command, const QString& text, QObject* owner);
    void updateEnabling();
    void updateMenu(QMenu* menu);
    void showPrompt(int command);
    void showIdle();

    MainFrame& frame_;
    QtDialogView* panel_ = nullptr;
    QStackedWidget* central_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QLabel* panes_[2] = {nullptr, nullptr};
    std::map<int, QAction*> menuActions_;
    std::map<int, QAction*> toolbarActions_;
    QString idleText_;
    bool helpMode_ = false;
    bool closeAllowed_ = false;
    bool maximisable_ = true;
};

} // namespace orvek
