#include "StepNames.h"

#include <iterator>

#include "UserLocale.h"
#include "lang/MessageTables.h"
#include "lang/TextCatalogue.h"
#include "model/EditableFields.h"
#include "report/DisplayFormats.h"

static_assert(std::size(EditTexts::kMainParameters) == kMainParamCount);

QString StepNames::Text(TextKey key, const TextCatalogue& texts) {
  return QString::fromStdString(texts.Text(key));
}

QString StepNames::Parameter(int index, long double before, long double after,
                             const TextCatalogue& texts) {
  const auto i = static_cast<std::size_t>(index);
  const QString name =
      Text(EditTexts::kMainParameters[i], texts) + ' ' + QString::fromLatin1(kMainParams[i].Name);
  const char* format = DisplayFormats::MainParameter(index);
  return Text(EditTexts::kValueChange, texts)
      .arg(name, UserNumberText(format, before), UserNumberText(format, after));
}

QString StepNames::RangeOf(int index, const Range& range, const TextCatalogue& texts) {
  const char* format = DisplayFormats::MainParameter(index);
  return Text(EditTexts::kRange, texts)
      .arg(QString::fromLatin1(kMainParams[static_cast<std::size_t>(index)].Name),
           UserNumberText(format, range.From), UserNumberText(format, range.To));
}

QString StepNames::Mode(bool bottom, const TextCatalogue& texts) {
  return Text(bottom ? EditTexts::kBottom : EditTexts::kMidwater, texts);
}

QString StepNames::Balanced(const BalanceAngles& angles, const TextCatalogue& texts) {
  const char* format = DisplayFormats::kReportRotation;
  return Text(EditTexts::kBalanced, texts)
      .arg(UserNumberText(format, angles.X), UserNumberText(format, angles.Y),
           UserNumberText(format, angles.Z));
}

QString StepNames::Rotation(char axis, long double before, long double after,
                            const TextCatalogue& texts) {
  const char* format = DisplayFormats::kReportRotation;
  return Text(EditTexts::kRotation, texts)
      .arg(QChar::fromLatin1(axis), UserNumberText(format, before), UserNumberText(format, after));
}
