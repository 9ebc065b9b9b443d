// The map dialog and the picture loader: loading from the data folder, the
// "CPicture Error" cases, drawing stretched, choosing a file (the name rules
// and the copy into the data folder), and what OK and Cancel hand back.

#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"
#include "refdata/MapDlg.h"
#include "refdata/Picture.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using test::DocFixture;

constexpr int kArea = 1145, kChoose = 3, kHelp = 4;
const Bytes kJpeg{0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3};

struct Maps : ::testing::Test {
    Maps() { f.start(); }
    COvDoc& doc() { return *f.doc; }
    void put(const std::string& path, const Bytes& b) {
        f.fs.files[std::filesystem::path(path).lexically_normal().string()] = b;
    }
    std::optional<Bytes> at(const std::string& path) { return f.fs.readFile(path); }
    std::vector<RecordingCanvas::Call> paint(CMapDlg& d, Rect area) {
        RecordingCanvas canvas;
        d.paint(kArea, canvas, area);
        return canvas.calls();
    }
    DocFixture f;
};

TEST_F(Maps, withoutAMapTheAreaIsEmptyAndTheInstructionsAreOffered) {
    CMapDlg dlg(doc(), "");
    f.host.open(dlg);
    EXPECT_EQ(dlg.caption(), "Kartta");
    EXPECT_TRUE(dlg.control(kHelp).visible());
    EXPECT_TRUE(paint(dlg, {0, 0, 400, 300}).empty());
    EXPECT_TRUE(f.host.messages().empty());
    dlg.press(kHelp);
    const std::string help = f.host.lastMessage();
    for (const char* part : {"JPEG", "27 merkkiä", ".jpg", "tietokansioon", "127 mm", "177,8 mm", "ajo-ohjeet"})
        EXPECT_NE(help.find(part), std::string::npos) << part;
    dlg.press(IDOK);
    EXPECT_EQ(dlg.mapFile(), "");
}

TEST_F(Maps, aPictureFillsTheWholeAreaStretched) {
    put("/data/aura.jpg", kJpeg);
    f.host.pictureSize = {640, 480};
    CMapDlg dlg(doc(), "aura.jpg     ");
    f.host.open(dlg);
    EXPECT_FALSE(dlg.control(kHelp).visible());
    for (Rect area : {Rect{0, 0, 500, 200}, Rect{10, 5, 210, 905}}) {
        auto calls = paint(dlg, area);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].op, RecordingCanvas::Op::Picture);
        EXPECT_EQ(calls[0].rect, area);
    }
    dlg.press(IDOK);
    EXPECT_EQ(dlg.mapFile(), "aura.jpg");
}

TEST_F(Maps, aMissingMapFileIsReportedAndOkClearsTheName) {
    CMapDlg dlg(doc(), "halikko.jpg");
    f.host.open(dlg);
    ASSERT_EQ(f.host.messages().size(), 1u);
    const MessageBoxSpec& m = f.host.messages()[0];
    EXPECT_EQ(m.caption, "CPicture Error");
    EXPECT_EQ(m.icon, Icon::Error);
    EXPECT_EQ(m.text, "Karttatiedostoa halikko.jpg ei löydy tai sitä ei voi lukea.");
    EXPECT_TRUE(dlg.control(kHelp).visible());
    dlg.press(IDOK);
    EXPECT_EQ(dlg.mapFile(), "");
}

TEST_F(Maps, aFileThatIsNotAPictureGivesNoPictureAndNoMessage) {
    put("/data/aura.jpg", Bytes{'G', 'I', 'F', '8'});
    CMapDlg dlg(doc(), "aura.jpg");
    f.host.open(dlg);
    EXPECT_TRUE(f.host.messages().empty());
    EXPECT_TRUE(dlg.control(kHelp).visible());
    EXPECT_TRUE(paint(dlg, {0, 0, 100, 100}).empty());
    dlg.press(IDOK);
    EXPECT_EQ(dlg.mapFile(), "");
}

TEST_F(Maps, aStoredNameThatIsNotBareIsNoMap) {
    put("/salaisuus.jpg", kJpeg);
    put("/data/kuvat/aura.jpg", kJpeg);
    for (const char* name : {"../salaisuus.jpg", "/salaisuus.jpg", "kuvat/aura.jpg", "kuvat\\aura.jpg", "C:aura.jpg",
                             ".."}) {
        CMapDlg dlg(doc(), name);
        f.host.open(dlg);
        EXPECT_TRUE(dlg.control(kHelp).visible()) << name;
        dlg.press(IDOK);
        EXPECT_EQ(dlg.mapFile(), "") << name;
    }
    EXPECT_TRUE(f.host.messages().empty());
}

TEST_F(Maps, aMapChosenInTheDataFolderIsNamedBare) {
    put("/data/aura.jpg", kJpeg);
    f.host.answerFile(std::filesystem::path("/data/aura.jpg"));
    CMapDlg dlg(doc(), "");
    f.host.open(dlg);
    dlg.press(kChoose);
    ASSERT_EQ(f.host.fileChoosersShown().size(), 1u);
    const OpenFileSpec& spec = f.host.fileChoosersShown()[0];
    EXPECT_EQ(spec.title, "valitse  karttatiedosto (JPG)");
    EXPECT_EQ(spec.filterName, "Seurakunnan karttatiedostot (.JPG)");
    EXPECT_EQ(spec.pattern, "*.jpg");
    EXPECT_EQ(spec.startFolder, std::filesystem::path("/data"));
    EXPECT_TRUE(spec.mustExist);
    EXPECT_TRUE(f.host.messages().empty()); // nothing to copy
    EXPECT_FALSE(dlg.control(kHelp).visible());
    EXPECT_EQ(paint(dlg, {0, 0, 50, 50}).size(), 1u);
    dlg.press(IDOK);
    EXPECT_EQ(dlg.mapFile(), "aura.jpg");
}

TEST_F(Maps, aMapFromAnotherFolderIsCopiedIntoTheDataFolderWhenTheUserAgrees) {
    put("/home/kalle/kuvat/halikko.jpg", kJpeg);
    put("/data/vanha.jpg", kJpeg);
    CMapDlg dlg(doc(), "vanha.jpg");
    f.host.open(dlg);
    // No: nothing changes.
    f.host.answerFile(std::filesystem::path("/home/kalle/kuvat/halikko.jpg"));
    f.host.answer(IDNO);
    dlg.press(kChoose);
    EXPECT_EQ(f.host.messages().size(), 1u);
    EXPECT_EQ(f.host.messages()[0].buttons, Buttons::YesNo);
    EXPECT_FALSE(at("/data/halikko.jpg").has_value());
    // Yes: copied, and only the bare name is kept.
    f.host.answerFile(std::filesystem::path("/home/kalle/kuvat/halikko.jpg"));
    f.host.answer(IDYES);
    dlg.press(kChoose);
    EXPECT_EQ(at("/data/halikko.jpg"), kJpeg);
    dlg.press(IDOK);
    EXPECT_EQ(dlg.mapFile(), "halikko.jpg");
}

TEST_F(Maps, anotherFileOfTheSameNameIsReplacedOnlyAfterAsking) {
    const Bytes other{0xFF, 0xD8, 9, 9};
    put("/media/usb/aura.jpg", kJpeg);
    put("/data/aura.jpg", other);
    CMapDlg dlg(doc(), "aura.jpg");
    f.host.open(dlg);
    f.host.answerFile(std::filesystem::path("/media/usb/aura.jpg"));
    f.host.answer(IDYES); // copy
    f.host.answer(IDNO);  // but do not replace
    dlg.press(kChoose);
    EXPECT_EQ(f.host.messages().size(), 2u);
    EXPECT_EQ(f.host.messages()[1].defaultButton, IDNO);
    EXPECT_EQ(at("/data/aura.jpg"), other);
    // The same picture already there: no questions.
    put("/media/usb/aura.jpg", other);
    f.host.answerFile(std::filesystem::path("/media/usb/aura.jpg"));
    dlg.press(kChoose);
    EXPECT_EQ(f.host.messages().size(), 2u);
}

TEST_F(Maps, aFailedCopyIsReportedAndTheOldMapKept) {
    put("/data/vanha.jpg", kJpeg);
    put("/media/usb/uusi.jpg", kJpeg);
    f.fs.failWritesTo("/data/uusi.jpg");
    CMapDlg dlg(doc(), "vanha.jpg");
    f.host.open(dlg);
    f.host.answerFile(std::filesystem::path("/media/usb/uusi.jpg"));
    f.host.answer(IDYES);
    dlg.press(kChoose);
    EXPECT_NE(f.host.lastMessage().find("Tiedoston /data/uusi.jpg päivitys ei onnistu."), std::string::npos);
    dlg.press(IDOK);
    EXPECT_EQ(dlg.mapFile(), "vanha.jpg");
}

TEST_F(Maps, aNameLongerThanTheRecordHoldsIsRefused) {
    const std::string thirty = "seurakunnan_kartta_2027_ab.jpg";
    ASSERT_EQ(thirty.size(), 30u);
    put("/data/" + thirty, kJpeg);
    put("/data/aura.jpg", kJpeg);
    for (const std::string& name : {thirty, std::string("ŁÓDŹ.jpg")}) {
        put("/data/" + name, kJpeg);
        CMapDlg dlg(doc(), "aura.jpg");
        f.host.open(dlg);
        f.host.answerFile(std::filesystem::path("/data") / pathFromUtf8(name));
        dlg.press(kChoose);
        EXPECT_NE(f.host.lastMessage().find(name == thirty ? thirty : "Ł"), std::string::npos) << name;
        dlg.press(IDOK);
        EXPECT_EQ(dlg.mapFile(), "aura.jpg") << name; // the old map stays
    }
    // Exactly 27 characters fit.
    const std::string fits = "seurakunnan_kartta_2027.jpg";
    ASSERT_EQ(fits.size(), 27u);
    put("/data/" + fits, kJpeg);
    CMapDlg dlg(doc(), "");
    f.host.open(dlg);
    f.host.answerFile(std::filesystem::path("/data/" + fits));
    dlg.press(kChoose);
    dlg.press(IDOK);
    EXPECT_EQ(dlg.mapFile(), fits);
}

TEST_F(Maps, cancelKeepsTheNameTheDialogWasOpenedWith) {
    put("/data/uusi.jpg", kJpeg);
    CMapDlg dlg(doc(), "vanha.jpg");
    f.host.open(dlg);
    f.host.answerFile(std::filesystem::path("/data/uusi.jpg"));
    dlg.press(kChoose);
    dlg.press(IDCANCEL);
    EXPECT_EQ(dlg.result(), IDCANCEL);
    EXPECT_EQ(dlg.mapFile(), "vanha.jpg");
}

TEST(Picture, aNewLoadReleasesTheEarlierPicture) {
    DocFixture f;
    f.start();
    f.fs.files["/data/a.jpg"] = kJpeg;
    CPicture picture(f.host, f.fs);
    ASSERT_TRUE(picture.loadPicture("/data/a.jpg"));
    EXPECT_EQ(picture.size(), f.host.pictureSize);
    EXPECT_EQ(picture.fileLength(), kJpeg.size());
    EXPECT_FALSE(picture.loadPicture("/data/b.jpg"));
    EXPECT_FALSE(picture.loaded());
    RecordingCanvas canvas;
    EXPECT_FALSE(picture.renderPicture(canvas, {0, 0, 10, 10}));
    EXPECT_TRUE(canvas.calls().empty());
}

} // namespace
} // namespace orvek
