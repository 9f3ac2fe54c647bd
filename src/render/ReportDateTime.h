#pragma once

#include <string>

class QDateTime;
class QLocale;

// The date and the time that head a results report, as the user reads them: the short date
// and the long time of the user's regional formats ("8 Dec 2026" and "03:20:41 UTC" in the
// C locale, "08.12.26" and "03:20:41 UTC" in German). The balance window's log and the
// command-line report write the same texts. Qt Core only: the command-line program needs no
// widgets for it.
struct ReportDateTime {
  std::string Date;
  std::string Time;

  // `when` in the formats of `locale`.
  static ReportDateTime Of(const QDateTime& when, const QLocale& locale);
  // Now, in the formats of the user's locale (the application's default one).
  static ReportDateTime Now();
};
