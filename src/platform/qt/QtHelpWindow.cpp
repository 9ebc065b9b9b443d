#include "platform/qt/QtHelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/qt/QtConvert.h"
#include "platform/qt/QtIcons.h"
#include "resources/HelpTopics.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Text.h"

namespace orvek {

namespace {
const QString kRoot = QStringLiteral("qrc:/help/");
QString pageName(std::string_view file) { return qs(file); }
} // namespace

QtHelpWindow::QtHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    // The guide does not keep the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(qs(stringText(sid::helpWindowTitle)));
    setWindowIcon(programIcon());
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto button = [&](int textId, const char* themeIcon, QStyle::StandardPixmap fallback) {
        auto* b = new QToolButton(this);
        b->setText(qs(stringText(textId)));
        b->setIcon(QIcon::fromTheme(QLatin1String(themeIcon), style()->standardIcon(fallback)));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        bar->addWidget(b);
        return b;
    };
    back_ = button(sid::helpBack, "go-previous", QStyle::SP_ArrowBack);
    forward_ = button(sid::helpForward, "go-next", QStyle::SP_ArrowForward);
    QToolButton* contents = button(sid::helpContentsButton, "go-home", QStyle::SP_DirHomeIcon);
    QToolButton* index = button(sid::helpIndexButton, "help-contents", QStyle::SP_FileDialogContentsView);
    bar->addStretch();
    layout->addLayout(bar);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    layout->addWidget(browser_);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(contents, &QToolButton::clicked, this, [this] { showPage(pageName(kHelpContentsFile)); });
    connect(index, &QToolButton::clicked, this, [this] { showPage(pageName(kHelpIndexFile)); });
    resize(720, 600);
}

bool QtHelpWindow::showPage(const QString& file) {
    QString name = file;
    QString anchor;
    if (int hash = static_cast<int>(name.indexOf(QLatin1Char('#'))); hash >= 0) {
        anchor = name.mid(hash);
        name.truncate(hash);
    }
    if (!QFile::exists(QStringLiteral(":/help/") + name)) {
        browser_->setHtml(QStringLiteral("<p>%1</p>").arg(
            qs(substitute(stringText(sid::helpPageMissing), utf8(name))).toHtmlEscaped()));
        return false;
    }
    browser_->setSource(QUrl(kRoot + name + anchor));
    return true;
}

QString QtHelpWindow::currentPage() const { return browser_->source().fileName(); }

} // namespace orvek
