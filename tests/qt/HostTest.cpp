// QtHost: message boxes, conversions of colours and fonts, help, pictures.

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFontInfo>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTest>
#include <QTimer>

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "platform/Dialog.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtHelpWindow.h"
#include "platform/qt/QtHost.h"
#include "resources/HelpTopics.h"

namespace orvek {
namespace {

// Runs `inspect` on the next modal widget of type W once it is shown.
template <class W, class F>
void whenShown(F inspect) {
    QTimer::singleShot(0, [inspect] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) inspect(w);
        else whenShown<W>(inspect);
    });
}

TEST(QtHostMessageBox, buttonsDefaultAndResult) {
    struct Case {
        Buttons buttons;
        int defaultButton;
        QStringList texts;
        QString defaultText;
        int click;     // index of the button clicked
        int result;
    };
    const Case cases[] = {
        {Buttons::Ok, 0, {"OK"}, "OK", 0, IDOK},
        {Buttons::OkCancel, 0, {"OK", "Peruuta"}, "OK", 1, IDCANCEL},
        {Buttons::OkCancel, IDCANCEL, {"OK", "Peruuta"}, "Peruuta", 0, IDOK},
        {Buttons::YesNo, IDYES, {"Kyllä", "Ei"}, "Kyllä", 1, IDNO},
        {Buttons::YesNo, IDNO, {"Kyllä", "Ei"}, "Ei", 0, IDYES},
    };
    QtHost host;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.defaultText.toStdString());
        QStringList texts;
        QString defaultText, title, text;
        whenShown<QMessageBox>([&, c](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            for (QAbstractButton* b : box->buttons()) texts << b->text();
            defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
            // Buttons are listed in the order the platform lays them out; click by text.
            for (QAbstractButton* b : box->buttons())
                if (b->text() == c.texts[c.click]) b->click();
        });
        const int result = host.messageBox({"Poistetaanko?", "", c.buttons, Icon::Question, c.defaultButton});
        EXPECT_EQ(result, c.result);
        texts.sort();
        QStringList expected = c.texts;
        expected.sort();
        EXPECT_EQ(texts, expected);
        EXPECT_EQ(defaultText, c.defaultText);
        EXPECT_EQ(title, QStringLiteral("Orvek"));
        EXPECT_EQ(text, QStringLiteral("Poistetaanko?"));
    }
}

TEST(QtHostMessageBox, escapeAnswersCancelOrNo) {
    QtHost host;
    for (auto [buttons, expected] : {std::pair{Buttons::OkCancel, IDCANCEL}, std::pair{Buttons::YesNo, IDNO}}) {
        QString title;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            box->escapeButton()->click();
        });
        EXPECT_EQ(host.messageBox({"?", "Oma otsikko", buttons, Icon::Warning, 0}), expected);
        EXPECT_EQ(title, QStringLiteral("Oma otsikko"));
    }
}

TEST(QtConvert, coloursAreStoredAsBlueGreenRed) {
    struct Case {
        Colour stored;
        QColor colour;
    };
    const Case cases[] = {
        {0x000000FF, QColor(255, 0, 0)},     {0x0000FF00, QColor(0, 255, 0)}, {0x00FF0000, QColor(0, 0, 255)},
        {0x00123456, QColor(0x56, 0x34, 0x12)}, {0x00FFFFFF, QColor(255, 255, 255)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toQColor(c.stored), c.colour);
        EXPECT_EQ(fromQColor(c.colour), c.stored);
    }
}

TEST(QtConvert, fontSpecToQFontAndBack) {
    FontSpec spec;
    spec.height = -19;
    spec.weight = 700;
    spec.italic = true;
    spec.underline = true;
    spec.strikeOut = true;
    spec.faceName = "Times New Roman";
    spec.charSet = 1;
    spec.outPrecision = 3;
    spec.quality = 2;
    spec.pitchAndFamily = 18;
    spec.colour = rgb(1, 2, 3);
    const QFont font = toQFont(spec);
    EXPECT_EQ(font.pixelSize(), 19);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Serif"));
    // The fields Qt does not know come back as they were.
    EXPECT_EQ(fromQFont(font, spec), spec);

    FontSpec regular;
    regular.faceName = "Arial";
    regular.height = -13;
    EXPECT_EQ(QFontInfo(toQFont(regular)).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(fromQFont(toQFont(regular), regular), regular);
}

TEST(QtConvert, aPositiveHeightIsTheCellHeight) {
    FontSpec spec;
    spec.height = 40;
    const QFontMetrics m(toQFont(spec));
    EXPECT_NEAR(m.height(), 40, 2);
    EXPECT_LT(toQFont(spec).pixelSize(), 40);
}

TEST(QtConvert, aFontFromTheChooserKeepsTheStoredFields) {
    FontSpec stored;
    stored.faceName = "Arial";
    stored.charSet = 0;
    stored.quality = 4;
    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPointSize(12); // the chooser gives points: 16 pixels at 96 dpi
    chosen.setBold(true);
    const FontSpec back = fromQFont(chosen, stored);
    EXPECT_EQ(back.faceName, "Liberation Serif");
    EXPECT_EQ(back.weight, 700);
    EXPECT_EQ(back.quality, 4);
    EXPECT_LT(back.height, 0);
}

TEST(QtConvert, mnemonicsAreRemovedForWidgetsWithout) {
    EXPECT_EQ(withoutMnemonics(QStringLiteral("&Nimi")), QStringLiteral("Nimi"));
    EXPECT_EQ(withoutMnemonics(QStringLiteral("Puhe && johtaja")), QStringLiteral("Puhe & johtaja"));
}

TEST(QtHostServices, aDialogThatEndsInItsInitIsNotShown) {
    QtHost host;
    // A template that lives as long as the dialog.
    static const DialogTemplate t{.id = 90100, .caption = "X"};
    struct Ends : Dialog {
        Ends() : Dialog(t) {}
        void onInit() override { endDialog(5); }
    } dialog;
    EXPECT_EQ(host.runDialog(dialog), 5);
    EXPECT_TRUE(dialog.attached());
}

TEST(QtHostServices, runDialogShowsTheDialogModally) {
    static const DialogTemplate t{.id = 90101,
                                  .caption = "Valinta",
                                  .controls = {{.id = 1, .kind = ControlKind::Button, .text = "OK"}}};
    QtHost host;
    Dialog dialog(t);
    QString title;
    whenShown<QDialog>([&](QDialog* d) {
        title = d->windowTitle();
        d->findChild<QPushButton*>()->click();
    });
    EXPECT_EQ(host.runDialog(dialog), IDOK);
    EXPECT_EQ(title, QStringLiteral("Valinta"));
}

TEST(QtHostServices, popupMenuReturnsTheChosenCommand) {
    QtHost host;
    QStringList texts;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) texts << a->text() + (a->isEnabled() ? "" : " (pois)");
        menu->setActiveAction(menu->actions().last());
        QTest::keyClick(menu, Qt::Key_Return);
    });
    const int chosen = host.popupMenu({{32883, "Muistutus", true}, {0, "", true}, {32885, "Kirje", false}, {32887, "Vaihto", true}},
                                      {10, 10});
    EXPECT_EQ(chosen, 32887);
    EXPECT_EQ(texts, (QStringList{"Muistutus", "Kirje (pois)", "Vaihto"}));
}

TEST(QtHostServices, helpPagesComeFromTheCompiledGuide) {
    QtHost host;
    host.showHelpContents();
    ASSERT_NE(host.helpWindow(), nullptr);
    EXPECT_EQ(host.helpWindow()->currentPage(), QStringLiteral("index.html"));
    EXPECT_FALSE(host.helpWindow()->browser()->toPlainText().isEmpty());
    // The pages take their look from the guide's one style sheet.
    bool styled = false;
    for (QTextBlock b = host.helpWindow()->browser()->document()->begin(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() == 1)
            styled = b.charFormat().foreground().color() == QColor(0x1f, 0x3f, 0x6f) ||
                     b.begin().fragment().charFormat().foreground().color() == QColor(0x1f, 0x3f, 0x6f);
    EXPECT_TRUE(styled);
    host.showHelpIndex();
    EXPECT_EQ(host.helpWindow()->currentPage(), QStringLiteral("hakemisto.html"));
    // Every topic of the table is a page of the compiled guide.
    for (int context : {32844, 32768, 57664, 100, 143, panelButtonContext(110), 1}) {
        EXPECT_TRUE(host.helpWindow()->showPage(qs(helpTopicFile(context)))) << context;
        host.showHelpTopic(context);
        const std::string file(helpTopicFile(context));
        EXPECT_EQ(host.helpWindow()->currentPage(), qs(file.substr(0, file.find('#')))) << context;
    }
    for (std::string_view file : helpFiles()) EXPECT_TRUE(host.helpWindow()->showPage(qs(file))) << file;
    EXPECT_FALSE(host.helpWindow()->showPage(QStringLiteral("ei-ole.html")));
    host.helpWindow()->close();
}

TEST(QtHostServices, picturesDecodeFromFileBytes) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "JPG"));
    QtHost host;
    auto picture = host.decodePicture(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), (Size{64, 48}));
    EXPECT_EQ(host.decodePicture({'n', 'o', 't'}), nullptr);
    EXPECT_EQ(host.decodePicture({}), nullptr);
}

TEST(QtHostServices, clipboardHoldsTheText) {
    QtHost host;
    ASSERT_TRUE(host.setClipboardText("Matti Virtanen 040 123"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Matti Virtanen 040 123"));
    host.emptyClipboard();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST(QtHostServices, statusTextGoesToTheSink) {
    QtHost host;
    std::vector<std::pair<int, std::string>> got;
    host.setStatusSink([&](int pane, const std::string& text) { got.emplace_back(pane, text); });
    host.setStatusText(1, "Joulu 24, 2026");
    EXPECT_EQ(got, (std::vector<std::pair<int, std::string>>{{1, "Joulu 24, 2026"}}));
    EXPECT_TRUE(host.pumpMessages());
}

} // namespace
} // namespace orvek
