#include "WindowReportSource.h"

#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPixmap>
#include <QString>
#include <QVariant>
#include <QWidget>

#include "ScPic.h"

namespace {

// The size of a view of the projections dialog in its first showing.
constexpr QSize kUnshownSurface(400, 300);

QString Name(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* Window(std::string_view form) {
  const QString name = Name(form);
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == name) return window;
  return nullptr;
}

QWidget* ControlOf(std::string_view form, std::string_view name) {
  QWidget* window = Window(form);
  return window == nullptr ? nullptr : window->findChild<QWidget*>(Name(name));
}

ReportPicture DrawingOf(const ScPic& surface) {
  if (surface.ImageType() == ScaledCanvas::itMetafile)
    return ReportPicture::FromRecording(surface.Picture(), surface.SurfaceSize());
  return ReportPicture::FromPixmap(QPixmap::fromImage(surface.Image()));
}

}  // namespace

WindowReportSource::WindowReportSource(const TBoard& board, std::function<void()> update)
    : board_(board), update_(std::move(update)) {}

void WindowReportSource::Update() {
  // The projections dialog's drawings first: they put the door unturned, and the balance
  // window's update then puts it back in its position. A dialog never shown yet has not
  // sized its surfaces: they get the size the dialog first shows them at.
  if (QWidget* projections = Window("Proj_f")) {
    if (!projections->isVisible()) {
      for (ScPic* surface : projections->findChildren<ScPic*>()) {
        if (surface->width() < kUnshownSurface.width() ||
            surface->height() < kUnshownSurface.height())
          surface->resize(kUnshownSurface);
      }
    }
    QMetaObject::invokeMethod(projections, "Redraw", Qt::DirectConnection);
  }
  if (update_) update_();
}

LinkedControl WindowReportSource::Control(std::string_view form, std::string_view name) const {
  using Kind = LinkedControl::Kind;
  LinkedControl control;
  const QWidget* widget = ControlOf(form, name);
  if (widget == nullptr) return control;
  control.Hint = widget->toolTip().toStdString();
  // By the exact class: a class derived from these is some other control.
  const QString kind = QString::fromLatin1(widget->metaObject()->className());
  if (kind == "QLabel") {
    control.Class = Kind::Label;
    control.Caption = static_cast<const QLabel*>(widget)->text().toStdString();
  } else if (kind == "QLineEdit" || kind == "ValidatedField") {
    control.Class = kind == "ValidatedField" ? Kind::EditF : Kind::Edit;
    control.Text = static_cast<const QLineEdit*>(widget)->text().toStdString();
  } else if (kind == "QGroupBox") {
    control.Class = Kind::GroupBox;
    control.Caption = static_cast<const QGroupBox*>(widget)->title().toStdString();
  } else if (kind == "QCheckBox") {
    control.Class = Kind::CheckBox;
    const auto* box = static_cast<const QCheckBox*>(widget);
    control.Caption = box->text().toStdString();
    control.Checked = box->isChecked();
  } else {
    control.Class = Kind::Other;
  }
  return control;
}

ReportPicture WindowReportSource::Picture(std::string_view form, std::string_view name) const {
  const auto* label = qobject_cast<const QLabel*>(ControlOf(form, name));
  if (label == nullptr) return {};
  const QString file = label->property(ReportPicture::kSourceProperty).toString();
  if (file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    ReportPicture drawing = ReportPicture::FromSvg(file);
    if (!drawing.IsNull()) return drawing;
  }
  return ReportPicture::FromPixmap(label->pixmap());
}

ReportPicture WindowReportSource::Drawing(std::string_view form, std::string_view name,
                                          QSize size) {
  auto* surface = qobject_cast<ScPic*>(ControlOf(form, name));
  if (surface == nullptr) return {};
  if (size.isEmpty()) return DrawingOf(*surface);
  // A graph drawn at another size: the editor's window lays itself out first, then its graph
  // surface takes the size for one drawing and gets its own back.
  QWidget* editor = Window(form);
  if (!editor->isVisible())
    QMetaObject::invokeMethod(editor, "FillGridFromTable", Qt::DirectConnection);
  const QSize own = surface->size();
  surface->resize(size);
  QMetaObject::invokeMethod(editor, "DrawGraph", Qt::DirectConnection);
  ReportPicture drawing = DrawingOf(*surface);
  surface->resize(own);
  QMetaObject::invokeMethod(editor, "DrawGraph", Qt::DirectConnection);
  return drawing;
}
