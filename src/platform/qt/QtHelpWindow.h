#pragma once

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace orvek {

// The user guide: HTML pages compiled into the program (":/help/"), with
// back, forward, contents and index buttons.
class QtHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit QtHelpWindow(QWidget* parent = nullptr);
    // Shows a page by its file name ("index.html"); false when the guide has none.
    bool showPage(const QString& file);
    QString currentPage() const;
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
};

} // namespace orvek
