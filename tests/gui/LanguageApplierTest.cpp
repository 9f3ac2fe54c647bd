#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "LanguageApplier.h"
#include "TInvText.h"
#include "gui/MessageBoxScript.h"
#include "gui/ShownTexts.h"

namespace {

const QString kData = DOORTRIM_TEST_DATA;

// A window with one control of each kind the fixture's entries address.
class ClassWindow : public QDialog {
 public:
  ClassWindow() {
    setObjectName("Test_f");
    auto* layout = new QVBoxLayout(this);
    const auto add = [&](QWidget* w, const char* name) {
      w->setObjectName(name);
      layout->addWidget(w);
    };
    add(new QLabel("Label"), "Label1");
    auto* picture = new QLabel;
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::black);
    picture->setPixmap(pixmap);
    add(picture, "Image1");
    add(new QLineEdit("12.5"), "Edit1");
    add(new QPushButton("Button"), "button1");  // the file says "Button1"
    add(new QSpinBox, "Spin1");                 // a class the files do not know
    auto* tabs = new QTabWidget;
    auto* page = new QWidget;
    page->setObjectName("Page1");
    tabs->addTab(page, "Page");
    layout->addWidget(tabs);
    new TInvText("Held1", "<<text>>", this);
    add(new QLabel("Second"), "Label2");
  }
};

struct EntryCase {
  const char* Control;
  const char* Caption;  // what it shows after the file
  const char* Hint;
};
void PrintTo(const EntryCase& c, std::ostream* os) {
  *os << c.Control;
}

class EntryByClass : public testing::TestWithParam<EntryCase> {};

// Each entry of the fixture goes where the control's class says: code 1 makes a second line,
// a picture takes the caption line as its hint, an edit only its hint, a tab page and an
// invisible text holder their caption; a control of an unknown class and the entry that
// ends the file get nothing.
TEST_P(EntryByClass, SetsWhatTheClassTakes) {
  ClassWindow window;
  LanguageApplier& lang = LanguageApplier::Of(window);
  EXPECT_EQ(lang.objectName(), "Lang1");
  lang.SetLangFile(kData + "/lang/entries_by_class.lng");
  QSignalSpy read(&lang, &LanguageApplier::OnRead);
  MessageBoxScript boxes;
  ASSERT_TRUE(lang.Translate("Test_f"));
  EXPECT_TRUE(boxes.Asked().empty());
  EXPECT_EQ(read.count(), 1);
  const QObject* control = window.findChild<QObject*>(GetParam().Control);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(ShownCaption(*control), GetParam().Caption);
  EXPECT_EQ(ShownHint(*control), GetParam().Hint);
}

INSTANTIATE_TEST_SUITE_P(
    LanguageFile, EntryByClass,
    testing::Values(EntryCase{"Label1", "First line\nsecond line", "Label hint"},
                    EntryCase{"Image1", "", "Picture hint"}, EntryCase{"Edit1", "", "Edit hint"},
                    EntryCase{"button1", "&Press", "Button hint"}, EntryCase{"Spin1", "", ""},
                    EntryCase{"Page1", "Page caption", ""}, EntryCase{"Held1", "Held text", ""},
                    EntryCase{"Label2", "Second", ""}),
    [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.Control); });

TEST(LanguageApplier, EditKeepsItsValueAndPictureItsPicture) {
  ClassWindow window;
  LanguageApplier::Of(window).SetLangFile(kData + "/lang/entries_by_class.lng");
  ASSERT_TRUE(LanguageApplier::Of(window).Translate("Test_f"));
  EXPECT_EQ(window.findChild<QLineEdit*>("Edit1")->text(), "12.5");
  EXPECT_FALSE(window.findChild<QLabel*>("Image1")->pixmap().isNull());
}

// A window without a file of its own reads the one named after it; missing, it says so once
// and changes nothing.
TEST(LanguageApplier, MissingFileSaysSoOnceAndChangesNothing) {
  ClassWindow window;
  const QMap<QString, QString> before = TextsOf({&window});
  MessageBoxScript boxes;
  QSignalSpy read(&LanguageApplier::Of(window), &LanguageApplier::OnRead);
  EXPECT_FALSE(LanguageApplier::Of(window).Translate("Test_f"));
  ASSERT_EQ(boxes.Asked().size(), 1u);
  EXPECT_TRUE(boxes.Asked()[0].Text.contains("Test_f.lng")) << boxes.Asked()[0].Text.toStdString();
  EXPECT_EQ(read.count(), 0);
  EXPECT_EQ(TextsOf({&window}), before);
}

}  // namespace
