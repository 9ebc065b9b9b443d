// orvek: the planner's desktop program.
//
//   orvek [--data DIR]
//
// Takes the data folder's lock before any file is touched, starts the
// document, and shows the main window over the main-frame model.

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <filesystem>
#include <system_error>

#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtIcons.h"
#include "platform/qt/QtMainWindow.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "shell/MainFrame.h"
#include "store/Document.h"
#include "store/Text.h"

using namespace orvek;

namespace {

void refuse(QtHost& host, int textId, const std::filesystem::path& folder) {
    host.messageBox({substitute(stringText(textId), pathToUtf8(folder)), {}, Buttons::Ok, Icon::Error, IDOK});
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(qs(stringText(sid::programName)));
    QApplication::setWindowIcon(programIcon());
    installFontSubstitutions();

    // The toolkit's own windows (file, colour, font and print dialogs) in Finnish.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Finnish, QLocale::Finland), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QCommandLineParser parser;
    QCommandLineOption dataOption(QStringLiteral("data"), qs(stringText(sid::dataOption)),
                                  qs(stringText(sid::dataOptionValue)));
    parser.addOption(dataOption);
    parser.process(app);

    const std::filesystem::path folder =
        parser.isSet(dataOption) ? pathFromUtf8(utf8(parser.value(dataOption))) : defaultDataFolder();

    QtHost host;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error)) {
        refuse(host, sid::folderUnusable, folder);
        return 1;
    }

    // One program per data folder: the lock comes before any file is read.
    DataFolderLock lock;
    switch (lock.acquire(folder)) {
    case DataFolderLock::Result::Locked: break;
    case DataFolderLock::Result::Busy: refuse(host, sid::folderLocked, folder); return 1;
    case DataFolderLock::Result::Failed: refuse(host, sid::folderUnusable, folder); return 1;
    }

    LocalFileSystem files;
    SystemClock clock;
    COvDoc doc(files, clock, host, folder);
    if (!doc.startUp()) return 1;

    // ---- Report fonts: loaded here, once the document has started (the
    // settings file is read by then). Not built yet; the call goes here.

    MainFrame frame(doc, host);
    int status = 0;
    {
        QtMainWindow window(frame);
        window.show();
        status = QApplication::exec();
    }

    // ---- Report fonts: saved here to the settings file at exit, before the
    // document and the lock go. Not built yet; the call goes here.

    return status;
}
