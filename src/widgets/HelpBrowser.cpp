#include "HelpBrowser.h"

#include <QApplication>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QRegularExpression>
#include <QResource>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QUrl TopicUrl(const QString& resource, const QString& anchor) {
  QUrl url(QStringLiteral("qrc") + resource);
  if (!anchor.isEmpty()) url.setFragment(anchor);
  return url;
}

QToolButton* NavigationButton(const QString& name, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setAutoRaise(false);
  return button;
}

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QWidget(parent) {
  // The pages live in the program's resources, which a static library does not register by
  // itself.
  Q_INIT_RESOURCE(resources);

  setObjectName("HelpBrowser");
  if (parent) setWindowFlag(Qt::Window);  // a window of its own even when given a parent

  back_ = NavigationButton("HelpBack", this);
  back_->setShortcut(QKeySequence::Back);
  forward_ = NavigationButton("HelpForward", this);
  forward_->setShortcut(QKeySequence::Forward);
  contents_ = NavigationButton("HelpContents", this);
  contents_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
  back_->setEnabled(false);
  forward_->setEnabled(false);

  note_ = new QLabel(this);
  note_->setObjectName("HelpNote");
  note_->setTextFormat(Qt::PlainText);
  note_->setWordWrap(true);
  note_->setStyleSheet("QLabel { background: #fff7d6; padding: 4px; }");
  note_->hide();

  text_ = new QTextBrowser(this);
  text_->setObjectName("HelpText");
  text_->setOpenLinks(true);
  text_->setOpenExternalLinks(true);  // a web link goes to the desktop's browser

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back_);
  buttons->addWidget(forward_);
  buttons->addWidget(contents_);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(note_);
  layout->addWidget(text_, 1);
  SetTexts(texts_);

  connect(back_, &QToolButton::clicked, text_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, text_, &QTextBrowser::forward);
  connect(contents_, &QToolButton::clicked, this, [this] {
    text_->setSource(TopicUrl(TopicResource(QString::fromLatin1(kContentsTopic)), {}));
  });
  connect(text_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(text_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
  // The note about a missing topic belongs to the page it was shown on.
  connect(text_, &QTextBrowser::sourceChanged, note_, &QLabel::hide);

  resize(760, 600);
}

QString HelpBrowser::TopicResource(const QString& topic) {
  static const QRegularExpression kTopicName(QStringLiteral("^[A-Za-z0-9_]+$"));
  if (!kTopicName.match(topic).hasMatch()) return {};
  const QString resource = QStringLiteral(":/help/") + topic + QStringLiteral(".html");
  return QResource(resource).isValid() ? resource : QString();
}

void HelpBrowser::SetTexts(const TextCatalogue& texts) {
  texts_ = texts;
  const auto text = [&texts](TextKey key) { return QString::fromStdString(texts.Text(key)); };
  setWindowTitle(text(HelpTexts::kTitle));
  back_->setText(text(HelpTexts::kBack));
  back_->setToolTip(text(HelpTexts::kBackHint));
  forward_->setText(text(HelpTexts::kForward));
  forward_->setToolTip(text(HelpTexts::kForwardHint));
  contents_->setText(text(HelpTexts::kContents));
  contents_->setToolTip(text(HelpTexts::kContentsHint));
}

void HelpBrowser::ShowTopic(const QString& topic) {
  const qsizetype hash = topic.indexOf('#');
  const QString name = hash < 0 ? topic : topic.left(hash);
  const QString anchor = hash < 0 ? QString() : topic.mid(hash + 1);
  const QString resource = TopicResource(name);
  if (resource.isEmpty()) {
    text_->setSource(TopicUrl(TopicResource(QString::fromLatin1(kContentsTopic)), {}));
    note_->setText(QString::fromStdString(texts_.Text(HelpTexts::kNoTopic)).arg(topic));
    note_->show();
  } else {
    text_->setSource(TopicUrl(resource, anchor));
  }
  BringToFront();
}

void HelpBrowser::BringToFront() {
  // A modal dialog blocks every window opened beside it. Help asked for from inside one is
  // shown modal itself, above that dialog, so it can be read and closed; elsewhere it stays an
  // ordinary window beside the main window.
  QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality wanted =
      modal != nullptr && modal != this ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() != wanted) {
    hide();  // modality can only change while the window is hidden
    setWindowModality(wanted);
  }
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  show();
  raise();
  activateWindow();
}

void HelpBrowser::keyPressEvent(QKeyEvent* event) {
  // Escape closes the help, as it closes a dialog.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}
