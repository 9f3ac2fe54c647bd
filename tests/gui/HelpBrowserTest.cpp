#include "HelpBrowser.h"
#include "gui/ModalAnswer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QResource>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QToolButton>
#include <QUrl>

// The pages live in a static library's resources; a test that reads them without a help
// window registers them itself.
static void RegisterProgramResources() {
  Q_INIT_RESOURCE(resources);
}

namespace {

// The topics the windows of the program open.
const QStringList kTopics = {"doors", "doors_proj", "doors_hydro", "doors_balance",
                             "doors_analysis"};

QUrl PageUrl(const QString& topic) {
  return QUrl("qrc:/help/" + topic + ".html");
}

QTextBrowser* HelpText(HelpBrowser& help) {
  return help.findChild<QTextBrowser*>("HelpText");
}

QToolButton* Button(HelpBrowser& help, const char* name) {
  return help.findChild<QToolButton*>(name);
}

// What a page refers to and what it offers as link targets.
struct PageContent {
  QStringList links;
  QStringList images;
  QSet<QString> anchors;
};

PageContent ScanPage(const QTextDocument& document) {
  PageContent content;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (format.isImageFormat()) content.images << format.toImageFormat().name();
      if (!format.isAnchor()) continue;
      if (!format.anchorHref().isEmpty()) content.links << format.anchorHref();
      for (const QString& name : format.anchorNames())
        content.anchors.insert(name);
    }
  }
  return content;
}

// Loads a page as the help window would, relative links and pictures included.
PageContent LoadPage(const QUrl& url) {
  QTextBrowser browser;
  browser.setSource(url);
  return ScanPage(*browser.document());
}

// The resource a qrc URL names, e.g. ":/help/doors.html".
QString ResourcePath(const QUrl& url) {
  return ":" + url.path();
}

class HelpBrowserTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterProgramResources(); }
};

TEST_F(HelpBrowserTest, EveryTopicOpensItsPage) {
  HelpBrowser help;
  EXPECT_EQ(help.objectName(), "HelpBrowser");
  EXPECT_EQ(help.windowTitle(), "DoorTrim Help");
  EXPECT_FALSE(help.isModal());
  QTextBrowser* text = HelpText(help);
  ASSERT_NE(text, nullptr);
  for (const QString& topic : kTopics) {
    SCOPED_TRACE(topic.toStdString());
    help.hide();
    help.ShowTopic(topic);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(text->source(), PageUrl(topic));
    EXPECT_GT(text->document()->toPlainText().trimmed().size(), 1000);
    EXPECT_TRUE(text->documentTitle().startsWith("DoorTrim Help"));
    EXPECT_FALSE(help.findChild<QLabel*>("HelpNote")->isVisible());
  }
}

TEST_F(HelpBrowserTest, TopicWithAnchorOpensThatPlace) {
  HelpBrowser help;
  help.ShowTopic("doors_balance#stability");
  const QUrl source = HelpText(help)->source();
  EXPECT_EQ(source.path(), "/help/doors_balance.html");
  EXPECT_EQ(source.fragment(), "stability");
}

TEST_F(HelpBrowserTest, ShowTopicBringsTheWindowForward) {
  HelpBrowser help;
  help.ShowTopic("doors");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
  help.showMinimized();
  help.ShowTopic("doors_proj");
  EXPECT_TRUE(help.isVisible());
  EXPECT_FALSE(help.isMinimized());
  EXPECT_TRUE(QTest::qWaitForWindowActive(&help));
}

TEST_F(HelpBrowserTest, UnknownTopicShowsContentsWithANote) {
  HelpBrowser help;
  QLabel* note = help.findChild<QLabel*>("HelpNote");
  ASSERT_NE(note, nullptr);
  for (const QString& topic : {QString("doors_nothing"), QString("../doors"), QString()}) {
    SCOPED_TRACE(topic.toStdString());
    help.ShowTopic("doors_hydro");
    help.ShowTopic(topic);
    EXPECT_EQ(HelpText(help)->source(), PageUrl("doors"));
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains("\"" + topic + "\""));
  }
  // The note belongs to that one showing: moving on removes it.
  Button(help, "HelpBack")->click();
  EXPECT_EQ(HelpText(help)->source(), PageUrl("doors_hydro"));
  EXPECT_FALSE(note->isVisible());
}

TEST_F(HelpBrowserTest, LinksAndHistoryButtonsNavigate) {
  HelpBrowser help;
  QToolButton* back = Button(help, "HelpBack");
  QToolButton* forward = Button(help, "HelpForward");
  QToolButton* contents = Button(help, "HelpContents");
  ASSERT_TRUE(back && forward && contents);
  help.ShowTopic("doors");
  QTextBrowser* text = HelpText(help);
  EXPECT_FALSE(back->isEnabled());
  EXPECT_FALSE(forward->isEnabled());

  // Tab moves to the first link of the page (the topic bar), Enter follows it.
  text->setFocus();
  QTest::keyClick(text, Qt::Key_Tab);
  QTest::keyClick(text, Qt::Key_Return);
  EXPECT_EQ(text->source(), PageUrl("doors_proj"));
  EXPECT_TRUE(back->isEnabled());

  back->click();
  EXPECT_EQ(text->source(), PageUrl("doors"));
  EXPECT_TRUE(forward->isEnabled());
  forward->click();
  EXPECT_EQ(text->source(), PageUrl("doors_proj"));
  EXPECT_FALSE(forward->isEnabled());

  contents->click();
  EXPECT_EQ(text->source(), PageUrl("doors"));
}

TEST_F(HelpBrowserTest, EveryLinkAndPictureOfEveryPageResolves) {
  for (const QString& topic : kTopics) {
    SCOPED_TRACE(topic.toStdString());
    const QUrl page = PageUrl(topic);
    const PageContent content = LoadPage(page);
    EXPECT_GE(content.links.size(), 3);  // at least the bar to the other topics
    for (const QString& link : content.links) {
      SCOPED_TRACE(link.toStdString());
      const QUrl target = page.resolved(QUrl(link));
      ASSERT_EQ(target.scheme(), "qrc");  // the help is complete without the network
      EXPECT_TRUE(QResource(ResourcePath(target)).isValid());
      if (target.hasFragment()) {
        const QUrl targetPage = target.adjusted(QUrl::RemoveFragment);
        EXPECT_TRUE(LoadPage(targetPage).anchors.contains(target.fragment()));
      }
    }
    for (const QString& image : content.images) {
      SCOPED_TRACE(image.toStdString());
      const QUrl target = page.resolved(QUrl(image));
      ASSERT_EQ(target.scheme(), "qrc");
      EXPECT_FALSE(QImage(ResourcePath(target)).isNull());
    }
  }
}

TEST_F(HelpBrowserTest, ContentsLeadsToEveryTopic) {
  const PageContent contents = LoadPage(PageUrl("doors"));
  for (const QString& topic : kTopics) {
    if (topic == "doors") continue;
    EXPECT_TRUE(contents.links.contains(topic + ".html")) << topic.toStdString();
  }
}

}  // namespace

namespace {

// Help opened from inside a modal dialog must not be blocked by that dialog.
TEST(HelpBrowserOverModal, IsItselfModalAboveTheDialogAndOrdinaryOtherwise) {
  HelpBrowser help;
  QDialog dialog;
  bool modalAbove = false;
  AnswerNextModal([&](QWidget* modal) {
    help.ShowTopic("doors_balance");
    modalAbove = QApplication::activeModalWidget() == &help;
    help.close();
    modal->close();
  });
  dialog.exec();
  EXPECT_TRUE(modalAbove);
  help.ShowTopic("doors");
  EXPECT_EQ(help.windowModality(), Qt::NonModal);
  help.close();
}

}  // namespace
