#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QUrl>

#include "platform/Dialog.h"
#include "platform/FileSystem.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtDialogView.h"
#include "platform/qt/QtHelpWindow.h"
#include "platform/qt/QtIcons.h"
#include "resources/HelpTopics.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"

namespace orvek {

namespace {

class QtPagedJob : public PrintJob {
public:
    explicit QtPagedJob(std::unique_ptr<QPagedPaintDevice> device) : device_(std::move(device)) {
        if (painter_.begin(device_.get())) canvas_ = std::make_unique<QtCanvas>(painter_);
    }
    ~QtPagedJob() override { finish(); }
    bool started() const { return canvas_ != nullptr; }
    Canvas& canvas() override { return *canvas_; }
    bool startPage() override {
        if (pages_++ > 0) ok_ = device_->newPage() && ok_;
        return ok_;
    }
    bool endPage() override { return ok_; }
    bool finish() override {
        if (painter_.isActive()) ok_ = painter_.end() && ok_;
        return ok_;
    }

private:
    std::unique_ptr<QPagedPaintDevice> device_;
    QPainter painter_;
    std::unique_ptr<QtCanvas> canvas_;
    int pages_ = 0;
    bool ok_ = true;
};

QString nameFilter(const OpenFileSpec& spec) {
    QStringList patterns;
    for (const QString& p : qs(spec.pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = p.trimmed();
        patterns << pattern;
        // File names on this platform are case-sensitive; the pattern is not meant to be.
        if (pattern.toUpper() != pattern) patterns << pattern.toUpper();
        if (pattern.toLower() != pattern) patterns << pattern.toLower();
    }
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    return QStringLiteral("%1 (%2)").arg(qs(spec.filterName), patterns.join(QLatin1Char(' ')));
}

QString caption(const std::string& text) {
    return text.empty() ? qs(stringText(sid::programName)) : qs(text);
}

} // namespace

std::unique_ptr<PrintJob> pagedPrintJob(std::unique_ptr<QPagedPaintDevice> device) {
    auto job = std::make_unique<QtPagedJob>(std::move(device));
    if (!job->started()) return nullptr;
    return job;
}

QtHost::QtHost() {
    if (QCoreApplication* app = QCoreApplication::instance())
        QObject::connect(app, &QCoreApplication::aboutToQuit, &quitWatch_, [this] { quitting_ = true; });
}

QtHost::~QtHost() { delete help_.data(); }

QWidget* QtHost::ownerWindow() const {
    // The dialog on top, else the main window (never the help window, which may be the active one).
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (main_) return main_.data();
    return QApplication::activeWindow();
}

int QtHost::messageBox(const MessageBoxSpec& spec) {
    QMessageBox box(ownerWindow());
    box.setWindowTitle(caption(spec.caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(qs(spec.text));
    switch (spec.icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct Choice {
        int id;
        int textId;
        QMessageBox::ButtonRole role;
    };
    std::vector<Choice> choices;
    switch (spec.buttons) {
    case Buttons::Ok: choices = {{IDOK, sid::buttonOk, QMessageBox::AcceptRole}}; break;
    case Buttons::OkCancel:
        choices = {{IDOK, sid::buttonOk, QMessageBox::AcceptRole}, {IDCANCEL, sid::buttonCancel, QMessageBox::RejectRole}};
        break;
    case Buttons::YesNo:
        choices = {{IDYES, sid::buttonYes, QMessageBox::YesRole}, {IDNO, sid::buttonNo, QMessageBox::NoRole}};
        break;
    }
    std::vector<std::pair<QPushButton*, int>> buttons;
    for (const Choice& c : choices) buttons.emplace_back(box.addButton(qs(stringText(c.textId)), c.role), c.id);
    // The default button is the one asked for, else the first.
    QPushButton* defaultButton = buttons.front().first;
    for (auto& [b, id] : buttons)
        if (id == spec.defaultButton) defaultButton = b;
    box.setDefaultButton(defaultButton);
    // Escape: Cancel, No, or the only button.
    box.setEscapeButton(buttons.back().first);
    box.exec();
    for (auto& [b, id] : buttons)
        if (box.clickedButton() == b) return id;
    return spec.buttons == Buttons::Ok ? IDOK : spec.buttons == Buttons::OkCancel ? IDCANCEL : IDNO;
}

int QtHost::runDialog(Dialog& dialog) {
    dialog.attach(*this);
    dialog.init();
    if (dialog.ended()) return dialog.result();
    QtDialogWindow window(dialog, ownerWindow());
    window.setWindowIcon(programIcon());
    return window.exec();
}

int QtHost::popupMenu(const std::vector<MenuItem>& items, Point at, const Dialog* owner) {
    QtDialogView* view = QtDialogView::viewOf(owner);
    QMenu menu(view ? static_cast<QWidget*>(view) : ownerWindow());
    for (const MenuItem& item : items) {
        if (item.command == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* a = menu.addAction(qs(item.text));
        a->setData(item.command);
        a->setEnabled(item.enabled);
    }
    QPoint global(at.x, at.y);
    if (view) {
        // A menu at no particular point of its dialog opens under the button that asked for it.
        QWidget* pressed = view->widgetOf(view->lastPressed());
        if (at == Point{} && pressed) global = pressed->mapToGlobal(QPoint(0, pressed->height()));
        else global = view->mapToGlobal(global);
    }
    QAction* chosen = menu.exec(global);
    return chosen ? chosen->data().toInt() : 0;
}

std::optional<std::filesystem::path> QtHost::chooseFile(const OpenFileSpec& spec) {
    QFileDialog d(ownerWindow(), qs(spec.title), qs(pathToUtf8(spec.startFolder)));
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(spec.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    d.setNameFilter(nameFilter(spec));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return pathFromUtf8(utf8(d.selectedFiles().front()));
}

std::optional<std::filesystem::path> QtHost::chooseFolder(const std::string& title, const std::filesystem::path& start) {
    const QString folder = QFileDialog::getExistingDirectory(ownerWindow(), qs(title), qs(pathToUtf8(start)));
    if (folder.isEmpty()) return std::nullopt;
    return pathFromUtf8(utf8(folder));
}

std::optional<Colour> QtHost::chooseColour(Colour initial) {
    const QColor c = QColorDialog::getColor(toQColor(initial), ownerWindow());
    if (!c.isValid()) return std::nullopt;
    return fromQColor(c);
}

std::optional<FontSpec> QtHost::chooseFont(const FontSpec& initial, const std::string& caption) {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, toQFont(initial), ownerWindow(), qs(caption));
    if (!ok) return std::nullopt;
    return fromQFont(f, initial);
}

bool QtHost::setClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    clipboard->clear();
    clipboard->setText(qs(text));
    return true;
}

void QtHost::emptyClipboard() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
}

bool QtHost::dial(const std::string& number, const std::string&) {
    QString digits = qs(number).trimmed();
    digits.remove(QLatin1Char(' '));
    if (digits.isEmpty()) return false;
    return QDesktopServices::openUrl(QUrl(QStringLiteral("tel:") + digits));
}

void QtHost::showHelpContents() { showHelpFile(std::string(kHelpContentsFile)); }
void QtHost::showHelpIndex() { showHelpFile(std::string(kHelpIndexFile)); }
void QtHost::showHelpTopic(int contextId) { showHelpFile(std::string(helpTopicFile(contextId))); }

void QtHost::showHelpFile(const std::string& file) {
    if (!help_) help_ = new QtHelpWindow(nullptr);
    help_->showPage(qs(file));
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void QtHost::setStatusText(int pane, const std::string& text) {
    if (status_) status_(pane, text);
}

bool QtHost::pumpMessages() {
    if (quitting_ || QCoreApplication::closingDown()) return false;
    QCoreApplication::processEvents();
    return !quitting_;
}

std::shared_ptr<Picture> QtHost::decodePicture(const std::vector<std::uint8_t>& bytes) {
    QImage image;
    if (bytes.empty() || !image.loadFromData(bytes.data(), static_cast<int>(bytes.size()))) return nullptr;
    return std::make_shared<QtPicture>(std::move(image));
}

bool QtHost::hasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

std::unique_ptr<PrintJob> QtHost::beginPrint(const std::string& documentName, bool askUser) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(qs(documentName));
    if (askUser) {
        QPrintDialog d(printer.get(), ownerWindow());
        if (d.exec() != QDialog::Accepted) return nullptr;
    } else if (!hasDefaultPrinter()) {
        return nullptr;
    }
    return pagedPrintJob(std::move(printer));
}

} // namespace orvek
