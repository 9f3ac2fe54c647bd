#pragma once

#include <string>

#include "lang/TextCatalogue.h"

class QDateTime;
class QLocale;

// The date and the time that head a results report, as the user reads them: the short date
// and the long time of the user's regional formats ("8 Dec 2026" and "03:20:41 UTC" in the
// C locale, "08.12.26" and "03:20:41 UTC" in German). A month the format writes as a word is
// written in the report's language, from its language file ("8 дек. 2026" in a Russian report
// under the C locale): the machine's locale knows nothing of the language the program
// speaks. The balance window's log and the command-line report write the same texts. Qt Core
// only: the command-line program needs no widgets for it.
struct ReportDateTime {
  std::string Date;
  std::string Time;

  // `when` in the formats of `locale`, its month named in the language of `texts`.
  static ReportDateTime Of(const QDateTime& when, const QLocale& locale,
                           const TextCatalogue& texts = TextCatalogue::English());
  // Now, in the formats of the user's locale (the application's default one).
  static ReportDateTime Now(const TextCatalogue& texts);
};
