#include "StepNames.h"

#include <iterator>

#include "UserLocale.h"
#include "lang/MessageTables.h"
#include "model/EditableFields.h"
#include "report/DisplayFormats.h"

static_assert(std::size(EditTexts::kMainParameters) == kMainParamCount);

QString StepNames::Text(const TwoLanguageText& text, int language) {
  const std::string_view chosen = text.In(language);
  return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

QString StepNames::Parameter(int index, long double before, long double after, int language) {
  const auto i = static_cast<std::size_t>(index);
  const QString name = Text(EditTexts::kMainParameters[i], language) + ' ' +
                       QString::fromLatin1(kMainParams[i].Name);
  const char* format = DisplayFormats::MainParameter(index);
  return Text(EditTexts::kValueChange, language)
      .arg(name, UserNumberText(format, before), UserNumberText(format, after));
}

QString StepNames::RangeOf(int index, const Range& range, int language) {
  const char* format = DisplayFormats::MainParameter(index);
  return Text(EditTexts::kRange, language)
      .arg(QString::fromLatin1(kMainParams[static_cast<std::size_t>(index)].Name),
           UserNumberText(format, range.From), UserNumberText(format, range.To));
}

QString StepNames::Mode(bool bottom, int language) {
  return Text(bottom ? EditTexts::kBottom : EditTexts::kMidwater, language);
}

QString StepNames::Balanced(const BalanceAngles& angles, int language) {
  const char* format = DisplayFormats::kReportRotation;
  return Text(EditTexts::kBalanced, language)
      .arg(UserNumberText(format, angles.X), UserNumberText(format, angles.Y),
           UserNumberText(format, angles.Z));
}

QString StepNames::Rotation(char axis, long double before, long double after, int language) {
  const char* format = DisplayFormats::kReportRotation;
  return Text(EditTexts::kRotation, language)
      .arg(QChar::fromLatin1(axis), UserNumberText(format, before), UserNumberText(format, after));
}
